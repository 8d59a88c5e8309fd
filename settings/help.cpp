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

// Glide's sources, under glide3x/h3/ unless they say glide2x/:
// glide3/src/gpci.c _GlideInitEnvironment reads the Glide values once per
// program; minihwc/minihwc.c hwcInitVideo reads SSTH3_OVERLAYMODE at every
// opening of the card. Glide 2 (glide2x/h3/glide/src/gpci.c) reads the five
// FX_GLIDE_ values the same way but neither SSTH3_ value.
// clang-format off
const ControlHelp kHelp[] = {
    {"Frame1",   "What the display driver records about the card. Velmora only reads these values.",
                 "Read once at start from HKEY_LOCAL_MACHINE\\", nullptr, ControlHelp::DriverKey},
    {"Label23",  "The core clock Apply stores as Grxclock, in MHz. \"Default\": no clock Velmora can read is stored.",
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
    // gglide.c grBufferSwap: a number of 0 or more replaces the game's swap interval.
    {"Check4",   "Checked, Apply stores 0: Glide never waits for the vertical retrace. Cleared, the game decides.",
                 kAtGlideStart, kGlideSwapInterval},
    // gsst.c doSplash, called from grSstWinOpen; FX_GLIDE_SHAMELESS_PLUG is read apart.
    {"Check5",   "Glide skips its splash screen at a program's first opening of the card. Any value counts, even 0.",
                 kAtGlideStart, kGlideNoSplash, ControlHelp::Nothing,
                 "Only where the splash is installed; the logo FX_GLIDE_SHAMELESS_PLUG turns on stays."},
    // gtex.c grTexMipMapMode.
    {"Check6",   "Glide dithers between mipmap levels, except where the game blends them. Any value counts, even 0.",
                 kAtGlideStart, kGlideLodDither},
    // gsst.c grSstWinOpen: 1 to 3 replace the game's count; buffers that do not fit fail the opening.
    {"Check7",   "Checked, Apply stores 3: Glide uses three colour buffers. Cleared, the game decides.",
                 kAtGlideStart, kGlideAllocColor, ControlHelp::Nothing,
                 "A game may then fail to open the card where three buffers do not fit its memory."},
    // gsst.c grSstWinOpen: megabytes per texture unit, unless the colour buffers start below 2 MB.
    {"Check8",   "Checked, Apply stores 2: Glide gives each texture unit 2 MB. Cleared, the card decides.",
                 kAtGlideStart, kGlideTmuMemSize, ControlHelp::Nothing,
                 "Glide ignores it where the colour buffers start below 2 MB of the card's memory."},
    // minihwc/minihwc.c hwcInitVideo: the width is that of the resolution the game opens.
    {"Frame7",   "The video output filter for Glide 3 programs: 4x4, 2x2, or by the width of the resolution opened.",
                 kAtCardOpen, kOverlayModeName, ControlHelp::Nothing, "Glide 2 programs do not read it."},
    {"Option7",  "Stores 2: the 4x4 filter at every width. Glide 3 programs only.", kAtCardOpen, kOverlayModeName},
    {"Option8",  "Stores 1: 2x2 filter where the game opens a resolution under 1024 pixels wide, else 4x4.",
                 kAtCardOpen, kOverlayModeName, ControlHelp::Nothing, "Glide 3 programs only."},
    {"Option9",  "Stores 3: the 2x2 filter, except in the doubled (2x) video modes. Glide 3 programs only.", kAtCardOpen, kOverlayModeName},
    // gpci.c _GlideInitEnvironment; gglide.c grDitherMode applies it only where the game dithers.
    {"Frame8",   "Whether Glide 3 programs subtract the dither when blending: only Smoother Quality turns that on.",
                 kAtGlideStart, kAlphaDitherModeName, ControlHelp::Nothing,
                 "Only where the game turns dithering on. Glide 2 programs do not read it."},
    {"Option10", "Stores 2: no dither subtraction. Glide 3 programs only.", kAtGlideStart, kAlphaDitherModeName},
    {"Option11", "Stores 1: no dither subtraction, as for any value but 3. Glide 3 programs only.", kAtGlideStart, kAlphaDitherModeName},
    {"Option12", "Stores 3: Glide 3 programs subtract the dither when blending, where the game dithers.", kAtGlideStart, kAlphaDitherModeName},
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
    case regtype::Sz: return "text";
    case regtype::ExpandSz: return "an expandable string";
    case regtype::Binary: return "binary data";
    case regtype::Dword: return "a DWORD";
    case regtype::DwordBigEndian: return "a big-endian DWORD";
    case regtype::MultiSz: return "a multi-string";
    case regtype::Qword: return "a QWORD";
    default: return "data of no text kind";
    }
}

Text plural(long n, const char* one, const char* many)
{
    return fill("% %", {Text::number(static_cast<std::int32_t>(n)), n == 1 ? one : many});
}

// What Glide does with a number other than the one the checked box stands
// for: gglide.c grBufferSwap (0 or more replaces the game's interval), gsst.c
// grSstWinOpen (1 to 3 colour buffers; -1 leaves the texture memory alone).
Text numberEffect(const char* name, const GlideNumber& n)
{
    if (!n.differs()) return {};
    if (n.tooLarge) return "Glide reads a number too large for it: what it then does is not defined.";
    const long v = n.value;
    const char* const ignored = "Glide ignores it: the game decides.";
    if (sameText(name, kGlideSwapInterval))
        return v < 0 ? ignored : fill("Glide waits for % at every swap.", {plural(v, "vertical retrace", "vertical retraces")});
    if (sameText(name, kGlideAllocColor))
        return v < 1 || v > 3 ? ignored : fill("Glide uses %, whatever the game asks.", {plural(v, "colour buffer", "colour buffers")});
    if (v == -1) return "Glide ignores it: the card decides.";
    return v == 0 ? Text("Glide leaves the texture units no memory.")
                  : fill("Glide gives each texture unit % MB.", {Text::number(static_cast<std::int32_t>(v))});
}

// The note on a control that something else decides; `shown` is the value
// as the note shows it. One line names the source and the value, and for
// Velmora's own number what Glide does with it.
Text overrideNote(const GlideOverride& o, const char* name, const Text& shown, bool oneLine)
{
    const Text effect = numberEffect(name, o.number);
    const char* const then = effect.empty() ? "" : " ";
    const char* const kind = kindName(o.kind);
    switch (o.source) {
    case GlideOverride::Environment:
        return oneLine ? fill("Set by the environment instead: %=%", {name, shown})
                       : fill("The environment (AUTOEXEC.BAT) sets %=%: Glide uses that instead of this setting.%%",
                              {name, shown, then, effect});
    case GlideOverride::CurrentUser:
        return oneLine ? fill("Set in HKEY_CURRENT_USER instead: %=%", {name, shown})
                       : fill("HKEY_CURRENT_USER holds %=% at the same Glide key: Glide uses that instead of this setting.%%",
                              {name, shown, then, effect});
    case GlideOverride::IgnoredKind:
        return fill(oneLine ? "Glide ignores %, stored as %: it counts as absent."
                            : "Velmora's key holds % as %, which Glide ignores: Glide treats it as absent until Apply stores it as text.",
                    {name, kind});
    case GlideOverride::TooLong:
        return fill(oneLine ? "Glide cannot read %, longer than its buffer: it counts as absent."
                            : "Velmora's key holds % as text longer than Glide's 255-byte buffer: Glide treats it as absent.",
                    {name});
    case GlideOverride::Hidden:
        return oneLine ? fill("Hidden by % in HKEY_CURRENT_USER: % counts as absent.", {kind, name})
                       : fill("HKEY_CURRENT_USER holds % as % of %, which leaves Glide too little room to read Velmora's text: "
                              "Glide treats it as absent.",
                              {name, kind, plural(static_cast<long>(o.size), "byte", "bytes")});
    case GlideOverride::OwnNumber:
        // The full sentence on a number too large leaves no room on one line.
        if (oneLine && o.number.tooLarge) return fill("Stored %=%: a number too large for Glide.", {name, shown});
        return oneLine ? fill("Stored %=%: %", {name, shown, effect})
                       : fill("Velmora's key holds %=%. % While the box is checked, Apply stores %.",
                              {name, shown, effect, Text::number(o.number.checked)});
    case GlideOverride::None: break;
    }
    return {};
}

// 100 characters of the tip's font fit a 640-pixel screen.
struct CharacterFit : LineFit {
    bool fits(const Text& line) const override { return line.size() <= 100; }
};

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
    const CharacterFit fit;
    return compose(control, oneLine ? &fit : nullptr);
}

Text HelpBook::help(const char* control, const LineFit& fit) const { return compose(control, &fit); }

Text HelpBook::compose(const char* control, const LineFit* oneLine) const
{
    const ControlHelp* row = helpRows().find(control);
    if (!row) return {};
    const GlideOverride* o = overrideOf(*row);
    // Glide on the NT family never sees the value: no promise of an effect.
    const bool unread = row->glideValue && family_ == WindowsFamily::NT;
    const bool noted = o && o->source != GlideOverride::None;
    if (oneLine) {
        if (!noted) return unread ? kOnNT : row->what;
        // The value gives way until the line fits the screen, however short
        // it is: wide letters can overflow where few narrow ones would not.
        Text line;
        for (std::size_t most = kShownValueLength; most >= 4; --most) {
            line = overrideNote(*o, row->glideValue, shownValue(o->text, most), true);
            if (oneLine->fits(line)) break;
        }
        return line;
    }
    const char* when = unread ? kOnNT : row->when;
    Text text = row->what;
    if (row->more) (text += ' ') += row->more;
    if (when) (text += "\r\n") += when;
    if (row->extra == ControlHelp::DriverKey) (text += driverKey_) += '.';
    if (noted) (text += "\r\n") += overrideNote(*o, row->glideValue, shownValue(o->text), false);
    return text;
}

Text HelpBook::glideNote(const char* control) const
{
    const ControlHelp* row = helpRows().find(control);
    if (!row || !row->glideValue) return {};
    const GlideOverride* o = overrideOf(*row);
    if (o && o->source != GlideOverride::None) return overrideNote(*o, row->glideValue, shownValue(o->text), false);
    return family_ == WindowsFamily::NT ? Text(kOnNT) : Text();
}

}  // namespace velmora
