#pragma once
// The About dialog frmAbout: opened without waiting by the main window's
// "About" button, which it leaves disabled until the dialog closes.
#include <windows.h>

#include "registry/errors.h"

namespace velmora {

// Creates the dialog when it does not exist, shows it (modeless) and
// disables the main window. OK, Enter, Esc and the close box enable the main
// window again and discard the dialog.
Status Command3_Click(HINSTANCE instance, HWND mainWindow);

// The open dialog, for IsDialogMessageA in the message loop; nullptr when closed.
HWND aboutWindow();

}  // namespace velmora
