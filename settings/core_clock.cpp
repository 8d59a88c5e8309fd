// The "Overclock" tab: the core clock and its start-up check, kept in the
// driver's DEFAULT key.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kDefault{hive::LocalMachine, kDriverKeyPath, "DEFAULT"};
constexpr char kGrxclock[] = "Grxclock";
constexpr char kCheckClk[] = "CheckClk";

}  // namespace

void Form1::Grxclock() { loadClock(kDefault, kGrxclock, ui_.Label23, ui_.Slider1); }
void Form1::Checkclk() { loadNumber(kDefault, kCheckClk, ui_.Check1, CheckBox::Checked); }

void Form1::process1() { writeClock(kDefault, kGrxclock, ui_.Slider1); }
void Form1::process2() { writeFlag(kDefault, kCheckClk, ui_.Check1, kStoredAsDword); }

}  // namespace velmora
