// The About dialog in the real program under Wine: how it opens and closes
// against the main window, and how "System Info..." finds and starts a
// stand-in tool that records each start.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

#include "about/about_layout.h"
#include "tests/e2e/harness.h"

using namespace e2e;
namespace L = velmora::about::layout;

namespace {

const std::string kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A copy of the stand-in at `path`, its folders made as needed.
void placeStandIn(const std::string& path)
{
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (!CopyFileA(besideThis("sysinfo_standin.exe").c_str(), path.c_str(), FALSE))
        throw std::runtime_error("cannot copy to " + path);
}

// Each start the stand-in recorded in `log`: its path and the show state it was given.
std::vector<std::string> startsIn(const std::string& log, std::size_t atLeast)
{
    std::vector<std::string> out;
    waitUntil([&] {
        out.clear();
        if (FILE* f = std::fopen(log.c_str(), "rb")) {
            for (char line[1024]; std::fgets(line, sizeof line, f);) out.push_back(std::string(line, std::strcspn(line, "\r\n")));
            std::fclose(f);
        }
        return out.size() >= atLeast;
    });
    Sleep(500);  // and a little longer, for any start that should not come
    return out;
}

// Everyone may read the key (and change this again), nothing more.
void setReadOnly(const std::string& key, bool readOnly)
{
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    BYTE acl[256];
    InitializeAcl(reinterpret_cast<PACL>(acl), sizeof acl, ACL_REVISION);
    AddAccessAllowedAce(reinterpret_cast<PACL>(acl), ACL_REVISION, KEY_READ | WRITE_DAC, everyone);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, readOnly ? reinterpret_cast<PACL>(acl) : nullptr, FALSE);
    HKEY k;
    if (RegOpenKeyExA(LM, key.c_str(), 0, WRITE_DAC, &k) == ERROR_SUCCESS) {
        RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, &sd);
        RegCloseKey(k);
    }
    FreeSid(everyone);
}

struct AboutTest : ::testing::Test {
    // A folder of each test's own in the throwaway prefix.
    const std::string kWork = "C:\\velmora-e2e-" + std::to_string(GetTickCount());
    std::unique_ptr<App> app;
    HWND dialog = nullptr;

    void SetUp() override
    {
        resetRegistry();
        CreateDirectoryA(kWork.c_str(), nullptr);
        SetEnvironmentVariableA("VELMORA_STANDIN_LOG", (kWork + "\\started.log").c_str());  // passed on by the program
        app = std::make_unique<App>();
    }
    void TearDown() override
    {
        app.reset();
        setReadOnly(kInfoKey, false);
        resetRegistry();
    }
    std::vector<std::string> starts(std::size_t atLeast) { return startsIn(kWork + "\\started.log", atLeast); }
    HWND open()
    {
        app->click("Command3");
        waitUntil([&] { return (dialog = findWindow(app->pid(), L::kCaption, "#32770")) != nullptr; });
        return dialog;
    }
    // Posted: the handler may wait in a message box.
    void pressSysInfo() { PostMessageA(GetDlgItem(dialog, L::kSysInfoId), BM_CLICK, 0, 0); }
    // Waits for the message, checks it has an OK button only, and closes it.
    bool answered()
    {
        HWND box = nullptr;
        if (!waitUntil([&] { return (box = findWindow(app->pid(), "Velmora", "#32770")) != nullptr; })) return false;
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return waitUntil([&] { return !IsWindow(box); });
    }
};

}  // namespace

TEST_F(AboutTest, OpensWithoutWaitingAndKeepsTheWindowDisabledUntilClosed)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"OK", [](HWND d) { SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }},
        {"Enter", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 1); }},
        {"Esc", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [way, close] : ways) {
        ASSERT_NE(open(), nullptr) << way;
        App::screenshot(dialog, "about");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), app->window()) << way;
        EXPECT_FALSE(IsWindowEnabled(app->window())) << way;
        close(dialog);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); })) << way;
        EXPECT_TRUE(IsWindowEnabled(app->window())) << way;
    }
}

TEST_F(AboutTest, SystemInfoStartsTheWholePathInANormalWindowAtEveryPress)
{
    const std::string tool = kWork + "\\Info Tool\\info.exe";
    placeStandIn(tool);
    placeStandIn(kWork + "\\Info.exe");  // what the path's first word would start
    putText(LM, kInfoKey, "PATH", tool);
    ASSERT_NE(open(), nullptr);
    pressSysInfo();
    ASSERT_EQ(starts(1).size(), 1u);
    PostMessageA(GetDlgItem(dialog, IDOK), WM_SYSCHAR, 's', 1 << 29);  // Alt+S presses it too
    EXPECT_EQ(starts(2), std::vector<std::string>(2, tool + "|" + std::to_string(SW_SHOWNORMAL)));
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(AboutTest, WithoutAPathTheFolderServesOnlyWhenItHoldsTheTool)
{
    const std::string folder = kWork + "\\folder", tool = folder + "\\MSINFO32.EXE";
    ASSERT_NE(open(), nullptr);
    const std::pair<const char*, std::function<void()>> missing[] = {
        {"neither value", [] {}},
        {"a folder without the tool", [&] {
             CreateDirectoryA(folder.c_str(), nullptr);
             putText(LM, kLocationKey, "MSINFO", folder);
         }},
        {"a folder named as the tool", [&] { CreateDirectoryA(tool.c_str(), nullptr); }},
        {"the tool hidden", [&] {
             RemoveDirectoryA(tool.c_str());
             placeStandIn(tool);
             SetFileAttributesA(tool.c_str(), FILE_ATTRIBUTE_HIDDEN);
         }},
        {"a path to nothing, the tool in the folder", [&] {
             SetFileAttributesA(tool.c_str(), FILE_ATTRIBUTE_NORMAL);
             putText(LM, kInfoKey, "PATH", kWork + "\\gone.exe");
         }},
    };
    for (const auto& [name, arrange] : missing) {
        arrange();
        pressSysInfo();
        EXPECT_TRUE(answered()) << name;
    }
    EXPECT_TRUE(starts(0).empty());
    putText(LM, kInfoKey, "PATH", kWork + "\\" + std::string(1100, 'x') + ".exe");  // beyond the lookup's buffer
    pressSysInfo();
    EXPECT_EQ(starts(1), std::vector<std::string>{tool + "|" + std::to_string(SW_SHOWNORMAL)});
}

TEST_F(AboutTest, KeysThatAllowOnlyReadingStillFindTheTool)
{
    const std::string tool = kWork + "\\tool\\info.exe";
    placeStandIn(tool);
    putText(LM, kInfoKey, "PATH", tool);
    setReadOnly(kInfoKey, true);
    HKEY k;
    ASSERT_NE(RegOpenKeyExA(LM, kInfoKey.c_str(), 0, KEY_ALL_ACCESS, &k), ERROR_SUCCESS)
        << "full access must be refused for this test to mean anything";
    ASSERT_NE(open(), nullptr);
    pressSysInfo();
    EXPECT_EQ(starts(1).size(), 1u);
}
