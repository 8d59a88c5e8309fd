// The About box's lookup of the System Information tool: how it reads the
// registry's bytes as text, and in which order it tries to start the tool.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "about/sysinfo.h"
#include "tests/support/std_text.h"

using namespace velmora;
using namespace velmora::about;

namespace {

// The system as the lookup sees it; everything asked is recorded.
struct FakeSystem : SysInfoSystem {
    std::map<std::pair<std::string, std::string>, StoredValue> values;
    std::set<std::string> normalFiles, programs;
    std::vector<std::string> queried, tested, started, messages;

    bool queryValue(std::uint32_t root, const Text& key, const Text& name, std::size_t capacity,
                    StoredValue& out) override
    {
        queried.push_back(str(name));
        const auto it = values.find({str(key), str(name)});
        if (root != kLocalMachine || it == values.end() || it->second.data.size() > capacity) return false;
        out = it->second;
        return true;
    }
    bool normalFileExists(const Text& path) override
    {
        tested.push_back(str(path));
        return normalFiles.count(str(path)) > 0;
    }
    Status startProgram(const Text& path) override
    {
        started.push_back(str(path));
        return programs.count(str(path)) ? Status() : Status(53, "File not found");
    }
    void showMessage(const Text& text, const Text& caption) override
    {
        messages.push_back(str(caption) + ": " + str(text));
    }
    void setPath(StoredValue v) { values[{kInfoKey, kInfoValue}] = std::move(v); }
    void setFolder(const std::string& folder) { values[{kLocationKey, kLocationValue}] = storedText(folder); }
};

const std::string kMessage = "Velmora: System Information Is Unavailable At This Time";
const std::string kTool = "C:\\Tools\\MSINFO32.EXE";

}  // namespace

TEST(GetKeyValue, TextLosesATerminatingZeroAndADwordReadsAsItsSignedNumber)
{
    const struct {
        StoredValue data;
        std::string text;  // "before": left as it was
    } cases[] = {
        {storedText("C:\\Tools\\info.exe"), "C:\\Tools\\info.exe"},
        {{regtype::Sz, {'a', 'b', 'c'}}, "abc"},
        {{regtype::Sz, {'a', 0, 0}}, std::string("a\0", 2)},
        {{regtype::Dword, {0x01, 0, 0, 0}}, "1"},
        {{regtype::Dword, {0x78, 0x56, 0x34, 0x12}}, "305419896"},
        {{regtype::Dword, {0xFF, 0xFF, 0xFF, 0xFF}}, "-1"},
        {{regtype::Dword, {0xFF, 0xFF, 0, 0}}, "-1"},  // what fits 16 bits is a signed 16-bit number
        {{regtype::Dword, {0x00, 0x80, 0, 0}}, "-32768"},
        {{regtype::Dword, {0, 0, 0x01, 0}}, "65536"},
        {{regtype::Dword, {0}}, "&h"},  // no digits: no number
        {{regtype::Dword, {5, 0, 0, 0, 0, 0, 0, 0}}, "5"},
        {{regtype::ExpandSz, {'x', 0}}, "before"},
        {{regtype::Binary, {'x', 0}}, "before"},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        sys.setPath(c.data);
        Text got = "before";
        bool found = false;
        EXPECT_TRUE(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found).ok());
        EXPECT_TRUE(found);
        EXPECT_EQ(str(got), c.text);
    }
}

TEST(GetKeyValue, UnreadableIsNotFoundAndStrangeDataFails)
{
    FakeSystem sys;
    Text got = "before";
    bool found = true;
    EXPECT_TRUE(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found).ok());
    EXPECT_FALSE(found);
    EXPECT_EQ(got, "");
    sys.setPath({regtype::Sz, Bytes(1025)});  // more than the lookup's buffer
    EXPECT_TRUE(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found).ok());
    EXPECT_FALSE(found);
    sys.setPath({regtype::Sz, {}});
    EXPECT_EQ(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found).number(), err::InvalidProcedureCall);
    sys.setPath({regtype::Dword, {1, 0, 0, 0, 1}});
    EXPECT_EQ(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found).number(), err::Overflow);
}

TEST(StartSysInfo, PathFirstThenTheFolderWhenItHoldsTheToolElseTheOneMessage)
{
    const struct {
        const char* name;
        std::function<void(FakeSystem&)> arrange;
        std::vector<std::string> queried, started;
        bool message;
    } cases[] = {
        {"path", [](FakeSystem& s) { s.setPath(storedText("C:\\Info\\i.exe")), s.programs = {"C:\\Info\\i.exe"}; },
         {"PATH"}, {"C:\\Info\\i.exe"}, false},
        {"path to a missing program: no folder", [](FakeSystem& s) { s.setPath(storedText("C:\\Gone\\i.exe")); },
         {"PATH"}, {"C:\\Gone\\i.exe"}, true},
        {"folder", [](FakeSystem&) {}, {"PATH", "MSINFO"}, {kTool}, false},
        {"path too long: folder", [](FakeSystem& s) { s.setPath({regtype::Sz, Bytes(1025)}); },
         {"PATH", "MSINFO"}, {kTool}, false},
        {"path with no data", [](FakeSystem& s) { s.setPath({regtype::Sz, {}}); }, {"PATH"}, {}, true},
        {"path beyond 32 bits", [](FakeSystem& s) { s.setPath({regtype::Dword, {1, 2, 3, 4, 5}}); }, {"PATH"}, {}, true},
        {"folder without the tool", [](FakeSystem& s) { s.normalFiles.clear(); }, {"PATH", "MSINFO"}, {}, true},
        {"tool that will not start", [](FakeSystem& s) { s.programs.clear(); }, {"PATH", "MSINFO"}, {kTool}, true},
        {"neither value", [](FakeSystem& s) { s.values.clear(); }, {"PATH", "MSINFO"}, {}, true},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        sys.setFolder("C:\\Tools");
        sys.normalFiles = sys.programs = {kTool};
        c.arrange(sys);
        StartSysInfo(sys);
        EXPECT_EQ(sys.queried, c.queried) << c.name;
        EXPECT_EQ(sys.started, c.started) << c.name;
        EXPECT_EQ(sys.messages, c.message ? std::vector<std::string>{kMessage} : std::vector<std::string>{}) << c.name;
    }
}
