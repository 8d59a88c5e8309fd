// The whole program (lookup, load, overrides, a user's changes, Apply, About) over any registry that
// fails at chosen steps; the input is a scenario (see decode), and a broken property aborts with its name.
#include <cerrno>

#include "about/sysinfo.h"
#include "app/form1.h"
#include "settings/report.h"
#include "tests/support/doubles.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

namespace {

#define PROPERTY(name, holds) ((holds) ? void() : (std::fprintf(stderr, "property broken: %s\n", name), std::abort()))

// Words the program knows, then every setting's name and codes.
const std::vector<std::string> kWords = [] {
    std::vector<std::string> w = {"", "Driver", "HardWareKey", "PATH", "MSINFO", "drv", "Resolution", " 180", "200.5",
                                  "1e2", "-1", "143", "251", "Default", "Display\\0000", "Display\\0001", "DISPLAY\\0002",
                                  "Display\\0009", "PCI\\VEN_121A&DEV_0005\\A", "PCI\\VEN_5333&DEV_8811\\B",
                                  "PCI\\VEN_121A&DEV_0005&SUBSYS_0036121A&REV_01\\BUS_01&DEV_00&FUNC_00",
                                  "pci\\ven_121a&dev_00051\\C", "C:\\Tools", "C:\\Tools\\MSINFO32.EXE"};
    for (const Setting& s : settings()) {
        w.push_back(s.name);
        for (const auto& code : s.codes) w.push_back(code.first);
    }
    return w;
}();

// The input front to back; past its end every byte reads as zero, so every input is a scenario.
struct Reader {
    const std::uint8_t* at;
    std::size_t left;
    std::uint8_t byte() { return left ? (--left, *at++) : 0; }
    std::uint32_t u16() { const std::uint32_t low = byte(); return low | std::uint32_t{byte()} << 8; }  // low first, whichever the compiler
    std::string bytes(std::size_t n) { return n = std::min(n, left), at += n, left -= n, std::string(reinterpret_cast<const char*>(at - n), n); }
    // A word the program knows, literal bytes, or up to a megabyte of a repeated pattern.
    std::string word()
    {
        const std::uint8_t b = byte();
        if (b < kWords.size()) return kWords[b];
        if (b != 0xFE) return bytes(b == 0xFF ? u16() : b - kWords.size());
        std::string s(std::size_t{u16()} << 4, '\0');
        const std::string pattern = bytes(byte() % 8 + 1);
        for (std::size_t i = 0; i < s.size() && !pattern.empty(); ++i) s[i] = pattern[i % pattern.size()];
        return s;
    }
    std::string name() { return word().substr(0, 255); }  // the registry allows 255 characters
    // A control of the main window, or none.
    std::string control()
    {
        const MemoryControls all = MemoryForm1Controls().byName;
        const std::uint8_t b = byte();
        return b ? std::next(all.begin(), (b - 1) % all.size())->first : "";
    }
};

struct Scenario {
    char separator = '.';
    WindowsFamily family = WindowsFamily::Win9x;
    bool applyTwice = false, toolExists = false, toolStarts = false;
    std::vector<std::pair<std::size_t, bool>> failing;  // a call that fails, and whether every later one does
    std::string refusing;       // a control that refuses every change during the load
    std::string refusingLater;  // one that refuses a user's changes after it
    std::map<std::string, std::string> environment;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> actions;  // what, with what
    bool fails(std::size_t call) const { return std::any_of(failing.begin(), failing.end(), [&](const auto& f) { return call == f.first || (f.second && call > f.first); }); }
};

// One registry entry: where, which name, and the value or the key alone.
void decodeEntry(Reader& r, MemoryStore& registry)
{
    static const char* const subkeys[] = {"", "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter", "\\DEFAULT",
                                          "\\D3D", "\\Glide"};
    static const std::uint32_t kinds[] = {regtype::Sz,    regtype::ExpandSz, regtype::Binary,  regtype::Dword,
                                          regtype::DwordBigEndian, regtype::MultiSz, regtype::Qword, regtype::None};
    const auto displayKey = [&] { const std::uint8_t b = r.byte(); return str(driverKey(b < 0xF0 ? b % 4 : static_cast<int>(r.u16() % 10000))); };
    const std::uint8_t where = r.byte();
    std::int32_t hive = hive::LocalMachine;
    std::string key;
    switch (where & 7) {
    case 0: key = displayKey(), key += subkeys[r.byte() % 5]; break;  // in this order, whichever the compiler
    case 1: hive = hive::CurrentUser, key = displayKey() + "\\Glide"; break;
    case 2: hive = hive::CurrentConfig, key = "Display\\Settings"; break;
    case 3: key = about::kInfoKey; break;
    case 4: key = about::kLocationKey; break;
    case 5: hive = hive::DynData, key = "Config Manager\\Enum\\" + r.name(); break;
    case 6: key = "Enum\\" + r.name(); break;
    default: hive = r.byte() % 7, key = r.name(); break;
    }
    if (where & 8) return registry.createKey(hive, key);
    const std::string name = r.name();
    const std::uint8_t kind = r.byte();
    std::string data = r.word();
    if (kind & 8) data += '\0';
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
    registry.set(hive, key, name, {kind & 0x10 ? 8u + (kind >> 5) : kinds[kind & 7], Bytes(bytes, bytes + data.size())});
}

void decode(Reader& r, Scenario& s, MemoryStore& registry)
{
    const std::uint8_t flags = r.byte();
    s.separator = flags & 1 ? ',' : '.';
    s.family = flags & 2 ? WindowsFamily::NT : WindowsFamily::Win9x;
    s.applyTwice = flags & 4, s.toolExists = flags & 8, s.toolStarts = flags & 16;
    for (int n = r.byte() % 4; n > 0; --n) { const std::uint32_t call = r.u16(); s.failing.push_back({call & 0x7FFF, (call & 0x8000) != 0}); }
    s.refusing = r.control();
    for (int n = r.byte() % 48; n > 0; --n) decodeEntry(r, registry);  // few enough that the lookup stays quick
    for (int n = r.byte() % 8; n > 0; --n) { std::string name = r.word(); s.environment[name] = r.word(); }
    for (int n = r.byte() % 16; n > 0; --n) { const std::uint8_t what = r.byte(); s.actions.push_back({what, r.byte()}); }
    s.refusingLater = r.control();
}

std::string lower(const std::string& s) { return MemoryStore::lower(s); }
std::string textOf(const StoredValue& v) { return std::string(v.data.begin(), std::find(v.data.begin(), v.data.end(), 0)); }

// Judges each change as it is asked for: nothing outside the table (other keys, HKEY_CURRENT_USER) can change.
struct Registry : MemoryStore {
    std::string driverKey;
    std::map<Place, const Setting*> table;  // every setting's place under the driver key
    const Label* clock = nullptr;
    bool applying = false;
    std::set<const Setting*> unchanged;  // whose write or removal failed

    void setDriverKey(const std::string& key)
    {
        driverKey = key;
        for (const Setting& s : settings()) table[place(s.hive, keyOf(s, key), s.name)] = &s;
    }
    std::optional<StoredValue> of(const Setting& s) const { return get(s.hive, keyOf(s, driverKey), s.name); }
    Status write(std::int32_t h, const Text& k, const Text& n, const StoredValue& v) override { return judged(h, k, n, [&] { return MemoryStore::write(h, k, n, v); }); }
    Status remove(std::int32_t h, const Text& k, const Text& n) override { return judged(h, k, n, [&] { return MemoryStore::remove(h, k, n); }); }
    template <class Change>
    Status judged(std::int32_t hive, const Text& key, const Text& name, Change change)
    {
        PROPERTY("only Apply writes or removes", applying);
        const auto it = table.find(place(hive, str(key), str(name)));
        const Setting* s = it == table.end() ? nullptr : it->second;
        PROPERTY("Apply changes only the table's values, under the driver key", s && str(key) == keyOf(*s, driverKey));
        PROPERTY("a clock that shows \"Default\" is left as it is stored", s->shape != Shape::Clock || clock->caption() != "Default");
        const Status done = change();
        if (done.failed()) unchanged.insert(s);
        return done;
    }
};

// Display\0000, or a key that exists and that a Voodoo3's device record names in its Driver.
bool aKeyTheRecordsName(const MemoryStore& registry, const std::string& key)
{
    if (key == str(driverKey(0))) return true;
    if (!registry.keys.count({hive::LocalMachine, lower(key)})) return false;
    const std::string voodoo3 = "enum\\pci\\ven_121a&dev_0005", named = "display\\" + lower(key.substr(key.size() - 4));
    return std::any_of(registry.values.begin(), registry.values.end(), [&](const auto& entry) {
        const auto& [hive, at, name] = entry.first;
        const char after = at.size() > voodoo3.size() ? at[voodoo3.size()] : '\\';
        return hive == hive::LocalMachine && at.rfind(voodoo3, 0) == 0 && (after == '&' || after == '\\') && name == "driver" &&
               (entry.second.type == regtype::Sz || entry.second.type == regtype::ExpandSz) && lower(textOf(entry.second)) == named;
    });
}

// A step whose read failed or found nothing shows its fallback; one that cannot be shown stops the load.
void checkLoad(const Scenario& s, const Status& loaded, const Registry& registry, std::size_t first, const View& before, const View& after)
{
    const std::size_t steps = registry.calls.size() - first;
    for (std::size_t i = 0; i < steps; ++i) {
        const Setting& step = settings()[i];
        const MemoryStore::Call& c = registry.calls[first + i];
        PROPERTY("each load step reads its own value under the driver key",
                 c.hive == step.hive && c.key == keyOf(step, registry.driverKey) && c.name == step.name);
    }
    if (loaded.failed()) {
        PROPERTY("only a control's refusal escapes a fallback", loaded.number() == err::InvalidPropertyValue && !s.refusing.empty());
        const Setting& last = settings()[steps - 1];
        const bool its = s.refusing == last.control || (last.shape == Shape::Clock && s.refusing == "Slider1") ||
                         std::any_of(last.codes.begin(), last.codes.end(), [&](const auto& c) { return c.second == s.refusing; });
        PROPERTY("a failure that escapes a fallback stops the load at its control's step", its);
        return;
    }
    PROPERTY("a load that does not stop runs every step", steps == settings().size());
    for (std::size_t i = 0; i < steps; ++i) {
        const Setting& step = settings()[i];
        if (!s.fails(first + i) && registry.of(step)) continue;
        PROPERTY("a fallback that cannot be shown stops the load", s.refusing != (step.shape == Shape::Choice ? step.fallback : step.control));
        View expected = after;
        showing(expected, step, step.fallback);
        if (step.shape == Shape::Clock) expected["Slider1"] = before.at("Slider1");
        PROPERTY("a step that finds no value or cannot read shows its fallback", after == expected);
    }
}

// Whether Glide will not take the box's meaning, restated from hwcGetenv (the environment, then text in HKCU,
// then HKLM, through one 255-byte buffer each read resizes) and atol. A failed read finds nothing.
bool glideMarks(const Scenario& s, const Registry& registry, std::size_t first, const Setting& box)
{
    const auto found = [&](std::int32_t hive) -> std::optional<StoredValue> {
        const auto read = std::find_if(registry.calls.begin() + first, registry.calls.end(), [&](const MemoryStore::Call& c) {
            return c.op == MemoryStore::Op::Read && c.hive == hive && lower(c.name) == lower(box.name);
        });
        if (read != registry.calls.end() && s.fails(read - registry.calls.begin())) return std::nullopt;
        return registry.get(hive, registry.driverKey + facts::kGlide, box.name);
    };
    if (std::any_of(s.environment.begin(), s.environment.end(), [&](const auto& v) { return lower(v.first) == lower(box.name); }))
        return true;
    if (s.family == WindowsFamily::NT) return false;
    std::size_t room = 255;
    if (const auto user = found(hive::CurrentUser)) {
        if (user->data.size() <= room && user->type == regtype::Sz) return true;
        room = std::min<std::size_t>(user->data.size(), 255);
    }
    const auto own = found(hive::LocalMachine);
    if (!own) return false;
    if (own->data.size() > room || own->type != regtype::Sz) return true;
    if (box.shape != Shape::Presence || box.codes[0].first == "1") return false;  // counted by presence
    errno = 0;
    const long long n = std::strtoll(textOf(*own).c_str(), nullptr, 10);
    return errno == ERANGE || n < INT32_MIN || n > INT32_MAX || n != std::stoll(box.codes[0].first);
}

// Which Glide boxes and frames are marked, that every one-line tip fits a 640-pixel screen, and what the tips say on NT;
// the help the report then takes.
HelpBook checkOverrides(const Scenario& s, Registry& registry)
{
    MemoryEnvironment environment;
    environment.vars = s.environment;
    HelpBook book(s.family, text(registry.driverKey));
    const std::size_t first = registry.calls.size();
    book.findOverrides(registry, environment);
    for (const layout::Control& c : layout::controls()) {
        const Text tip = book.help(c.name, true), fitted = book.help(c.name, TipFont());
        PROPERTY("a one-line tip fits 100 characters and holds no control character",
                 tip.size() <= 100 && std::none_of(tip.c_str(), tip.c_str() + tip.size(), [](char ch) { return static_cast<unsigned char>(ch) < 0x20; }));
        PROPERTY("a one-line tip fits a 640-pixel screen in the tip's font", TipFont().fits(fitted));
        const std::string full = str(book.help(c.name, false)), line = str(tip);
        const auto has = [](const std::string& t, const char* piece) { return t.find(piece) != std::string::npos; };
        const ControlHelp* row = helpRows().find(c.name);
        const bool unread = s.family == WindowsFamily::NT && row && row->glideValue;  // Glide on NT reads a key of its own
        PROPERTY("on the NT family every Glide tip, and no other, says Glide does not reach it, and none promises an effect",
                 has(full, "does not reach it") == unread && !(unread && (has(full, "Takes effect") || has(full, "each time"))) &&
                     (!unread || has(line, "does not reach it") || has(line, "environment")));
        const auto box = std::find_if(settings().begin(), settings().end(),
                                      [&](const Setting& st) { return st.key == facts::kGlide && st.control == std::string(c.name); });
        PROPERTY("a Glide box or frame is marked exactly when Glide will not take what it shows",
                 book.marked(c.name) == (box != settings().end() && glideMarks(s, registry, first, *box)));
    }
    return book;
}

// Every report line within the rule, and a size to paste; after a clean Apply nothing left to apply.
void checkReport(const Scenario& s, Registry& registry, const std::string& key, MemoryForm1Controls& ui, const HelpBook& book, bool applied)
{
    const std::string report = str(buildReport({"1.40", {s.family, 4, 10, 2222}, {2000, 1, 1}, text(key), DriverKeyFound::First},
                                               registry, ui.controls(), book));
    PROPERTY("every line of the report is at most 72 printable ASCII characters and ends in CR LF, 6000 characters in all",
             keepsTheLineRule(report) && report.size() < 6000);
    // Anchored where the report starts them: a value's text wraps onto lines indented further.
    if (applied && s.failing.empty())
        PROPERTY("after Apply the report has nothing left to apply",
                 report.find("\r\nNot yet applied: none\r\n") != std::string::npos && report.find("\r\n    Not yet applied: ") == std::string::npos);
}

// A user's click on a box or option, or a slider key or drag, as the window passes it on: taken unless a
// control it sets refuses (the box, the option or the one its frame shows now, the slider or its label).
void act(std::uint8_t what, std::uint8_t with, MemoryForm1Controls& ui, Form1& form, const std::string& refusing)
{
    what %= 32;
    Status done;
    std::set<std::string> sets = {"Slider1", "Label23"};
    if (what < 23) {
        const std::string name = what < 9 ? "Check" + std::to_string(what + 1) : "Option" + std::to_string(what - 8);
        sets = {name};
        for (const Setting& st : settings())
            if (st.shape == Shape::Choice && std::any_of(st.codes.begin(), st.codes.end(), [&](const auto& c) { return c.second == name; }))
                for (const auto& [code, option] : st.codes)
                    if (ui.byName.at(option)->shown == "1") sets.insert(option);
        MemoryControl& c = *ui.byName.at(name);
        done = c.show(what < 9 && c.shown == "1" ? "0" : "1");
    } else {
        Slider& slider = ui.controls().Slider1;
        const int steps[] = {-1, 1, -5, 5, -1000, 1000};  // arrows, Page Up and Down, Home and End
        const int to = what < 29 ? slider.value() + steps[what - 23] : slider.min() + with % (slider.max() - slider.min() + 1);
        done = slider.setValue(std::clamp(to, slider.min(), slider.max()));
        if (done.ok()) done = form.Slider1_Scroll();
    }
    PROPERTY("a user's change is taken unless a control it sets refuses", done.ok() != (sets.count(refusing) > 0));
}

// Apply stores what each control shows; a value whose own write failed stays, and no failure stops the rest.
void apply(Registry& registry, Form1& form, const View& shown)
{
    const auto before = registry.values;
    registry.applying = true;
    registry.unchanged.clear();
    PROPERTY("Apply never fails: each writer ends quietly", form.Command1_Click().ok());
    registry.applying = false;
    for (const Setting& s : settings()) {
        const auto at = before.find(MemoryStore::place(s.hive, keyOf(s, registry.driverKey), s.name));
        const auto was = at == before.end() ? std::nullopt : std::optional(at->second);
        PROPERTY("Apply stores what the controls show, and a value whose writer failed stays",
                 registry.of(s) == applied(s, shown, was) || (registry.unchanged.count(&s) && registry.of(s) == was));
    }
}

// About: PATH, else the tool in the MSINFO folder when there; at most one program, a message when none started.
void checkAbout(const Scenario& s, MemoryStore& registry)
{
    struct Tool : about::SysInfoSystem {
        MemoryStore& registry;
        const Scenario& s;
        std::vector<std::string> started;
        int messages = 0;
        Tool(MemoryStore& r, const Scenario& sc) : registry(r), s(sc) {}
        bool queryValue(std::uint32_t root, const Text& key, const Text& name, std::size_t room, StoredValue& out) override
        {
            return root == about::kLocalMachine && registry.read(hive::LocalMachine, key, name, out).ok() && out.data.size() <= room;
        }
        bool normalFileExists(const Text&) override { return s.toolExists; }
        Status startProgram(const Text& path) override
        {
            started.push_back(str(path));
            return s.toolStarts ? Status() : Status(err::FileNotFound, "File not found");
        }
        void showMessage(const Text&, const Text&) override { ++messages; }
    } tool(registry, s);
    const std::size_t first = registry.calls.size();
    about::StartSysInfo(tool);
    PROPERTY("the About box starts at most one program", tool.started.size() <= 1);
    PROPERTY("the About box shows its message exactly when nothing started", tool.messages == (!tool.started.empty() && s.toolStarts ? 0 : 1));
    // A value that cannot be read or does not fit the lookup's buffer is not there.
    const auto found = [&](std::size_t step, const char* key, const char* name) {
        const auto v = registry.get(hive::LocalMachine, key, name);
        return s.fails(first + step) || !v || v->data.size() > about::kValueBufferSize ? std::nullopt : v;
    };
    const auto path = found(0, about::kInfoKey, about::kInfoValue);
    const auto folder = path ? std::nullopt : found(1, about::kLocationKey, about::kLocationValue);
    std::string read;
    for (std::size_t i = first; i < registry.calls.size(); ++i) read += registry.calls[i].name + " ";
    PROPERTY("the About box reads PATH, and MSINFO only when PATH is not there", read == (path ? "PATH " : "PATH MSINFO "));
    const std::vector<std::string> none;
    if (path && path->type == regtype::Sz && !path->data.empty())
        PROPERTY("the About box starts the program PATH names, up to its first zero", tool.started == std::vector{textOf(*path)});
    if (!path && !folder) PROPERTY("without PATH and MSINFO the About box starts nothing", tool.started == none);
    if (folder && folder->type == regtype::Sz && !folder->data.empty())
        PROPERTY("without PATH the About box starts the tool in the MSINFO folder, up to its first zero, when it is there",
                 tool.started == (s.toolExists ? std::vector{textOf(*folder) + about::kProgramFile} : none));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Reader r{data, size};
    Scenario s;
    Registry registry;
    decode(r, s, registry);
    registry.fails = [&s](std::size_t call) { return s.fails(call); };

    const std::string key = str(findDriverKey(registry));
    PROPERTY("the lookup takes Display\\0000 or an existing driver key that a Voodoo3's record names", aKeyTheRecordsName(registry, key));
    registry.setDriverKey(key);

    RegEdit regEdit(registry);
    MemoryForm1Controls ui;
    registry.clock = &ui.controls().Label23;
    if (!s.refusing.empty()) ui.byName[s.refusing]->refuse = true;
    Form1 form(regEdit, ui.controls(), s.separator, text(key));
    const View initial = ui.view();
    const std::size_t first = registry.calls.size();
    const Status loaded = form.Form_Load();
    checkLoad(s, loaded, registry, first, initial, ui.view());
    if (loaded.failed()) return 0;  // the window reports it and ends
    if (!s.refusing.empty()) ui.byName[s.refusing]->refuse = false;
    if (!s.refusingLater.empty()) ui.byName[s.refusingLater]->refuse = true;

    const HelpBook help = checkOverrides(s, registry);
    for (const auto& [what, with] : s.actions) act(what, with, ui, form, s.refusingLater);
    checkReport(s, registry, key, ui, help, false);
    apply(registry, form, ui.view());
    if (s.applyTwice) apply(registry, form, ui.view());
    checkReport(s, registry, key, ui, checkOverrides(s, registry), true);  // as the window looks again after Apply

    // Loading and applying again what Apply wrote changes no byte (unless a refusal left a frame without its option).
    if (s.failing.empty() && s.refusing.empty() && s.refusingLater.empty()) {
        const auto settled = registry.values;
        PROPERTY("Apply leaves the driver key lookup as it was", str(findDriverKey(registry)) == key);
        MemoryForm1Controls again;
        registry.clock = &again.controls().Label23;
        Form1 next(regEdit, again.controls(), s.separator, text(key));
        PROPERTY("what Apply wrote loads", next.Form_Load().ok());
        apply(registry, next, again.view());
        PROPERTY("one round of load and Apply settles the registry", registry.values == settled);
    }
    checkAbout(s, registry);
    return 0;
}
