#include "app/layout.h"

#include "resources/resource.h"

namespace velmora::layout {

const char* const kTabCaptions[kTabCount] = {
    "Information", "Overclock", "DirectX Options", "Glide Options", "Windows Options",
};

namespace {

// Control IDs tell the kind by their range. All stay clear of IDOK (1) and
// IDCANCEL (2), which the dialog manager sends for Enter and Esc.
enum IdBase {
    TabId = 1000, CommandId = 1100, FrameId = 1200, LabelId = 1300,
    CheckId = 1400, OptionId = 1500, ImageId = 1600, SliderId = 1700,
};

// Short names keep each row on one line, so the table reads as the window's layout, row by row.
constexpr Kind Tbc = Kind::TabControl, Frm = Kind::Frame, Lbl = Kind::Label, Chk = Kind::CheckBox,
               Opt = Kind::OptionButton, Pic = Kind::Picture, Sld = Kind::Slider, Cmd = Kind::CommandButton;
constexpr Font Reg = Font::Default, Bold = Font::Bold;
constexpr int None = kNoTabIndex, Off = kNotOnTab;
constexpr OleColor Std = kButtonText, Hi = kHighlight;
constexpr unsigned Auto = AutoSize;

const char* const Win = kWindowName;
const char* const Tabs = kTabControlName;

// clang-format off
const Control kControls[] = {
//   name        kind container tab caption                                             Left  Top   Width Height  TabIdx font colour   flags                picture         id
    {"SSTab1",   Tbc, Win,     Off, "",                                                 {120,  120,  6015, 5655}, 0,   Reg,  Std,     NoFlags,             0,              TabId + 1},
    {"Command1", Cmd, Win,     Off, "Apply",                                            {3480, 5880, 735,  375},  1,   Bold, Std,     NoFlags,             0,              CommandId + 1},
    {"Command2", Cmd, Win,     Off, "Exit",                                             {4320, 5880, 735,  375},  2,   Bold, Std,     NoFlags,             0,              CommandId + 2},
    {"Command3", Cmd, Win,     Off, "About",                                            {5160, 5880, 735,  375},  3,   Bold, Std,     NoFlags,             0,              CommandId + 3},

    // Tab 0, "Information"
    {"Frame1",   Frm, Tabs,    0,   "Card Information",                                 {960,  1200, 4095, 3615}, 4,   Bold, Hi,      NoFlags,             0,              FrameId + 1},
    {"Label1",   Lbl, "Frame1", Off, "Product Name :",                                  {240,  480,  1110, 195},  5,   Reg,  Std,     Auto,                0,              LabelId + 1},
    {"Label2",   Lbl, "Frame1", Off, "Manufacturer :",                                  {240,  720,  1035, 195},  6,   Reg,  Std,     Auto,                0,              LabelId + 2},
    {"Label3",   Lbl, "Frame1", Off, "Bios Version :",                                  {240,  1080, 960,  195},  7,   Reg,  Std,     Auto,                0,              LabelId + 3},
    {"Label4",   Lbl, "Frame1", Off, "Driver Version :",                                {240,  1320, 1080, 195},  8,   Reg,  Std,     Auto,                0,              LabelId + 4},
    {"Label5",   Lbl, "Frame1", Off, "Driver Date :",                                   {240,  1560, 900,  195},  9,   Reg,  Std,     Auto,                0,              LabelId + 5},
    {"Label6",   Lbl, "Frame1", Off, "Bus Type :",                                      {240,  1920, 765,  195},  10,  Reg,  Std,     Auto,                0,              LabelId + 6},
    {"Label7",   Lbl, "Frame1", Off, "Memory Type :",                                   {240,  2160, 1050, 195},  11,  Reg,  Std,     Auto,                0,              LabelId + 7},
    {"Label8",   Lbl, "Frame1", Off, "Total Video Memory :",                            {240,  2400, 1500, 195},  12,  Reg,  Std,     Auto,                0,              LabelId + 8},
    {"Label9",   Lbl, "Frame1", Off, "Lcd :",                                           {240,  2760, 360,  195},  13,  Reg,  Std,     Auto,                0,              LabelId + 9},
    {"Label10",  Lbl, "Frame1", Off, "Tv Out :",                                        {240,  3000, 585,  195},  14,  Reg,  Std,     Auto,                0,              LabelId + 10},
    {"Label11",  Lbl, "Frame1", Off, "",                                                {2040, 480,  45,   195},  15,  Reg,  kBlue,   Auto,                0,              LabelId + 11},
    {"Label12",  Lbl, "Frame1", Off, "",                                                {2040, 720,  45,   195},  16,  Reg,  kBlue,   Auto,                0,              LabelId + 12},
    {"Label13",  Lbl, "Frame1", Off, "",                                                {2040, 1080, 45,   195},  17,  Reg,  kBlue,   Auto,                0,              LabelId + 13},
    {"Label14",  Lbl, "Frame1", Off, "",                                                {2040, 1320, 45,   195},  18,  Reg,  kBlue,   Auto,                0,              LabelId + 14},
    {"Label15",  Lbl, "Frame1", Off, "",                                                {2040, 1560, 45,   195},  19,  Reg,  kBlue,   Auto,                0,              LabelId + 15},
    {"Label16",  Lbl, "Frame1", Off, "",                                                {2040, 1920, 45,   195},  20,  Reg,  kBlue,   Auto,                0,              LabelId + 16},
    {"Label17",  Lbl, "Frame1", Off, "",                                                {2040, 2160, 45,   195},  21,  Reg,  kBlue,   Auto,                0,              LabelId + 17},
    {"Label18",  Lbl, "Frame1", Off, "",                                                {2040, 2400, 45,   195},  22,  Reg,  kBlue,   Auto,                0,              LabelId + 18},
    {"Label19",  Lbl, "Frame1", Off, "",                                                {2040, 2760, 45,   195},  23,  Reg,  kBlue,   Auto,                0,              LabelId + 19},
    {"Label20",  Lbl, "Frame1", Off, "",                                                {2040, 3000, 45,   195},  24,  Reg,  kBlue,   Auto,                0,              LabelId + 20},

    // Tab 1, "Overclock"
    {"Image1",   Pic, Tabs,    1,   "",                                                 {2760, 840,  585,  615},  None, Reg, Std,     NoFlags,             IDB_WARNING,    ImageId + 1},
    {"Label21",  Lbl, Tabs,    1,   "WARNING: OVERCLOCK MAY DANGER YOUR CARD... !!",    {1320, 1680, 3405, 435},  26,  Bold, kYellow, Centred | WordWrap,  0,              LabelId + 21},
    {"Frame2",   Frm, Tabs,    1,   "Card Speed",                                       {960,  2520, 4095, 1935}, 25,  Bold, Hi,      NoFlags,             0,              FrameId + 2},
    {"Label22",  Lbl, "Frame2", Off, "Voodoo3 Clock (MHz) :",                           {360,  480,  1650, 195},  27,  Reg,  Std,     Auto,                0,              LabelId + 22},
    {"Label23",  Lbl, "Frame2", Off, "",                                                {2160, 480,  45,   195},  28,  Reg,  kBlue,   Auto,                0,              LabelId + 23},
    {"Image4",   Pic, "Frame2", Off, "",                                                {3240, 240,  510,  645},  None, Reg, Std,     NoFlags,             IDB_MONITOR,    ImageId + 4},
    {"Slider1",  Sld, "Frame2", Off, "",                                                {120,  840,  3855, 375},  29,  Reg,  Std,     NoFlags,             0,              SliderId + 1},
    {"Check1",   Chk, "Frame2", Off, "Check clock at every startup... !!",              {720,  1320, 2655, 255},  30,  Reg,  Std,     NoFlags,             0,              CheckId + 1},

    // Tab 2, "DirectX Options"
    {"Frame3",   Frm, Tabs,    2,   "DirectX - Direct 3d Settings",                     {960,  1080, 4095, 3855}, 31,  Bold, Hi,      NoFlags,             0,              FrameId + 3},
    {"Check2",   Chk, "Frame3", Off, "Disable VSync",                                   {240,  360,  1335, 195},  32,  Reg,  Std,     NoFlags,             0,              CheckId + 2},
    {"Check3",   Chk, "Frame3", Off, "Enable Anti-Aliasing",                            {240,  720,  1695, 195},  33,  Reg,  Std,     NoFlags,             0,              CheckId + 3},
    {"Image2",   Pic, "Frame3", Off, "",                                                {3000, 360,  630,  630},  None, Reg, Std,     NoFlags,             IDB_EMBLEM,     ImageId + 2},
    {"Frame4",   Frm, "Frame3", Off, "Video Mode",                                      {120,  1200, 3735, 1095}, 34,  Bold, Hi,      NoFlags,             0,              FrameId + 4},
    {"Option1",  Opt, "Frame4", Off, "Normal Quality",                                  {1200, 240,  1335, 195},  36,  Reg,  Std,     NoFlags,             0,              OptionId + 1},
    {"Option2",  Opt, "Frame4", Off, "Automatic",                                       {1200, 480,  1095, 195},  37,  Reg,  Std,     NoFlags,             0,              OptionId + 2},
    {"Option3",  Opt, "Frame4", Off, "High Quality",                                    {1200, 720,  1215, 195},  38,  Reg,  Std,     NoFlags,             0,              OptionId + 3},
    {"Frame5",   Frm, "Frame3", Off, "Alpha Blending",                                  {120,  2520, 3735, 1095}, 35,  Bold, Hi,      NoFlags,             0,              FrameId + 5},
    {"Option4",  Opt, "Frame5", Off, "Sharper Quality",                                 {1200, 240,  1455, 195},  39,  Reg,  Std,     NoFlags,             0,              OptionId + 4},
    {"Option5",  Opt, "Frame5", Off, "Automatic",                                       {1200, 480,  1095, 195},  40,  Reg,  Std,     NoFlags,             0,              OptionId + 5},
    {"Option6",  Opt, "Frame5", Off, "Smoother Quality",                                {1200, 720,  1575, 255},  41,  Reg,  Std,     NoFlags,             0,              OptionId + 6},

    // Tab 3, "Glide Options"
    {"Frame6",   Frm, Tabs,    3,   "Glide - OpenGL Settings",                          {960,  600,  4095, 4695}, 42,  Bold, Hi,      NoFlags,             0,              FrameId + 6},
    {"Check4",   Chk, "Frame6", Off, "Disable VSync",                                   {240,  360,  1335, 195},  43,  Reg,  Std,     NoFlags,             0,              CheckId + 4},
    {"Check5",   Chk, "Frame6", Off, "Disable 3dfx logo",                               {240,  720,  1575, 195},  44,  Reg,  Std,     NoFlags,             0,              CheckId + 5},
    {"Check6",   Chk, "Frame6", Off, "Enable Mipmap Dithering",                         {240,  1080, 2175, 195},  45,  Reg,  Std,     NoFlags,             0,              CheckId + 6},
    {"Check7",   Chk, "Frame6", Off, "Enable Triple Buffering",                         {240,  1440, 2055, 195},  46,  Reg,  Std,     NoFlags,             0,              CheckId + 7},
    {"Check8",   Chk, "Frame6", Off, "Limit Texture to 2 MegaByte",                     {240,  1800, 2295, 195},  47,  Reg,  Std,     NoFlags,             0,              CheckId + 8},
    {"Image3",   Pic, "Frame6", Off, "",                                                {2880, 1440, 765,  645},  None, Reg, Std,     NoFlags,             IDB_WORDMARK,   ImageId + 3},
    {"Frame7",   Frm, "Frame6", Off, "Video Mode",                                      {120,  2160, 3855, 1095}, 48,  Bold, Hi,      NoFlags,             0,              FrameId + 7},
    {"Option7",  Opt, "Frame7", Off, "Normal Quality",                                  {1200, 240,  1335, 195},  49,  Reg,  Std,     NoFlags,             0,              OptionId + 7},
    {"Option8",  Opt, "Frame7", Off, "Automatic",                                       {1200, 480,  1095, 195},  50,  Reg,  Std,     NoFlags,             0,              OptionId + 8},
    {"Option9",  Opt, "Frame7", Off, "High Quality",                                    {1200, 720,  1215, 195},  51,  Reg,  Std,     NoFlags,             0,              OptionId + 9},
    {"Frame8",   Frm, "Frame6", Off, "Alpha Blending",                                  {120,  3360, 3855, 1095}, 52,  Bold, Hi,      NoFlags,             0,              FrameId + 8},
    {"Option10", Opt, "Frame8", Off, "Sharper Quality",                                 {1200, 240,  1455, 195},  53,  Reg,  Std,     NoFlags,             0,              OptionId + 10},
    {"Option11", Opt, "Frame8", Off, "Automatic",                                       {1200, 480,  1095, 195},  54,  Reg,  Std,     NoFlags,             0,              OptionId + 11},
    {"Option12", Opt, "Frame8", Off, "Smoother Quality",                                {1200, 720,  1575, 195},  55,  Reg,  Std,     NoFlags,             0,              OptionId + 12},

    // Tab 4, "Windows Options"
    {"Frame9",   Frm, Tabs,    4,   "Windows - Desktop Settings",                       {960,  1800, 4095, 2055}, 56,  Bold, Hi,      NoFlags,             0,              FrameId + 9},
    {"Check9",   Chk, "Frame9", Off, "Enable Hardware Gdi",                             {240,  480,  1815, 195},  57,  Reg,  Std,     NoFlags,             0,              CheckId + 9},
    {"Image5",   Pic, "Frame9", Off, "",                                                {3120, 240,  570,  540},  None, Reg, Std,     NoFlags,             IDB_FOUR_PANES, ImageId + 5},
    {"Frame10",  Frm, "Frame9", Off, "Refresh Rate",                                    {120,  960,  3855, 855},  58,  Bold, Hi,      NoFlags,             0,              FrameId + 10},
    {"Option13", Opt, "Frame10", Off, "Default",                                        {1440, 240,  855,  195},  59,  Reg,  Std,     NoFlags,             0,              OptionId + 13},
    {"Option14", Opt, "Frame10", Off, "Optimal",                                        {1440, 480,  855,  195},  60,  Reg,  Std,     NoFlags,             0,              OptionId + 14},
};
// clang-format on

// Half away from zero, in integers so that no DPI gives a float surprise.
int roundedDivide(int num, int den) { return num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den); }

}  // namespace

const Control* Controls::find(const char* name) const
{
    for (const Control& c : *this)
        if (sameText(name, c.name)) return &c;
    return nullptr;
}

Controls controls() { return {kControls, sizeof kControls / sizeof kControls[0]}; }

const Control* find(const char* name) { return controls().find(name); }

const Control& get(const char* name) { return *find(name); }

int tabOf(const Control& c)
{
    const Control* at = &c;
    while (!sameText(at->container, kWindowName)) {
        if (sameText(at->container, kTabControlName)) return at->tab;
        at = &get(at->container);
    }
    return kNotOnTab;
}

Twips absolute(const Control& c)
{
    Twips r = c.rect;
    for (const Control* at = &c; !sameText(at->container, kWindowName);) {
        at = &get(at->container);
        r.left += at->rect.left;
        r.top += at->rect.top;
    }
    return r;
}

void sortByTabIndex(Vec<const Control*>& rows)
{
    for (std::size_t i = 1; i < rows.size(); ++i)
        for (std::size_t j = i; j > 0 && rows[j]->tabIndex < rows[j - 1]->tabIndex; --j) {
            const Control* moved = rows[j];
            rows[j] = rows[j - 1];
            rows[j - 1] = moved;
        }
}

Vec<const Control*> onTab(int tab)
{
    Vec<const Control*> ordered, pictures;
    if (tab < 0 || tab >= kTabCount) return ordered;
    for (const Control& c : controls())
        if (tabOf(c) == tab) (c.tabIndex == kNoTabIndex ? pictures : ordered).push_back(&c);
    sortByTabIndex(ordered);
    for (const Control* p : pictures) ordered.push_back(p);
    return ordered;
}

Vec<const Control*> tabOrder()
{
    Vec<const Control*> ordered;
    for (const Control& c : controls())
        if (c.tabIndex != kNoTabIndex) ordered.push_back(&c);
    sortByTabIndex(ordered);
    return ordered;
}

int toPixels(int twips, int dpi) { return roundedDivide(twips * dpi, 1440); }

Pixels toPixels(const Twips& t, int dpi)
{
    const int left = toPixels(t.left, dpi), top = toPixels(t.top, dpi);
    return {left, top, toPixels(t.right(), dpi) - left, toPixels(t.bottom(), dpi) - top};
}

Pixels absolutePixels(const Control& c, int dpi) { return toPixels(absolute(c), dpi); }

int fontPixelHeight(int dpi) { return roundedDivide(kFontHundredthsOfPoint * dpi, 7200); }

}  // namespace velmora::layout
