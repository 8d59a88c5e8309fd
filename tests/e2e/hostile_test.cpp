// Registry data that no driver writes, under Wine: very large texts, raw
// bytes, every other kind of data, empty data, characters beyond ASCII, keys
// in the place of values, and the program's keys crowded with values that are
// not its own. The program starts as quickly as usual, shows what its reading
// rules make of each value, and "Apply" writes only what those rules say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "tests/e2e/harness.h"

using velmora::StoredValue;
using velmora::storedDword;
using velmora::storedText;
namespace hive = velmora::hive;

namespace {

constexpr std::int32_t LM = hive::LocalMachine;
constexpr std::int32_t CC = hive::CurrentConfig;
using e2e::kAdapter;
using e2e::kClass;
using e2e::kD3D;
using e2e::kDefault;
using e2e::kDriver;
using e2e::kGlide;
using e2e::kSettings;

struct Place {
    std::int32_t hive;
    std::string key, name;
};

struct Reader {
    Place place;
    const char* label;
};
const Reader kTextReaders[] = {
    {{LM, kDriver, "DriverDesc"}, "Label11"},        {{LM, kDriver, "ProviderName"}, "Label12"},
    {{LM, kAdapter, "BIOS Version"}, "Label13"},     {{LM, kDriver, "Ver"}, "Label14"},
    {{LM, kDriver, "DriverDate"}, "Label15"},        {{LM, kAdapter, "Bus Type"}, "Label16"},
    {{LM, kAdapter, "Memory Type"}, "Label17"},      {{LM, kAdapter, "Total Video Memory"}, "Label18"},
    {{LM, kAdapter, "LCD"}, "Label19"},              {{LM, kAdapter, "TV Out"}, "Label20"},
};

struct Presence {
    Place place;
    const char* box;
    const char* code;  // what "Apply" stores while the box is checked
};
const Presence kPresence[] = {
    {{LM, kD3D, "SSTH3_SWAPINTERVAL"}, "Check2", "0"},     {{LM, kGlide, "FX_GLIDE_SWAPINTERVAL"}, "Check4", "0"},
    {{LM, kGlide, "FX_GLIDE_NO_SPLASH"}, "Check5", "1"},   {{LM, kGlide, "FX_GLIDE_LOD_DITHER"}, "Check6", "1"},
    {{LM, kGlide, "FX_GLIDE_ALLOC_COLOR"}, "Check7", "3"}, {{LM, kGlide, "FX_GLIDE_TMU_MEMSIZE"}, "Check8", "2"},
};

// Every value the program reads or writes.
std::vector<Place> ourValues()
{
    std::vector<Place> all;
    for (const Reader& r : kTextReaders) all.push_back(r.place);
    for (const Presence& p : kPresence) all.push_back(p.place);
    for (const char* name : {"Grxclock", "CheckClk"}) all.push_back({LM, kDefault, name});
    for (const char* name : {"SSTH3_ANTIALIAS", "SSTH3_OVERLAYMODE", "SSTH3_ALPHADITHERMODE"}) all.push_back({LM, kD3D, name});
    for (const char* name : {"SSTH3_OVERLAYMODE", "SSTH3_ALPHADITHERMODE"}) all.push_back({LM, kGlide, name});
    for (const char* name : {"Advanced", "RefreshRate"}) all.push_back({CC, kSettings, name});
    return all;
}

HKEY rootOf(std::int32_t h) { return h == CC ? HKEY_CURRENT_CONFIG : HKEY_LOCAL_MACHINE; }

// Written directly, whatever the size: the registry-file fixtures are for small data.
LONG tryPut(const Place& p, DWORD type, const std::string& bytes)
{
    HKEY k;
    LONG rc = RegCreateKeyExA(rootOf(p.hive), p.key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    rc = RegSetValueExA(k, p.name.c_str(), 0, type,
                        bytes.empty() ? nullptr : reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
    RegCloseKey(k);
    return rc;
}

void put(const Place& p, DWORD type, const std::string& bytes)
{
    EXPECT_EQ(tryPut(p, type, bytes), ERROR_SUCCESS) << p.name;
}

bool windows9x() { return (GetVersion() & 0x80000000u) != 0; }

void putText(const Place& p, const std::string& text) { put(p, REG_SZ, text + '\0'); }

void createKey(std::int32_t h, const std::string& key)
{
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(rootOf(h), key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(k);
}

std::optional<StoredValue> stored(const Place& p) { return e2e::readValue(p.hive, p.key, p.name); }

// A label's whole text; the harness's reader stops at 1 KB.
std::string fullText(const e2e::App& app, const char* name)
{
    HWND h = app.control(name);
    std::string s(static_cast<std::size_t>(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    const LRESULT n = SendMessageA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(&s[0]));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

std::wstring wideText(const e2e::App& app, const char* name)
{
    wchar_t buf[1024] = {};
    SendMessageW(app.control(name), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf));
    return buf;
}

// The option selected in a frame, or "none".
std::string selected(const e2e::App& app, std::initializer_list<const char*> options)
{
    for (const char* o : options)
        if (app.checkState(o) == BST_CHECKED) return o;
    return "none";
}
std::string videoMode(const e2e::App& app) { return selected(app, {"Option1", "Option2", "Option3"}); }
std::string refreshRate(const e2e::App& app) { return selected(app, {"Option13", "Option14"}); }

// A start as quick as usual: the program on an empty registry, measured once
// here, with room for a busy machine; a hang or a quadratic cost stays outside.
DWORD usualStartMs()
{
    static const DWORD usual = [] {
        e2e::resetRegistry();
        DWORD worst = 0;
        for (int i = 0; i < 2; ++i) {
            const DWORD t0 = GetTickCount();
            e2e::App app;
            worst = std::max(worst, GetTickCount() - t0);
        }
        return worst;
    }();
    return std::max<DWORD>(3 * usual, usual + 5000);
}

std::unique_ptr<e2e::App> startTimed()
{
    const DWORD limit = usualStartMs();
    const DWORD t0 = GetTickCount();
    auto app = std::make_unique<e2e::App>();
    const DWORD took = GetTickCount() - t0;
    EXPECT_LE(took, limit) << "start took " << took << " ms";
    return app;
}

std::string spaces(std::size_t n) { return std::string(n, ' '); }

// Printable text of exactly n characters that starts with no space.
std::string pattern(std::size_t n)
{
    std::string s(n, ' ');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>('A' + i % 26);
    return s;
}

struct HostileTest : ::testing::Test {
    void SetUp() override
    {
        usualStartMs();
        e2e::resetRegistry();
    }
    void TearDown() override { e2e::resetRegistry(); }
};

}  // namespace

TEST_F(HostileTest, TextsOf64KBAnd1MBInEveryReader)
{
    for (const std::size_t size : {std::size_t{64} << 10, std::size_t{1} << 20}) {
        SCOPED_TRACE(size);
        e2e::resetRegistry();
        const std::string body = pattern(size);
        for (const Reader& r : kTextReaders) putText(r.place, "  " + body);
        putText({LM, kDefault, "Grxclock"}, spaces(size) + "180");
        putText({LM, kDefault, "CheckClk"}, "2" + spaces(size));
        putText({LM, kD3D, "SSTH3_SWAPINTERVAL"}, body);
        putText({LM, kD3D, "SSTH3_ANTIALIAS"}, "1" + std::string(size, '0'));  // too large a number
        putText({LM, kD3D, "SSTH3_OVERLAYMODE"}, "3" + spaces(size));           // no code: compared untrimmed
        putText({CC, kSettings, "Advanced"}, "1" + spaces(size));
        putText({CC, kSettings, "RefreshRate"}, "-1" + spaces(size));
        const auto overlay = stored({LM, kD3D, "SSTH3_OVERLAYMODE"});
        const auto refresh = stored({CC, kSettings, "RefreshRate"});

        auto app = startTimed();
        for (const Reader& r : kTextReaders) EXPECT_TRUE(fullText(*app, r.label) == body) << r.label;
        EXPECT_EQ(app->text("Label23"), "180");
        EXPECT_EQ(app->sliderPosition(), 180);
        EXPECT_EQ(app->checkState("Check1"), BST_INDETERMINATE);
        EXPECT_EQ(app->checkState("Check2"), BST_CHECKED);
        EXPECT_EQ(app->checkState("Check3"), BST_UNCHECKED);
        EXPECT_EQ(videoMode(*app), "none");
        EXPECT_EQ(app->checkState("Check9"), BST_UNCHECKED);
        EXPECT_EQ(refreshRate(*app), "none");

        app->click("Command1");
        EXPECT_EQ(stored({LM, kDefault, "Grxclock"}), storedText("180"));
        EXPECT_EQ(stored({LM, kDefault, "CheckClk"}), storedDword(0));
        EXPECT_EQ(stored({LM, kD3D, "SSTH3_SWAPINTERVAL"}), storedText("0"));
        EXPECT_EQ(stored({LM, kD3D, "SSTH3_ANTIALIAS"}), storedText("0"));
        EXPECT_TRUE(stored({LM, kD3D, "SSTH3_OVERLAYMODE"}) == overlay);
        EXPECT_EQ(stored({CC, kSettings, "Advanced"}), storedDword(0));
        EXPECT_TRUE(stored({CC, kSettings, "RefreshRate"}) == refresh);
        for (const Reader& r : kTextReaders) EXPECT_TRUE(stored(r.place) == storedText("  " + body)) << r.label;
    }
}

TEST_F(HostileTest, RawBytesOf1MBInEveryPresenceValue)
{
    std::string bytes(std::size_t{1} << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    for (const Presence& p : kPresence) put(p.place, REG_BINARY, bytes);

    auto app = startTimed();
    for (const Presence& p : kPresence) EXPECT_EQ(app->checkState(p.box), BST_CHECKED) << p.box;
    app->click("Check5");  // cleared: its value goes
    app->click("Command1");
    for (const Presence& p : kPresence) {
        if (std::string(p.box) == "Check5")
            EXPECT_FALSE(stored(p.place)) << p.box;
        else
            EXPECT_EQ(stored(p.place), storedText(p.code)) << p.box;
    }
}

namespace {

// One kind of data, stored in a text reader, the clock, a number loader, a
// presence value and three choice loaders at once, and what the window shows.
struct KindCase {
    const char* what;
    DWORD type;
    std::string bytes;
    std::string label11;
    std::string label23;
    int slider;
    int check1;
    std::string videoMode;
    int check9;
    std::string refreshRate;
};

// Data the reading rules give no text or number: a fallback everywhere.
KindCase noText(const char* what, DWORD type, std::string bytes)
{
    return {what, type, std::move(bytes), "Unknown", "Default", 143, BST_CHECKED, "Option2", BST_UNCHECKED, "Option13"};
}

const KindCase kKinds[] = {
    noText("multi-string", REG_MULTI_SZ, std::string("1\0\0", 3)),
    noText("none", REG_NONE, std::string("1\0", 2)),
    noText("binary", REG_BINARY, std::string("1\0", 2)),
    noText("two-byte DWORD", REG_DWORD, std::string("\x01\x00", 2)),
    noText("QWORD", REG_QWORD, std::string("\x01\0\0\0\0\0\0\0", 8)),
    noText("empty multi-string", REG_MULTI_SZ, ""),
    noText("empty none", REG_NONE, ""),
    noText("empty binary", REG_BINARY, ""),
    noText("empty DWORD", REG_DWORD, ""),
    noText("empty QWORD", REG_QWORD, ""),
    {"expandable text", REG_EXPAND_SZ, std::string("%SystemRoot%\\x\0", 15), "%SystemRoot%\\x", "Default", 143,
     BST_CHECKED, "none", BST_UNCHECKED, "none"},
    {"expandable code", REG_EXPAND_SZ, std::string("3\0", 2), "3", "Default", 143, BST_CHECKED, "Option3",
     BST_UNCHECKED, "none"},
    {"empty text", REG_SZ, "", "", "Default", 143, BST_CHECKED, "none", BST_UNCHECKED, "none"},
    {"empty expandable text", REG_EXPAND_SZ, "", "", "Default", 143, BST_CHECKED, "none", BST_UNCHECKED, "none"},
    {"text without its zero", REG_SZ, "-1", "-1", "Default", 143, BST_CHECKED, "none", BST_UNCHECKED, "Option14"},
    {"text with a zero inside", REG_SZ, std::string("1\0junk\0", 7), "1", "Default", 143, BST_CHECKED, "Option2",
     BST_CHECKED, "none"},
    {"big-endian DWORD", REG_DWORD_BIG_ENDIAN, std::string("\0\0\0\xB4", 4), "180", "180", 180, BST_CHECKED, "none",
     BST_UNCHECKED, "none"},
    {"DWORD 0", REG_DWORD, std::string(4, '\0'), "0", "Default", 143, BST_UNCHECKED, "none", BST_UNCHECKED,
     "Option13"},
};

}  // namespace

TEST_F(HostileTest, EveryKindOfDataAndEmptyDataOfEveryKind)
{
    const Place text{LM, kDriver, "DriverDesc"}, clock{LM, kDefault, "Grxclock"}, number{LM, kDefault, "CheckClk"},
        presence{LM, kGlide, "FX_GLIDE_NO_SPLASH"}, mode{LM, kD3D, "SSTH3_OVERLAYMODE"},
        advanced{CC, kSettings, "Advanced"}, refresh{CC, kSettings, "RefreshRate"};
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.what);
        e2e::resetRegistry();
        // Windows 98 refuses some data outright (an empty REG_SZ): then no program can meet it there.
        if (const LONG rc = tryPut(text, c.type, c.bytes); rc != ERROR_SUCCESS && windows9x()) {
            std::printf("note: %s: Windows 9x refuses this data (error %ld); nothing to read\n", c.what, rc);
            continue;
        }
        for (const Place& p : {text, clock, number, presence, mode, advanced, refresh}) put(p, c.type, c.bytes);
        const auto asStored = stored(mode);

        auto app = startTimed();
        EXPECT_EQ(app->text("Label11"), c.label11);
        EXPECT_EQ(app->text("Label23"), c.label23);
        EXPECT_EQ(app->sliderPosition(), c.slider);
        EXPECT_EQ(app->checkState("Check1"), c.check1);
        EXPECT_EQ(app->checkState("Check5"), BST_CHECKED);  // it exists: that is all a presence value says
        EXPECT_EQ(videoMode(*app), c.videoMode);
        EXPECT_EQ(app->checkState("Check9"), c.check9);
        EXPECT_EQ(refreshRate(*app), c.refreshRate);

        app->click("Command1");
        EXPECT_EQ(stored(clock), storedText(std::to_string(c.slider)));
        EXPECT_EQ(stored(number), storedDword(c.check1 == BST_CHECKED));
        EXPECT_EQ(stored(presence), storedText("1"));
        EXPECT_EQ(stored(advanced), storedDword(c.check9 == BST_CHECKED));
        const std::map<std::string, std::string> modeCodes = {{"Option1", "2"}, {"Option2", "1"}, {"Option3", "3"}};
        EXPECT_EQ(stored(mode), c.videoMode == "none" ? asStored : storedText(modeCodes.at(c.videoMode)));
        if (c.refreshRate == "none")
            EXPECT_EQ(stored(refresh), asStored);
        else
            EXPECT_EQ(stored(refresh), storedText(c.refreshRate == "Option13" ? "0" : "-1"));
        EXPECT_EQ(stored(text), asStored);
    }
}

TEST_F(HostileTest, BytesAbove127ShowAsTheCharactersOfTheAnsiCodePage)
{
    CPINFO cp = {};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &cp));
    ASSERT_EQ(cp.MaxCharSize, 1u) << "code page " << GetACP() << ": a single-byte code page, as on Windows 98";
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    putText({LM, kDriver, "DriverDesc"}, high);
    putText({LM, kDriver, "ProviderName"}, "  \xC9l\xE9gant \xA9 \xBD");
    putText({CC, kSettings, "RefreshRate"}, "\xAD" "1");  // a soft hyphen is no minus sign
    putText({LM, kDefault, "Grxclock"}, "\xB9\xB2\xB3");  // superscript digits are no number
    const auto refresh = stored({CC, kSettings, "RefreshRate"});

    auto app = startTimed();
    const std::pair<const char*, std::string> shown[] = {{"Label11", high}, {"Label12", "\xC9l\xE9gant \xA9 \xBD"}};
    for (const auto& [label, bytes] : shown) {
        EXPECT_EQ(app->text(label), bytes) << label;
        std::wstring chars(bytes.size(), L'\0');
        chars.resize(static_cast<std::size_t>(MultiByteToWideChar(
            CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), &chars[0], static_cast<int>(chars.size()))));
        EXPECT_TRUE(wideText(*app, label) == chars) << label;
    }
    EXPECT_EQ(app->text("Label23"), "Default");
    EXPECT_EQ(refreshRate(*app), "none");
    app->click("Command1");
    EXPECT_EQ(stored({CC, kSettings, "RefreshRate"}), refresh);
}

TEST_F(HostileTest, AKeyNamedLikeAValueIsNoValue)
{
    // Keys where the values should be, each with a default value that looks like a setting.
    for (const Place& p : ourValues()) {
        createKey(p.hive, p.key + "\\" + p.name);
        putText({p.hive, p.key + "\\" + p.name, ""}, "1");
    }
    // Names that hold a path, beside the keys they name.
    putText({LM, kDriver, "D3D\\SSTH3_SWAPINTERVAL"}, "1");
    putText({LM, kDriver, "DEFAULT\\Grxclock"}, "200");
    putText({LM, kD3D, ""}, "3");  // the D3D key's own default value
    const auto before = e2e::exportKeys();

    auto app = startTimed();
    for (const Reader& r : kTextReaders) EXPECT_EQ(app->text(r.label), "Unknown") << r.label;
    EXPECT_EQ(app->text("Label23"), "Default");
    for (const Presence& p : kPresence) EXPECT_EQ(app->checkState(p.box), BST_UNCHECKED) << p.box;
    EXPECT_EQ(videoMode(*app), "Option2");
    EXPECT_EQ(refreshRate(*app), "Option13");

    app->click("Command1");  // its removals find no value: the keys of the same names stay
    const auto after = e2e::exportKeys();
    const std::set<std::string> afterSet(after.begin(), after.end());
    for (const std::string& line : before) EXPECT_TRUE(afterSet.count(line)) << line;
    EXPECT_EQ(stored({LM, kDefault, "Grxclock"}), storedText("143"));
    EXPECT_EQ(stored({LM, kD3D, "SSTH3_OVERLAYMODE"}), storedText("1"));
}

TEST_F(HostileTest, ApplyAndExitChangeNoValueThatIsNotTheirs)
{
    // Our own values, in a state where "Apply" writes, removes and leaves alone.
    e2e::applyFixture("demo.reg");
    putText({CC, kSettings, "RefreshRate"}, "75");

    // Hundreds of strangers: beside ours, in keys of their own, in a second
    // adapter under our names, in other display settings; names close to ours.
    const DWORD kinds[] = {REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_NONE, REG_QWORD};
    const std::string keys[] = {kDriver, kDefault, kD3D, kGlide, kAdapter, kDriver + "\\Settings", kClass + "\\0001",
                                kClass + "\\0001\\D3D", kClass + "\\0001\\Glide", kClass + "\\0001\\DEFAULT"};
    int n = 0;
    for (const std::string& key : keys)
        for (int i = 0; i < 30; ++i, ++n) {
            std::string data = "stranger " + std::to_string(n);
            if (i % 7 == 3) data = std::string(4, static_cast<char>(n));
            put({LM, key, "Foreign" + std::to_string(i)}, kinds[i % 7], data);
        }
    for (const Place& p : ourValues()) {
        if (p.hive == LM) putText({LM, kClass + "\\0001" + p.key.substr(kDriver.size()), p.name}, "1");
        putText({p.hive, p.key, p.name + " "}, "1");
        putText({p.hive, p.key, p.name + "_OLD"}, "1");
    }
    for (const char* name : {"BitsPerPixel", "Resolution", "DPILogicalX", "DPIPhysicalY", "Fonts"})
        putText({CC, kSettings, name}, "x");
    putText({CC, "Display\\Fonts", "FIXEDFON.FON"}, "vgafix.fon");
    putText({CC, kSettings + "\\Monitor", "Refresh"}, "60");

    const auto before = e2e::exportKeys();
    {
        auto app = startTimed();
        app->click("Check2");    // a removal
        app->click("Option1");   // a changed mode
        app->click("Option14");  // a changed refresh rate
        app->click("Command1");
        app->click("Command1");
        app->click("Command2");
        EXPECT_EQ(app->waitExit(), 0u);
    }
    const auto after = e2e::exportKeys();

    // Only our values may differ: everything else, and every key, stays byte for byte.
    std::set<std::string> ours;
    for (const Place& p : ourValues())
        ours.insert((p.hive == LM ? "HKLM\\" : "HKCC\\") + p.key + "\\" + p.name + " = ");
    auto others = [&ours](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const std::string& line : lines) {
            const auto eq = line.find(" = ");
            if (eq == std::string::npos || !ours.count(line.substr(0, eq + 3))) out.push_back(line);
        }
        return out;
    };
    EXPECT_GT(others(before).size(), 400u);
    EXPECT_EQ(others(after), others(before));
    EXPECT_NE(after, before);  // "Apply" did write

    // "Exit" alone changes nothing at all.
    {
        auto app = startTimed();
        app->click("Check4");
        app->click("Command2");
        EXPECT_EQ(app->waitExit(), 0u);
    }
    EXPECT_EQ(e2e::exportKeys(), after);
}
