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

// One monitor: all it shows, and its work area, what the taskbar and the
// desktop's other bars leave of it.
struct Screen {
    velmora::layout::Pixels area, work;
};
struct Screens {
    const Screen* first;
    std::size_t count;  // one at least
};

// Where the dialog, `width` by `height` pixels, goes: centred over its owner,
// then moved inside the work area of the screen that shows most of the owner
// (the nearest screen, where none shows any of it), its top left corner first
// when it is larger.
velmora::layout::Pixels placeOver(const velmora::layout::Pixels& owner, int width, int height, Screens screens);

}  // namespace velmora::about::layout
