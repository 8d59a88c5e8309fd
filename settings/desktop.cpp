// The "Windows Options" tab: two display settings of the current hardware
// profile. "Advanced" maps its codes to the box without reading them as a
// number, so anything but "0" or "1" leaves the box alone.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kDisplaySettings{hive::CurrentConfig, "Display\\Settings"};
constexpr char kAdvanced[] = "Advanced";
constexpr char kRefreshRate[] = "RefreshRate";

}  // namespace

void Form1::Advanced()
{
    loadChoice(kDisplaySettings, kAdvanced, ui_.Check9, {{"0", CheckBox::Unchecked}, {"1", CheckBox::Checked}},
               CheckBox::Unchecked);
}
void Form1::RefreshRate() { loadChoice(kDisplaySettings, kRefreshRate, {{"0", ui_.Option13}, {"-1", ui_.Option14}}, ui_.Option13); }

void Form1::process22() { writeFlag(kDisplaySettings, kAdvanced, ui_.Check9, kStoredAsDword); }
void Form1::process23() { writeChoice(kDisplaySettings, kRefreshRate, ui_.Option13, 0); }
void Form1::process24() { writeChoice(kDisplaySettings, kRefreshRate, ui_.Option14, -1); }

}  // namespace velmora
