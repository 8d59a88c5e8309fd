#pragma once
// The tips of the main window's controls: one tooltip control, as the first
// Windows 95 common controls (4.00) have it, showing the portable help.
#include <windows.h>

#include "settings/help.h"

namespace velmora {

class MainWindow;

// The tooltip of the window, which belongs to it and goes with it; nullptr
// where none could be made: the window works as well without tips.
HWND createHelpTips(HWND window, HINSTANCE instance, int dpi);
// Adds a tip for each control with help on one tab's page (layout::kNotOnTab:
// the window's own buttons), with the help's text of this moment. A page is
// made when first shown, and its tips with it: until then its controls have
// no window and no tip.
void addHelpTips(HWND tips, const MainWindow& window, const HelpBook& help, int tab);

// Gives every tip made so far the help's text as it is now, as after Apply;
// a page made later takes the text of its moment.
void updateHelpTips(HWND tips, const MainWindow& window, const HelpBook& help);

}  // namespace velmora
