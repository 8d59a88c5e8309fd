#include "about/about_layout.h"

#include "resources/resource.h"

namespace velmora::about::layout {
namespace {

using velmora::layout::Kind;
constexpr Kind Lbl = Kind::Label, Pic = Kind::Picture, Cmd = Kind::CommandButton;
constexpr auto Reg = velmora::layout::Font::Default, Bold = velmora::layout::Font::Bold;
constexpr int None = velmora::layout::kNoTabIndex, Off = velmora::layout::kNotOnTab;
constexpr OleColor Std = velmora::layout::kButtonText, Blue = velmora::layout::kBlue, Black = 0x00000000;
constexpr unsigned Auto = velmora::layout::AutoSize, Centred = velmora::layout::Centred,
                   Wrap = velmora::layout::WordWrap, NoFlags = velmora::layout::NoFlags;
const char* const Dlg = kDialogName;
constexpr int LabelId = 2010;

// clang-format off
const Control kControls[] = {
//   name             kind container tab  caption                                                                Left  Top   Width Height  TabIdx font colour flags           picture         id
    {"Image1",        Pic, Dlg,      Off, "",                                                                    {240,  360,  1170, 705},  None, Reg,  Std,   NoFlags,        IDB_ABOUT_FLAG, 0},
    {"Label1",        Lbl, Dlg,      Off, "Velmora",                                                             {1680, 240,  1860, 195},  3,    Bold, Black, Auto,           0,              LabelId + 1},
    {"Label2",        Lbl, Dlg,      Off, "Version : 1.4",                                                       {1680, 480,  1095, 195},  4,    Bold, Std,   Auto,           0,              LabelId + 2},
    {"Label3",        Lbl, Dlg,      Off, "Language : English",                                                  {1680, 720,  1650, 195},  9,    Bold, Std,   Auto,           0,              LabelId + 3},
    {"Label4",        Lbl, Dlg,      Off, "Author : Mara Quellen",                                               {1680, 960,  2400, 195},  5,    Bold, Std,   Auto,           0,              LabelId + 4},
    {"Label5",        Lbl, Dlg,      Off, "Velmora the best for overclock and optimize your 3dfx card... !! ",  {225,  1440, 5325, 195},  6,    Reg,  Std,   Centred | Auto, 0,              LabelId + 5},
    {"Label6",        Lbl, Dlg,      Off, "Web Site :",                                                          {240,  1800, 750,  195},  7,    Reg,  Std,   Wrap,           0,              LabelId + 6},
    {"Label7",        Lbl, Dlg,      Off, "www.velmora.example.org",                                             {1080, 1800, 1890, 195},  10,   Reg,  Blue,  Auto,           0,              LabelId + 7},
    {"Label8",        Lbl, Dlg,      Off, "Contact :",                                                           {240,  2040, 645,  195},  8,    Reg,  Std,   Auto,           0,              LabelId + 8},
    {"Label9",        Lbl, Dlg,      Off, "velmora@example.org",                                                 {960,  2040, 1095, 195},  11,   Reg,  Blue,  Auto,           0,              LabelId + 9},
    {"cmdOK",         Cmd, Dlg,      Off, "OK",                                                                  {4245, 2625, 1260, 345},  0,    Reg,  Std,   NoFlags,        0,              kOkId},
    {"cmdSysInfo",    Cmd, Dlg,      Off, "&System Info...",                                                     {4260, 3075, 1245, 345},  1,    Reg,  Std,   NoFlags,        0,              kSysInfoId},
    {"lblDisclaimer", Lbl, Dlg,      Off, "Warning : you take all the responsability by using this program !!", {600,  2760, 3135, 465},  2,    Reg,  Black, Centred | Wrap, 0,              LabelId + 10},
};

const Line kLines[] = {
//   name        from (x, y)  to (x, y)    colour      width in pixels
    {"Line1(1)", 90,  2445,   5654, 2445,  0x00808080, 1},  // grey, drawn inside-solid
    {"Line1(0)", 105, 2460,   5654, 2460,  0x00FFFFFF, 2},  // white
};
// clang-format on

}  // namespace

velmora::layout::Controls controls() { return {kControls, sizeof kControls / sizeof kControls[0]}; }

const Control& get(const char* name) { return *controls().find(name); }

Lines lines() { return {kLines, sizeof kLines / sizeof kLines[0]}; }

namespace {

// The area two rectangles share; where they share none, minus the gap between them.
long long overlap(const velmora::layout::Pixels& a, const velmora::layout::Pixels& b)
{
    auto along = [](int from1, int size1, int from2, int size2) -> long long {
        const int end1 = from1 + size1, end2 = from2 + size2;
        return (end1 < end2 ? end1 : end2) - (from1 > from2 ? from1 : from2);
    };
    const long long w = along(a.left, a.width, b.left, b.width), h = along(a.top, a.height, b.top, b.height);
    return w > 0 && h > 0 ? w * h : (w < 0 ? w : 0) + (h < 0 ? h : 0);
}

}  // namespace

velmora::layout::Pixels placeOver(const velmora::layout::Pixels& owner, int width, int height, Screens screens)
{
    const Screen* best = screens.first;
    for (const Screen* s = screens.first + 1; s < screens.first + screens.count; ++s)
        if (overlap(owner, s->area) > overlap(owner, best->area)) best = s;
    const velmora::layout::Pixels& w = best->work;
    auto inside = [](int at, int size, int from, int extent) {
        if (at + size > from + extent) at = from + extent - size;
        return at < from ? from : at;
    };
    return {inside(owner.left + (owner.width - width) / 2, width, w.left, w.width),
            inside(owner.top + (owner.height - height) / 2, height, w.top, w.height), width, height};
}

}  // namespace velmora::about::layout
