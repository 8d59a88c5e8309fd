// The "Overclock" tab: the core clock and its start-up check, kept in the
// driver's DEFAULT key.
#include "app/form1.h"

namespace velmora {

Status Form1::Grxclock() { return loadClock(kClockKey, kGrxclock, ui_.Label23, ui_.Slider1); }
Status Form1::Checkclk() { return loadNumber(kClockKey, kCheckClk, ui_.Check1, CheckBox::Checked); }

Status Form1::process1() { return writeClock(kClockKey, kGrxclock, ui_.Label23, ui_.Slider1); }
Status Form1::process2() { return writeFlag(kClockKey, kCheckClk, ui_.Check1, kStoredAsDword); }

}  // namespace velmora
