// The "Windows Options" tab: two display settings of the current hardware
// profile. "Advanced" maps its codes to the box without reading them as a
// number, so anything but "0" or "1" leaves the box alone.
#include "app/form1.h"

namespace velmora {

Status Form1::Advanced()
{
    static constexpr StateCode kCodes[] = {{"0", CheckBox::Unchecked}, {"1", CheckBox::Checked}};
    return loadChoice(kDesktopKey, kAdvanced, ui_.Check9, {kCodes, 2}, CheckBox::Unchecked);
}
Status Form1::RefreshRate() { return loadChoice(kDesktopKey, kRefreshRate, {{"0", ui_.Option13}, {"-1", ui_.Option14}}, ui_.Option13); }

Status Form1::process22() { return writeFlag(kDesktopKey, kAdvanced, ui_.Check9, kStoredAsDword); }
Status Form1::process23() { return writeChoice(kDesktopKey, kRefreshRate, ui_.Option13, 0); }
Status Form1::process24() { return writeChoice(kDesktopKey, kRefreshRate, ui_.Option14, -1); }

}  // namespace velmora
