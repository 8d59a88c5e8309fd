// The About dialog of the real program: how it opens and closes over the main window, and how
// "System Info..." finds and starts a stand-in tool that records each start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "about/about_layout.h"
#include "tests/e2e/harness.h"

using namespace e2e;
namespace L = velmora::about::layout;

namespace {

const std::string kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

struct AboutTest : ::testing::Test {
    // A folder of each test's own in the throwaway prefix, where the stand-in records its starts.
    const std::string work = "C:\\velmora-e2e-" + std::to_string(GetTickCount()), log = work + "\\started.log";
    std::unique_ptr<App> app;
    HWND dialog = nullptr;

    void SetUp() override
    {
        CreateDirectoryA(work.c_str(), nullptr);
        SetEnvironmentVariableA("VELMORA_STANDIN_LOG", log.c_str());  // passed on by the program
        app = std::make_unique<App>();
        app->click("Command3");
        waitUntil([&] { return (dialog = findWindow(app->pid(), L::kCaption, "#32770")) != nullptr; });
    }
    // A copy of the stand-in at work\name, its folder made as needed.
    std::string placeTool(const std::string& name)
    {
        const std::string path = work + "\\" + name;
        CreateDirectoryA(path.substr(0, path.rfind('\\')).c_str(), nullptr);
        CopyFileA(besideThis("sysinfo_standin.exe").c_str(), path.c_str(), FALSE);
        return path;
    }
    // Presses "System Info..." (posted: it may wait in a message box); each start as "path|show state", or "message".
    std::vector<std::string> pressSysInfo(std::size_t starts)
    {
        // The button's command itself: a click may be lost while the tool started before holds the activation.
        HWND button = GetDlgItem(dialog, L::kSysInfoId);
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(L::kSysInfoId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        std::vector<std::string> out;
        HWND box = nullptr;
        waitUntil([&] {
            out.clear();
            if (FILE* f = std::fopen(log.c_str(), "rb")) {
                for (char line[1024]; std::fgets(line, sizeof line, f);) out.emplace_back(line, std::strcspn(line, "\r\n"));
                std::fclose(f);
            }
            return out.size() >= starts && (starts || (box = findWindow(app->pid(), "Velmora", "#32770")));
        });
        if (box && !GetDlgItem(box, IDCANCEL)) {  // the message has an OK button only
            out.push_back("message");
            SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        }
        return out;
    }
};

}  // namespace

TEST_F(AboutTest, OpensWithoutWaitingAndKeepsTheWindowDisabledUntilClosedThenTheFocusIsBack)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"OK", [](HWND d) { SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }},
        {"Enter", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 1); }},
        {"Esc", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    App::screenshot(dialog, "about");
    for (const auto& [way, close] : ways) {
        ASSERT_NE(dialog, nullptr) << way;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), app->window()) << way;
        EXPECT_FALSE(IsWindowEnabled(app->window())) << way;
        close(dialog);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog) && IsWindowEnabled(app->window()); })) << way;
        EXPECT_TRUE(waitUntil([&] { return app->focus() == app->control("Command3"); })) << way;  // pressed to open it
        app->click("Command3");
        waitUntil([&] { return (dialog = findWindow(app->pid(), L::kCaption, "#32770")) != nullptr; });
    }
}

// Without a PATH the folder serves only when it holds the tool as a normal
// file; a PATH is started whole, in a normal window, at every press.
TEST_F(AboutTest, SystemInfoStartsTheWholePathElseTheToolInTheFolderInANormalWindow)
{
    putText(LM, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", work);
    CreateDirectoryA((work + "\\MSINFO32.EXE").c_str(), nullptr);  // a folder of the tool's name
    EXPECT_EQ(pressSysInfo(0), std::vector<std::string>{"message"});
    RemoveDirectoryA((work + "\\MSINFO32.EXE").c_str());
    const std::string inFolder = placeTool("MSINFO32.EXE");
    SetFileAttributesA(inFolder.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(pressSysInfo(0), std::vector<std::string>{"message"});
    SetFileAttributesA(inFolder.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string normal = "|" + std::to_string(SW_SHOWNORMAL);
    EXPECT_EQ(pressSysInfo(1), std::vector<std::string>{inFolder + normal});

    const std::string tool = placeTool("Info Tool\\info.exe");
    placeTool("Info.exe");  // what the path's first word would start
    putText(LM, kInfoKey, "PATH", tool);
    EXPECT_EQ(pressSysInfo(2), (std::vector<std::string>{inFolder + normal, tool + normal}));
    EXPECT_EQ(pressSysInfo(3), (std::vector<std::string>{inFolder + normal, tool + normal, tool + normal}));
}
