#pragma once
// The 35 controls of the main window that the setting procedures reach, made
// from their names in the control table: the Win32 window makes adapters of
// its child windows, the tests make controls in memory. `make` answers
// label(name), check(name), option(name) and slider(name) with what each
// control type is constructed from; an option button also gets its frame.
#include "app/form1.h"

namespace velmora {

template <class LabelT, class CheckT, class OptionT, class SliderT>
struct Form1ControlSet {
    template <class Make>
    explicit Form1ControlSet(Make&& make)
        : Label11(make.label("Label11")), Label12(make.label("Label12")), Label13(make.label("Label13")),
          Label14(make.label("Label14")), Label15(make.label("Label15")), Label16(make.label("Label16")),
          Label17(make.label("Label17")), Label18(make.label("Label18")), Label19(make.label("Label19")),
          Label20(make.label("Label20")), Label23(make.label("Label23")),
          Check1(make.check("Check1")), Check2(make.check("Check2")), Check3(make.check("Check3")),
          Check4(make.check("Check4")), Check5(make.check("Check5")), Check6(make.check("Check6")),
          Check7(make.check("Check7")), Check8(make.check("Check8")), Check9(make.check("Check9")),
          Option1(Frame4, make.option("Option1")), Option2(Frame4, make.option("Option2")),
          Option3(Frame4, make.option("Option3")), Option4(Frame5, make.option("Option4")),
          Option5(Frame5, make.option("Option5")), Option6(Frame5, make.option("Option6")),
          Option7(Frame7, make.option("Option7")), Option8(Frame7, make.option("Option8")),
          Option9(Frame7, make.option("Option9")), Option10(Frame8, make.option("Option10")),
          Option11(Frame8, make.option("Option11")), Option12(Frame8, make.option("Option12")),
          Option13(Frame10, make.option("Option13")), Option14(Frame10, make.option("Option14")),
          Slider1(make.slider("Slider1"))
    {
    }
    Form1ControlSet(const Form1ControlSet&) = delete;
    Form1ControlSet& operator=(const Form1ControlSet&) = delete;

    Form1Controls controls()
    {
        return {Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23,
                Check1,  Check2,  Check3,  Check4,  Check5,  Check6,  Check7,  Check8,  Check9,
                Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9,
                Option10, Option11, Option12, Option13, Option14, Slider1};
    }

    LabelT Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23;
    CheckT Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9;
    // Frames come before their buttons, which register with them.
    OptionFrame Frame4, Frame5, Frame7, Frame8, Frame10;
    OptionT Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9, Option10, Option11,
        Option12, Option13, Option14;
    SliderT Slider1;
};

}  // namespace velmora
