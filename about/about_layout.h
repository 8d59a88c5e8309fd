#pragma once
// The About dialog as data, in the rows of the main window's control table:
// the dialog is created from these rows and the end-to-end test measures it
// against them. The picture and the two lines are drawn, not child windows.
#include "app/layout.h"

namespace velmora::about::layout {

using velmora::layout::Control;
using velmora::layout::OleColor;

constexpr const char* kDialogName = "frmAbout";
constexpr const char* kCaption = "About Velmora";
constexpr int kClientWidth = 5730;  // twips
constexpr int kClientHeight = 3555;

// cmdOK carries the dialog manager's IDOK, so that Enter presses it.
constexpr int kOkId = 1;
constexpr int kSysInfoId = 2001;

// Every control in the order of the dialog's table, the picture included.
velmora::layout::Controls controls();
// A control the program names itself, so it is in the table.
const Control& get(const char* name);

// The etched separator: Line1(1), grey, and one pixel below it Line1(0), white.
struct Line {
    const char* name;
    int x1, y1, x2, y2;  // twips
    OleColor color;
    int widthPixels;
};
struct Lines {
    const Line* first;
    std::size_t count;
    const Line* begin() const { return first; }
    const Line* end() const { return first + count; }
};
Lines lines();

// Where the dialog, `width` by `height` pixels, goes: centred over its owner,
// then moved inside the desktop, its top left corner first when it is larger.
// The desktop spans every monitor where the system reports it (Windows 98 and
// later); Windows 95 reports it empty, and the primary screen serves.
velmora::layout::Pixels placeOver(const velmora::layout::Pixels& owner, int width, int height,
                                  const velmora::layout::Pixels& desktop, const velmora::layout::Pixels& primary);

}  // namespace velmora::about::layout
