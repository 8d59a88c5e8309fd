#include "app/memory_form1_controls.h"

namespace velmora {

Form1Controls MemoryForm1Controls::controls()
{
    return {Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20, Label23,
            Check1,  Check2,  Check3,  Check4,  Check5,  Check6,  Check7,  Check8,  Check9,
            Option1, Option2, Option3, Option4, Option5, Option6, Option7, Option8, Option9,
            Option10, Option11, Option12, Option13, Option14,
            Slider1};
}

}  // namespace velmora
