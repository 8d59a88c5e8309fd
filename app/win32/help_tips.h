#pragma once
// The tips of the main window's controls: one tooltip control, as the first
// Windows 95 common controls (4.00) have it, showing the portable help.
#include <windows.h>

#include "settings/help.h"

namespace velmora {

class MainWindow;

// Adds a tip for every control with help; the tooltip belongs to the window
// and goes with it. nullptr where no tooltip could be made: the window works
// as well without tips.
HWND createHelpTips(const MainWindow& window, HINSTANCE instance, const HelpBook& help, int dpi);

// Gives every tip the help's text as it is now, as after Apply.
void updateHelpTips(HWND tips, const MainWindow& window, const HelpBook& help, int dpi);

}  // namespace velmora
