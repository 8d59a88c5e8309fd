#include "settings/help.h"

#include "app/layout.h"
#include "app/setting_keys.h"

namespace velmora {
namespace {

// When Glide takes up a value: its options once per program, at the
// program's first start of Glide; the video filter at every opening of the card.
constexpr char kAtGlideStart[] = "Takes effect the next time a Glide program starts.";
constexpr char kAtCardOpen[] = "Glide reads it each time a program opens the card.";
constexpr char kOnNT[] =
    "On Windows NT, 2000 and XP Glide reads a key of its own instead: this value does not reach it there.";

// clang-format off
const ControlHelp kHelp[] = {
    {"Frame1",   "What the display driver records about the card. Velmora only reads these values.",
                 "Read once at start from HKEY_LOCAL_MACHINE\\", nullptr, ControlHelp::DriverKey},
    {"Label23",  "The core clock Apply stores, in MHz. \"Default\": none is stored, and the card runs at its own clock.",
                 "Apply leaves an unset clock alone until you move the slider.", nullptr},
    {"Slider1",  "Chooses the core clock, 143 to 250 MHz. Apply stores it as Grxclock in the driver's DEFAULT key.", nullptr, nullptr},
    {"Check1",   "Apply stores CheckClk in the driver's DEFAULT key: 1 when checked, 0 when cleared.", nullptr, nullptr},
    {"Check2",   "Checked, Apply stores SSTH3_SWAPINTERVAL=0 in the driver's D3D key; cleared, it removes it.", nullptr, nullptr},
    {"Check3",   "Apply stores SSTH3_ANTIALIAS in the driver's D3D key: 1 when checked, 0 otherwise.", nullptr, nullptr},
    {"Frame4",   "Apply stores SSTH3_OVERLAYMODE in the driver's D3D key: Normal 2, Automatic 1, High 3.", nullptr, nullptr},
    {"Option1",  "Apply stores SSTH3_OVERLAYMODE=2 in the driver's D3D key.", nullptr, nullptr},
    {"Option2",  "Apply stores SSTH3_OVERLAYMODE=1 in the driver's D3D key.", nullptr, nullptr},
    {"Option3",  "Apply stores SSTH3_OVERLAYMODE=3 in the driver's D3D key.", nullptr, nullptr},
    {"Frame5",   "Apply stores SSTH3_ALPHADITHERMODE in the driver's D3D key: Sharper 2, Automatic 1, Smoother 3.", nullptr, nullptr},
    {"Option4",  "Apply stores SSTH3_ALPHADITHERMODE=2 in the driver's D3D key.", nullptr, nullptr},
    {"Option5",  "Apply stores SSTH3_ALPHADITHERMODE=1 in the driver's D3D key.", nullptr, nullptr},
    {"Option6",  "Apply stores SSTH3_ALPHADITHERMODE=3 in the driver's D3D key.", nullptr, nullptr},
    {"Check4",   "Glide never waits for the vertical retrace before showing a frame. Cleared, the game decides.", kAtGlideStart, kGlideSwapInterval},
    {"Check5",   "Glide leaves out the logo it shows when a program opens the card. Any value counts, even 0.", kAtGlideStart, kGlideNoSplash},
    {"Check6",   "Glide dithers between the mipmap levels of every texture. Any value counts, even 0.", kAtGlideStart, kGlideLodDither},
    {"Check7",   "Glide draws with three colour buffers (triple buffering), whatever number the game asks for.", kAtGlideStart, kGlideAllocColor},
    {"Check8",   "Glide takes each texture unit to have 2 MB of texture memory, whatever the card has.", kAtGlideStart, kGlideTmuMemSize},
    {"Frame7",   "The filter of the card's video output: 4x4, 2x2, or chosen by the width of the screen.", kAtCardOpen, kOverlayModeName},
    {"Option7",  "Stores 2: the 4x4 filter at every width.", kAtCardOpen, kOverlayModeName},
    {"Option8",  "Stores 1: the 2x2 filter below 1024 pixels wide, the 4x4 filter from 1024 on.", kAtCardOpen, kOverlayModeName},
    {"Option9",  "Stores 3: the 2x2 filter, except in the doubled (2x) video modes.", kAtCardOpen, kOverlayModeName},
    {"Frame8",   "Whether Glide subtracts its dither when blending: only Smoother Quality turns that on.", kAtGlideStart, kAlphaDitherModeName},
    {"Option10", "Stores 2: no dither subtraction.", kAtGlideStart, kAlphaDitherModeName},
    {"Option11", "Stores 1: no dither subtraction, as for any value but 3.", kAtGlideStart, kAlphaDitherModeName},
    {"Option12", "Stores 3: Glide subtracts its dither when blending.", kAtGlideStart, kAlphaDitherModeName},
    {"Check9",   "Apply stores Advanced in HKEY_CURRENT_CONFIG\\Display\\Settings: 1 when checked, 0 when cleared.", nullptr, nullptr},
    {"Frame10",  "Apply stores RefreshRate in HKEY_CURRENT_CONFIG\\Display\\Settings: Default 0, Optimal -1.", nullptr, nullptr},
    {"Option13", "Apply stores RefreshRate=0 in HKEY_CURRENT_CONFIG\\Display\\Settings.", nullptr, nullptr},
    {"Option14", "Apply stores RefreshRate=-1 in HKEY_CURRENT_CONFIG\\Display\\Settings.", nullptr, nullptr},
    {"Command1", "Stores the settings of every tab now. Until you press it, Velmora writes nothing.", nullptr, nullptr},
    {"Command2", "Ends Velmora without storing anything.", nullptr, nullptr},
    {"Command3", "Shows Velmora's version. From there you can start System Information.", nullptr, nullptr},
};
// clang-format on

const char* kindName(std::uint32_t kind)
{
    switch (kind) {
    case regtype::ExpandSz: return "an expandable string";
    case regtype::Binary: return "binary data";
    case regtype::Dword: return "a DWORD";
    case regtype::DwordBigEndian: return "a big-endian DWORD";
    case regtype::MultiSz: return "a multi-string";
    case regtype::Qword: return "a QWORD";
    default: return "data of no text kind";
    }
}

// One line must fit a 640-pixel screen: at most 100 characters with the
// longest name and a value cut to 40.
Text overrideNote(const GlideOverride& o, const char* name, bool oneLine)
{
    const Text setting = Text(name) + "=" + o.value;
    switch (o.source) {
    case GlideOverride::Environment:
        return oneLine ? "Set by the environment instead: " + setting
                       : "The environment (AUTOEXEC.BAT) sets " + setting + ": Glide uses that instead of this setting.";
    case GlideOverride::CurrentUser:
        return oneLine ? "Set in HKEY_CURRENT_USER instead: " + setting
                       : "HKEY_CURRENT_USER holds " + setting + " at the same Glide key: Glide uses that instead of this setting.";
    case GlideOverride::IgnoredKind:
        return oneLine ? Text("Glide ignores ") + name + ", stored as " + kindName(o.kind) + ": it counts as absent."
                       : Text("Velmora's key holds ") + name + " as " + kindName(o.kind) +
                             ", which Glide ignores: Glide treats it as absent until Apply stores it as text.";
    case GlideOverride::None: break;
    }
    return {};
}

}  // namespace

const ControlHelp* HelpRows::find(const char* control) const
{
    for (const ControlHelp& row : *this)
        if (sameText(row.control, control)) return &row;
    return nullptr;
}

HelpRows helpRows() { return {kHelp, sizeof kHelp / sizeof kHelp[0]}; }

HelpBook::HelpBook(WindowsFamily family, Text driverKey)
    : family_(family), driverKey_(static_cast<Text&&>(driverKey))
{
}

void HelpBook::findOverrides(RegistryStore& store, Environment& environment)
{
    overrides_.clear();
    for (const ControlHelp& row : helpRows()) {
        if (!row.glideValue || overrideOf(row)) continue;  // each value once, for all its controls
        overrides_.push_back({row.glideValue, findGlideOverride(store, environment, driverKey_, row.glideValue, family_)});
    }
}

const GlideOverride* HelpBook::overrideOf(const ControlHelp& row) const
{
    for (const Found& f : overrides_)
        if (row.glideValue && sameText(f.glideValue, row.glideValue)) return &f.override_;
    return nullptr;
}

bool HelpBook::marked(const char* control) const
{
    const ControlHelp* row = helpRows().find(control);
    const layout::Control* c = layout::find(control);
    const GlideOverride* o = row ? overrideOf(*row) : nullptr;
    return o && o->source != GlideOverride::None && c &&
           (c->kind == layout::Kind::CheckBox || c->kind == layout::Kind::Frame);
}

Text HelpBook::help(const char* control, bool oneLine) const
{
    const ControlHelp* row = helpRows().find(control);
    if (!row) return {};
    const GlideOverride* o = overrideOf(*row);
    const Text note = o ? overrideNote(*o, row->glideValue, oneLine) : Text();
    // Glide on the NT family never sees the value: no promise of an effect.
    const bool unread = row->glideValue && family_ == WindowsFamily::NT;
    const char* when = unread ? kOnNT : row->when;
    if (oneLine) return !note.empty() ? note : Text(unread ? kOnNT : row->what);
    Text text = row->what;
    if (when) (text += "\r\n") += when;
    if (row->extra == ControlHelp::DriverKey) (text += driverKey_) += '.';
    if (!note.empty()) (text += "\r\n") += note;
    return text;
}

Text HelpBook::glideNote(const char* control) const
{
    const ControlHelp* row = helpRows().find(control);
    if (!row || !row->glideValue) return {};
    const GlideOverride* o = overrideOf(*row);
    const Text note = o ? overrideNote(*o, row->glideValue, false) : Text();
    return note.empty() && family_ == WindowsFamily::NT ? Text(kOnNT) : note;
}

}  // namespace velmora
