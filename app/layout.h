#pragma once
// The main window as data: one row per control, in the order of the layout
// tables. The Win32 window is created from these rows, the tab order is read
// from them and the end-to-end test measures the real window against them.
#include <cstddef>
#include <cstdint>

#include "registry/text.h"

namespace velmora::layout {

enum class Kind : std::uint8_t { TabControl, Frame, Label, CheckBox, OptionButton, Picture, Slider, CommandButton };

enum class Font : std::uint8_t { Default, Bold };

// Label behaviour; the other kinds have no flags.
enum Flag : unsigned {
    NoFlags = 0,
    AutoSize = 1u << 0,  // the box follows the text from its Left and Top
    Centred = 1u << 1,
    WordWrap = 1u << 2,  // wraps at word boundaries inside the designed box
};

// Colours as the table gives them: 0x00BBGGRR, which is also a Win32
// COLORREF, or 0x800000nn for system colour nn.
using OleColor = std::uint32_t;
constexpr OleColor kButtonText = 0x80000012;  // what a control draws with unless given a colour
constexpr OleColor kHighlight = 0x8000000D;
constexpr OleColor kButtonFace = 0x8000000F;
constexpr OleColor kBlue = 0x00FF0000;
constexpr OleColor kYellow = 0x0000FFFF;
constexpr OleColor kOverridden = 0x000000C0;  // dark red: a caption whose value the driver takes from elsewhere
constexpr bool isSystemColor(OleColor c) { return (c & 0xFF000000u) == 0x80000000u; }
constexpr int systemColorIndex(OleColor c) { return static_cast<int>(c & 0xFFu); }

// 16 bits hold the largest window at 15 twips a pixel; the tables keep many.
struct Twips {
    std::int16_t left, top, width, height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct Pixels {
    int left, top, width, height;
};

constexpr int kNoTabIndex = -1;  // pictures are not in the tab order
constexpr int kNotOnTab = -1;    // the container is not the tab control

struct Control {
    const char* name;       // "Label11", "Option7", ...
    Kind kind;
    const char* container;  // kWindowName, kTabControlName or a frame
    std::int8_t tab;        // 0..4 when the container is the tab control, else kNotOnTab
    const char* caption;    // exact display text, "" when empty or none
    Twips rect;             // relative to the container
    std::int8_t tabIndex;   // or kNoTabIndex
    Font font;
    OleColor foreColor;
    std::uint8_t flags;     // Flag bits
    std::uint16_t picture;  // bitmap resource ID of a picture, else 0
    std::uint16_t id;       // Win32 control ID

    bool has(Flag f) const { return (flags & f) != 0; }
};

// The window itself.
constexpr const char* kWindowName = "Form1";
constexpr const char* kWindowCaption = "Velmora 1.4 (English)";
constexpr int kClientWidth = 6255;  // twips
constexpr int kClientHeight = 6345;

// The tab control: five tabs in one row, tab 0 current at start.
constexpr const char* kTabControlName = "SSTab1";
constexpr int kTabCount = 5;
extern const char* const kTabCaptions[kTabCount];
constexpr OleColor kTabBackColor = kButtonFace;

// "MS Sans Serif" 8.25 point for every control; Bold is the same at weight 700.
constexpr const char* kFontFace = "MS Sans Serif";
constexpr int kFontHundredthsOfPoint = 825;
constexpr int kRegularWeight = 400;
constexpr int kBoldWeight = 700;

// The clock slider as designed: horizontal, no tick marks, empty selection.
struct SliderDesign {
    int min, max, value, smallChange, largeChange;
    bool tickMarks;
    int tickFrequency, selectionStart, selectionLength;
};
constexpr SliderDesign kSlider1{143, 250, 143, 1, 5, false, 1, 143, 0};

// Rows of a control table.
struct Controls {
    const Control* first;
    std::size_t count;
    const Control* begin() const { return first; }
    const Control* end() const { return first + count; }
    std::size_t size() const { return count; }
    const Control& operator[](std::size_t i) const { return first[i]; }
    // nullptr when no control has that name.
    const Control* find(const char* name) const;
};

// Every control of the main window in the order of the layout tables. The
// registry component has no row: it has no appearance and no tab stop.
Controls controls();

// nullptr when no control has that name.
const Control* find(const char* name);
// A control the program names itself, so it is in the table.
const Control& get(const char* name);

// The tab a control is shown on, through its frames; kNotOnTab for the
// controls that sit on the window itself.
int tabOf(const Control& c);

// The control's rectangle relative to the window's client area.
Twips absolute(const Control& c);

// The controls shown on one tab, frames and their contents included, in tab
// order; pictures, which have no tab index, follow in table order.
Vec<const Control*> onTab(int tab);
// Every control with a tab index, in tab order.
Vec<const Control*> tabOrder();
// In tab order; rows with equal tab indexes keep their order.
void sortByTabIndex(Vec<const Control*>& rows);

// twips * dpi / 1440, rounded half away from zero: 15 twips a pixel at 96 DPI.
int toPixels(int twips, int dpi);
// Converts edges rather than sizes, so that controls which meet in twips
// still meet in pixels at any DPI.
Pixels toPixels(const Twips& t, int dpi);
// absolute() in pixels.
Pixels absolutePixels(const Control& c, int dpi);
// The font height in pixels (8.25 point is 11 pixels at 96 DPI).
int fontPixelHeight(int dpi);

}  // namespace velmora::layout
