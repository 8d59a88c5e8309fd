#pragma once
// The 35 controls of the main window that the setting procedures reach: the
// Win32 window's adapters of its child windows, or the tests' controls in
// memory. `each` names every one, for what is done to all of them by name
// (the window hands each its window when its tab is first shown).
#include "app/form1.h"

namespace velmora {

template <class LabelT, class CheckT, class OptionT, class SliderT>
struct Form1ControlSet {
    Form1ControlSet() = default;
    Form1ControlSet(const Form1ControlSet&) = delete;
    Form1ControlSet& operator=(const Form1ControlSet&) = delete;

    Form1Controls controls()
    {
        return {Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23,
                Check1,  Check2,  Check3,  Check4,  Check5,  Check6,  Check7,  Check8,  Check9,
                Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9,
                Option10, Option11, Option12, Option13, Option14, Slider1};
    }

    // f(name, control) for each control, in the control table's order.
    template <class F>
    void each(F&& f)
    {
        f("Label11", Label11); f("Label12", Label12); f("Label13", Label13); f("Label14", Label14);
        f("Label15", Label15); f("Label16", Label16); f("Label17", Label17); f("Label18", Label18);
        f("Label19", Label19); f("Label20", Label20); f("Label23", Label23); f("Slider1", Slider1);
        f("Check1", Check1); f("Check2", Check2); f("Check3", Check3); f("Option1", Option1);
        f("Option2", Option2); f("Option3", Option3); f("Option4", Option4); f("Option5", Option5);
        f("Option6", Option6); f("Check4", Check4); f("Check5", Check5); f("Check6", Check6);
        f("Check7", Check7); f("Check8", Check8); f("Option7", Option7); f("Option8", Option8);
        f("Option9", Option9); f("Option10", Option10); f("Option11", Option11); f("Option12", Option12);
        f("Check9", Check9); f("Option13", Option13); f("Option14", Option14);
    }

    LabelT Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23;
    CheckT Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9;
    // Frames come before their buttons, which register with them.
    OptionFrame Frame4, Frame5, Frame7, Frame8, Frame10;
    OptionT Option1{Frame4}, Option2{Frame4}, Option3{Frame4}, Option4{Frame5}, Option5{Frame5}, Option6{Frame5},
        Option7{Frame7}, Option8{Frame7}, Option9{Frame7}, Option10{Frame8}, Option11{Frame8}, Option12{Frame8},
        Option13{Frame10}, Option14{Frame10};
    SliderT Slider1;
};

}  // namespace velmora
