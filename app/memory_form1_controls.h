#pragma once
// The main window's setting controls in memory, in the states the window
// creates them with: labels empty, boxes cleared, no option selected, the
// slider at 143 of 143..250.
#include "app/form1.h"
#include "app/memory_controls.h"

namespace velmora {

struct MemoryForm1Controls {
    MemoryLabel Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23;
    MemoryCheckBox Check1, Check2, Check3, Check4, Check5, Check6, Check7, Check8, Check9;

    // The frames must outlive their buttons, so they come first.
    OptionFrame Frame4, Frame5, Frame7, Frame8, Frame10;
    MemoryOptionButton Option1{Frame4}, Option2{Frame4}, Option3{Frame4};
    MemoryOptionButton Option4{Frame5}, Option5{Frame5}, Option6{Frame5};
    MemoryOptionButton Option7{Frame7}, Option8{Frame7}, Option9{Frame7};
    MemoryOptionButton Option10{Frame8}, Option11{Frame8}, Option12{Frame8};
    MemoryOptionButton Option13{Frame10}, Option14{Frame10};

    MemorySlider Slider1{143, 250, 143};

    Form1Controls controls();
};

}  // namespace velmora
