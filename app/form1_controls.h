#pragma once
// The 35 controls of the main window that the setting procedures reach: the
// Win32 window's adapters of its child windows, or the tests' controls in
// memory, each kind in an array. `each` names every one, for what is done to
// all of them by name (the window hands each its window when its tab is
// first shown).
#include "app/form1.h"

namespace velmora {

template <class LabelT, class CheckT, class OptionT, class SliderT>
struct Form1ControlSet {
    static constexpr const char* kLabels[] = {"Label11", "Label12", "Label13", "Label14", "Label15", "Label16",
                                              "Label17", "Label18", "Label19", "Label20", "Label23"};
    static constexpr const char* kChecks[] = {"Check1", "Check2", "Check3", "Check4", "Check5",
                                              "Check6", "Check7", "Check8", "Check9"};
    static constexpr const char* kOptions[] = {"Option1", "Option2",  "Option3",  "Option4",  "Option5",
                                               "Option6", "Option7",  "Option8",  "Option9",  "Option10",
                                               "Option11", "Option12", "Option13", "Option14"};
    // Option1-3, Option4-6 (Direct3D), Option7-9, Option10-12 (Glide), Option13-14 (Windows).
    static constexpr unsigned char kFrameOf[] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4};

    Form1ControlSet()
    {
        for (unsigned i = 0; i < 14; ++i) options[i].join(frames[kFrameOf[i]]);
    }
    Form1ControlSet(const Form1ControlSet&) = delete;
    Form1ControlSet& operator=(const Form1ControlSet&) = delete;

    Form1Controls controls()
    {
        LabelT* l = labels;
        CheckT* c = checks;
        OptionT* o = options;
        return {l[0], l[1], l[2], l[3], l[4], l[5], l[6], l[7], l[8], l[9], l[10],
                c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8],
                o[0], o[1], o[2], o[3], o[4], o[5], o[6], o[7], o[8], o[9], o[10], o[11], o[12], o[13], slider};
    }

    // f(name, control) for each control.
    template <class F>
    void each(F&& f)
    {
        for (unsigned i = 0; i < 11; ++i) f(kLabels[i], labels[i]);
        for (unsigned i = 0; i < 9; ++i) f(kChecks[i], checks[i]);
        for (unsigned i = 0; i < 14; ++i) f(kOptions[i], options[i]);
        f("Slider1", slider);
    }

    LabelT labels[11];  // in the order of their names above
    CheckT checks[9];
    OptionFrame frames[5];
    OptionT options[14];
    SliderT slider;
};

}  // namespace velmora
