// The "Overclock" tab: the core clock and its start-up check, kept in the
// driver's DEFAULT key.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kDefault{hive::LocalMachine, nullptr, "DEFAULT"};
constexpr char kGrxclock[] = "Grxclock";
constexpr char kCheckClk[] = "CheckClk";

}  // namespace

Status Form1::Grxclock() { return loadClock(kDefault, kGrxclock, ui_.Label23, ui_.Slider1); }
Status Form1::Checkclk() { return loadNumber(kDefault, kCheckClk, ui_.Check1, CheckBox::Checked); }

Status Form1::process1() { return writeClock(kDefault, kGrxclock, ui_.Label23, ui_.Slider1); }
Status Form1::process2() { return writeFlag(kDefault, kCheckClk, ui_.Check1, kStoredAsDword); }

}  // namespace velmora
