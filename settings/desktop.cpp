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

Status Form1::Advanced()
{
    return loadChoice(kDisplaySettings, kAdvanced, ui_.Check9, {{"0", CheckBox::Unchecked}, {"1", CheckBox::Checked}},
               CheckBox::Unchecked);
}
Status Form1::RefreshRate() { return loadChoice(kDisplaySettings, kRefreshRate, {{"0", ui_.Option13}, {"-1", ui_.Option14}}, ui_.Option13); }

Status Form1::process22() { return writeFlag(kDisplaySettings, kAdvanced, ui_.Check9, kStoredAsDword); }
Status Form1::process23() { return writeChoice(kDisplaySettings, kRefreshRate, ui_.Option13, 0); }
Status Form1::process24() { return writeChoice(kDisplaySettings, kRefreshRate, ui_.Option14, -1); }

}  // namespace velmora
