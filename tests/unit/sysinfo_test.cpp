// The About box's lookup of the System Information tool: in which order it
// tries the registry's two values, and when it gives the one message; and
// where the box opens.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "about/about_layout.h"
#include "about/sysinfo.h"
#include "tests/support/std_text.h"

using namespace velmora;
using namespace velmora::about;

namespace {

// The system as the lookup sees it; every value asked for and program started is recorded.
struct FakeSystem : SysInfoSystem {
    std::map<std::string, StoredValue> values;  // by value name
    std::set<std::string> files = {"C:\\Tools\\MSINFO32.EXE"}, programs = files;
    std::vector<std::string> asked, started;
    int messages = 0;

    bool queryValue(std::uint32_t root, const Text&, const Text& name, std::size_t room, StoredValue& out) override
    {
        asked.push_back(str(name));
        const auto it = values.find(str(name));
        if (root != kLocalMachine || it == values.end() || it->second.data.size() > room) return false;
        out = it->second;
        return true;
    }
    bool normalFileExists(const Text& path) override { return files.count(str(path)) > 0; }
    Status startProgram(const Text& path) override
    {
        started.push_back(str(path));
        return programs.count(str(path)) ? Status() : Status(53, "File not found");
    }
    void showMessage(const Text& text, const Text& caption) override
    {
        messages += text == "System Information Is Unavailable At This Time" && caption == "Velmora";
    }
};

}  // namespace

TEST(StartSysInfo, PathFirstThenTheFolderWhenItHoldsTheToolElseTheOneMessage)
{
    const std::string tool = "C:\\Tools\\MSINFO32.EXE";
    const struct {
        const char* name;
        std::function<void(FakeSystem&)> arrange;
        std::vector<std::string> asked, started;
    } cases[] = {
        {"path", [](FakeSystem& s) { s.values["PATH"] = storedText("C:\\i.exe"), s.programs.insert("C:\\i.exe"); },
         {"PATH"}, {"C:\\i.exe"}},
        {"path to a missing program", [](FakeSystem& s) { s.values["PATH"] = storedText("C:\\gone.exe"); }, {"PATH"}, {"C:\\gone.exe"}},
        {"folder", [](FakeSystem&) {}, {"PATH", "MSINFO"}, {tool}},
        {"path too long", [](FakeSystem& s) { s.values["PATH"] = {regtype::Sz, Bytes(1025)}; }, {"PATH", "MSINFO"}, {tool}},
        {"path with no data", [](FakeSystem& s) { s.values["PATH"] = {regtype::Sz, {}}; }, {"PATH"}, {}},
        {"path beyond 32 bits", [](FakeSystem& s) { s.values["PATH"] = {regtype::Dword, {1, 0, 0, 0, 1}}; }, {"PATH"}, {}},
        {"folder with two zeros", [](FakeSystem& s) { s.values["MSINFO"] = storedText(std::string("C:\\Tools\0", 9)); },
         {"PATH", "MSINFO"}, {tool}},
        {"folder without the tool", [](FakeSystem& s) { s.files.clear(); }, {"PATH", "MSINFO"}, {}},
        {"tool that will not start", [](FakeSystem& s) { s.programs.clear(); }, {"PATH", "MSINFO"}, {tool}},
        {"neither value", [](FakeSystem& s) { s.values.clear(); }, {"PATH", "MSINFO"}, {}},
    };
    for (const auto& c : cases) {
        FakeSystem sys;
        sys.values["MSINFO"] = storedText("C:\\Tools");
        c.arrange(sys);
        StartSysInfo(sys);
        EXPECT_EQ(sys.asked, c.asked) << c.name;
        EXPECT_EQ(sys.started, c.started) << c.name;
        const bool started = !c.started.empty() && sys.programs.count(c.started.back());
        EXPECT_EQ(sys.messages, started ? 0 : 1) << c.name;
    }
}

TEST(AboutPlace, CentredOverTheWindowInsideTheDesktopOfEveryMonitorElseThePrimaryScreen)
{
    using P = velmora::layout::Pixels;
    const struct {
        P owner, desktop;
        int left, top;
    } cases[] = {
        {{1500, 100, 400, 450}, {0, 0, 2048, 768}, 1550, 225},      // on the second monitor
        {{1900, 600, 400, 450}, {0, 0, 2048, 768}, 1748, 568},      // at its far edge
        {{-1000, -300, 400, 450}, {-1024, 0, 2048, 768}, -950, 0},  // a monitor left of the primary one
        {{100, 50, 100, 100}, {0, 0, 200, 150}, 0, 0},              // larger than the desktop
        {{900, 600, 400, 450}, {}, 724, 568},                       // none on Windows 95
    };
    for (const auto& c : cases) {
        const P at = about::layout::placeOver(c.owner, 300, 200, c.desktop, {0, 0, 1024, 768});
        EXPECT_EQ(std::make_tuple(at.left, at.top, at.width, at.height), std::make_tuple(c.left, c.top, 300, 200))
            << c.owner.left;
    }
}
