#include "settings/report.h"

#include "app/layout.h"
#include "app/setting_keys.h"
#include "driver/glide_overrides.h"

namespace velmora {
namespace {

// The lines as they are added: anything but printable ASCII shows as '?',
// and words wrap at the report's width, a wrapped line indented two more.
class Lines {
public:
    void add(std::size_t indent, std::initializer_list<Piece> pieces);
    void blank() { text_ += "\r\n"; }
    Text take() { return static_cast<Text&&>(text_); }

private:
    Text text_;
};

void Lines::add(std::size_t indent, std::initializer_list<Piece> pieces)
{
    Text clean;
    for (const Piece& p : pieces)
        for (std::size_t i = 0; i < p.size; ++i) {
            const auto c = static_cast<unsigned char>(p.data[i]);
            clean += c < 0x20 || c > 0x7E ? '?' : p.data[i];
        }
    std::size_t at = 0, pad = indent;
    do {
        std::size_t end = clean.size() - at <= kReportWidth - pad ? clean.size() : at + kReportWidth - pad;
        if (end < clean.size()) {  // at the last blank that fits, where there is one
            std::size_t blank = end;
            while (blank > at && clean[blank] != ' ') --blank;
            if (blank > at) end = blank;
        }
        for (std::size_t i = 0; i < pad; ++i) text_ += ' ';
        (text_.append(clean.c_str() + at, end - at)) += "\r\n";
        for (at = end; at < clean.size() && clean[at] == ' ';) ++at;
        pad = indent + 2;
    } while (at < clean.size());
}

// Apply as it would run now, its writes and removals kept instead of made:
// what the window shows differently from what is stored.
class DryRun : public RegistryStore {
public:
    struct Change {
        std::int32_t hive;
        Text key, name;
        bool removes;
        StoredValue value;
    };
    Vec<Change> changes;

    explicit DryRun(RegistryStore& store) : store_(store) {}
    Status read(std::int32_t hive, const Text& key, const Text& name, StoredValue& out) override
    {
        return store_.read(hive, key, name, out);
    }
    Status write(std::int32_t hive, const Text& key, const Text& name, const StoredValue& v) override
    {
        changes.push_back({hive, key, name, false, v});
        return {};
    }
    Status remove(std::int32_t hive, const Text& key, const Text& name) override
    {
        changes.push_back({hive, key, name, true, {}});
        return {};
    }
    Status subkeys(std::int32_t hive, const Text& key, Vec<Text>& names) override
    {
        return store_.subkeys(hive, key, names);
    }
    bool hasKey(std::int32_t hive, const Text& key) override { return store_.hasKey(hive, key); }

private:
    RegistryStore& store_;
};

Text box(const CheckBox& b)
{
    return b.value() == CheckBox::Checked ? "checked" : b.value() == CheckBox::Grayed ? "grayed" : "cleared";
}

// The caption of the frame's selected option.
Text choice(const Form1Controls& u, const char* frame)
{
    const OptionButton* options[] = {&u.Option1, &u.Option2,  &u.Option3,  &u.Option4,  &u.Option5,
                                     &u.Option6, &u.Option7,  &u.Option8,  &u.Option9,  &u.Option10,
                                     &u.Option11, &u.Option12, &u.Option13, &u.Option14};
    for (std::size_t i = 0; i < sizeof options / sizeof options[0]; ++i) {
        const layout::Control& c = layout::get(("Option" + Text::number(static_cast<std::int32_t>(i + 1))).c_str());
        if (sameText(c.container, frame) && options[i]->value()) return c.caption;
    }
    return "none selected";
}

// What a setting's control shows: a box's state, a frame's selected option, the clock's number.
Text shown(const Form1Controls& u, const char* control)
{
    if (layout::get(control).kind == layout::Kind::Frame) return choice(u, control);
    const CheckBox* boxes[] = {&u.Check1, &u.Check2, &u.Check3, &u.Check4, &u.Check5,
                               &u.Check6, &u.Check7, &u.Check8, &u.Check9};
    for (std::size_t i = 0; i < sizeof boxes / sizeof boxes[0]; ++i)
        if (sameText(control, ("Check" + Text::number(static_cast<std::int32_t>(i + 1))).c_str())) return box(*boxes[i]);
    return u.Label23.caption();
}

// Every setting of the four settings tabs, in the window's order.
struct Row {
    const char* control;  // the control that shows it
    const SettingKey& key;
    const char* name;
    const char* named = nullptr;  // the control whose caption names it, when not its own
};

// clang-format off
const Row kRows[] = {
    {"Label23", kClockKey,        kGrxclock, "Label22"},
    {"Check1",  kClockKey,        kCheckClk},
    {"Check2",  kDirect3DKey,     kD3DSwapInterval},
    {"Check3",  kDirect3DKey,     kAntiAlias},
    {"Frame4",  kDirect3DKey,     kOverlayModeName},
    {"Frame5",  kDirect3DKey,     kAlphaDitherModeName},
    {"Check4",  kGlideOptionsKey, kGlideSwapInterval},
    {"Check5",  kGlideOptionsKey, kGlideNoSplash},
    {"Check6",  kGlideOptionsKey, kGlideLodDither},
    {"Check7",  kGlideOptionsKey, kGlideAllocColor},
    {"Check8",  kGlideOptionsKey, kGlideTmuMemSize},
    {"Frame7",  kGlideOptionsKey, kOverlayModeName},
    {"Frame8",  kGlideOptionsKey, kAlphaDitherModeName},
    {"Check9",  kDesktopKey,      kAdvanced},
    {"Frame10", kDesktopKey,      kRefreshRate},
};
// clang-format on

// A caption without the colon that labels carry.
Text named(const char* caption)
{
    Text t = caption;
    while (!t.empty() && (t.back() == ':' || t.back() == ' ')) t.resize(t.size() - 1);
    return t;
}

Text where(const SettingKey& k)
{
    return k.path ? Text(k.rootKey == hive::CurrentConfig ? "HKCC\\" : "HKLM\\") + k.path : Text(k.subkey);
}

// A stored value as the registry names its kind; text cut as the tips cut it.
Text described(const StoredValue& v)
{
    static const struct {
        std::uint32_t type;
        const char* name;
    } kKinds[] = {{regtype::None, "REG_NONE"},     {regtype::Sz, "REG_SZ"},
                  {regtype::ExpandSz, "REG_EXPAND_SZ"}, {regtype::Binary, "REG_BINARY"},
                  {regtype::Dword, "REG_DWORD"},   {regtype::DwordBigEndian, "REG_DWORD_BIG_ENDIAN"},
                  {regtype::MultiSz, "REG_MULTI_SZ"}, {regtype::Qword, "REG_QWORD"}};
    Text kind = fill("type %", {Text::number(static_cast<std::int32_t>(v.type))});
    for (const auto& k : kKinds)
        if (k.type == v.type) kind = k.name;
    const std::size_t n = v.data.size();
    if (v.type == regtype::Sz || v.type == regtype::ExpandSz)
        return fill("% \"%\"", {kind, shownValue(Text(reinterpret_cast<const char*>(v.data.data()), n))});
    if (v.type == regtype::Dword && n == 4)
        return fill("% %", {kind, Text::number(static_cast<std::int32_t>(v.data[0] | v.data[1] << 8 | v.data[2] << 16 |
                                                                         static_cast<std::uint32_t>(v.data[3]) << 24))});
    return fill("%, % %", {kind, Text::number(static_cast<std::int32_t>(n)), n == 1 ? "byte" : "bytes"});
}

Text twoDigits(int n) { return Text(n < 10 ? "0" : "") + Text::number(n); }

Text windowsName(const WindowsVersion& w)
{
    static const struct {
        WindowsFamily family;
        unsigned major, minor;
        const char* name;
    } kNames[] = {{WindowsFamily::Win9x, 4, 0, "Windows 95"}, {WindowsFamily::Win9x, 4, 10, "Windows 98"},
                  {WindowsFamily::Win9x, 4, 90, "Windows Me"}, {WindowsFamily::NT, 4, 0, "Windows NT 4.0"},
                  {WindowsFamily::NT, 5, 0, "Windows 2000"},  {WindowsFamily::NT, 5, 1, "Windows XP"}};
    Text name = w.family == WindowsFamily::NT ? "Windows of the NT family" : "Windows";
    for (const auto& n : kNames)
        if (n.family == w.family && n.major == w.major && n.minor == w.minor) name = n.name;
    // As each family writes its numbers: 4.10.2222 and 4.00.950, 5.1.2600.
    const Text minor = w.family == WindowsFamily::Win9x ? twoDigits(static_cast<int>(w.minor))
                                                        : Text::number(static_cast<std::int32_t>(w.minor));
    return fill("% (%.%.%)", {name, Text::number(static_cast<std::int32_t>(w.major)), minor,
                              Text::number(static_cast<std::int32_t>(w.build))});
}

const char* const kFound[] = {
    "(the key of the Voodoo3 present at this start)",
    "(the key a record of a Voodoo3 names; none is present at this start)",
    "(no Voodoo3 found: the first display driver's key)",
};

}  // namespace

Text buildReport(const ReportSource& s, RegistryStore& store, const Form1Controls& ui, const HelpBook& help)
{
    DryRun dry(store);
    RegEdit regEdit(dry);
    Form1 apply(regEdit, ui, '.', s.driverKey);
    static_cast<void>(apply.Command1_Click());  // every writer ends quietly

    struct Entry {
        bool present;
        Text stored, pending;
    };
    Vec<Entry> entries;
    int pending = 0;
    for (const Row& row : kRows) {
        const Text key = row.key.keyPath(s.driverKey);
        StoredValue v;
        const bool present = store.read(row.key.rootKey, key, row.name, v).ok();
        Entry e{present, present ? described(v) : "absent", {}};
        for (const DryRun::Change& c : dry.changes) {
            if (c.hive != row.key.rootKey || c.key != key || c.name != row.name) continue;
            if (c.removes && present) e.pending = "Apply removes it";
            if (!c.removes && (!present || c.value != v)) e.pending = fill("Apply stores %", {described(c.value)});
        }
        pending += !e.pending.empty();
        entries.push_back(static_cast<Entry&&>(e));
    }

    Lines out;
    out.add(0, {"Velmora ", s.version, " report, ", Text::number(s.today.year), "-", twoDigits(s.today.month), "-",
                twoDigits(s.today.day)});
    out.add(0, {"Windows: ", windowsName(s.windows)});
    out.add(0, {"Driver key: HKLM\\", s.driverKey});
    out.add(2, {kFound[static_cast<int>(s.found)]});
    if (pending)
        out.add(0, {"Not yet applied: ", Text::number(pending), pending == 1 ? " setting" : " settings", ", marked below"});
    else
        out.add(0, {"Not yet applied: none"});

    out.blank();
    out.add(0, {layout::kTabCaptions[0]});
    const Label* facts[] = {&ui.Label11, &ui.Label12, &ui.Label13, &ui.Label14, &ui.Label15,
                            &ui.Label16, &ui.Label17, &ui.Label18, &ui.Label19, &ui.Label20};
    for (int i = 0; i < 10; ++i)
        out.add(2, {named(layout::get(("Label" + Text::number(i + 1)).c_str()).caption), ": ", shownValue(facts[i]->caption())});

    int tab = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Row& row = kRows[i];
        if (const int t = layout::tabOf(layout::get(row.control)); t != tab) {
            out.blank();
            out.add(0, {layout::kTabCaptions[tab = t]});
        }
        out.add(2, {named(layout::get(row.named ? row.named : row.control).caption), " (", where(row.key), "\\",
                    row.name, ")"});
        out.add(4, {"Shows ", shownValue(shown(ui, row.control)), "; stored ", entries[i].stored});
        // Where nothing Glide reads first decides (driver/glide_overrides.h),
        // it reads Velmora's value, or with none at all keeps its own default.
        const ControlHelp* h = helpRows().find(row.control);
        if (h && h->glideValue) {
            const Text note = help.glideNote(row.control);
            out.add(4, {"Glide: ", !note.empty()         ? Piece(note)
                                   : entries[i].present ? "it reads Velmora's value."
                                                        : "nothing sets it; Glide uses its own default."});
        }
        if (!entries[i].pending.empty()) out.add(4, {"Not yet applied: ", entries[i].pending});
    }
    return out.take();
}

}  // namespace velmora
