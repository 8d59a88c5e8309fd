// The About dialog in the real program under Wine: how it opens and closes
// against the main window, how it looks, and how "System Info..." finds and
// starts a stand-in tool that records each start.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "about/about_layout.h"
#include "app/layout.h"
#include "app/win32/gdi.h"
#include "tests/e2e/harness.h"

namespace L = velmora::about::layout;
namespace layout = velmora::layout;

namespace {

const std::string kWork = "C:\\velmora-e2e";
const std::string kLog = kWork + "\\started.log";
const std::string kMessage = "System Information Is Unavailable At This Time";
const std::string kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::string exeDir()
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

void removeTree(const std::string& dir)
{
    WIN32_FIND_DATAA f;
    HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &f);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = f.cFileName, path = dir + "\\" + name;
            if (name == "." || name == "..") continue;
            if (f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(h, &f));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

// A copy of the stand-in at `path`, its folders made as needed.
void placeStandIn(const std::string& path)
{
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (!CopyFileA((exeDir() + "sysinfo_standin.exe").c_str(), path.c_str(), FALSE))
        throw std::runtime_error("cannot copy the stand-in to " + path);
}

struct Start {
    std::string path;
    int show;  // wShowWindow, or -1 when no show state was given
};

std::vector<Start> starts()
{
    std::vector<Start> out;
    FILE* f = std::fopen(kLog.c_str(), "rb");
    if (!f) return out;
    char line[1024];
    while (std::fgets(line, sizeof line, f)) {
        std::string s = line;
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        const auto bar = s.rfind('|');
        if (bar != std::string::npos) out.push_back({s.substr(0, bar), std::stoi(s.substr(bar + 1))});
    }
    std::fclose(f);
    return out;
}

bool waitUntil(const std::function<bool()>& done, DWORD ms = 10000)
{
    for (DWORD start = GetTickCount(); !done(); Sleep(50))
        if (GetTickCount() - start >= e2e::patience(ms)) return false;
    return true;
}

// Waits for `count` starts, then a little longer for any that should not come.
std::vector<Start> startsAfter(std::size_t count)
{
    waitUntil([&] { return starts().size() >= count; });
    Sleep(500);
    return starts();
}

std::string textOf(HWND h)
{
    char buf[512] = {};
    GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

std::string classOf(HWND h)
{
    char buf[64] = {};
    GetClassNameA(h, buf, sizeof buf);
    return buf;
}

struct DialogSearch {
    DWORD pid;
    std::string caption;
    HWND found;
};

BOOL CALLBACK matchDialog(HWND h, LPARAM lp)
{
    auto* s = reinterpret_cast<DialogSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner != s->pid || !IsWindowVisible(h) || classOf(h) != "#32770" || textOf(h) != s->caption) return TRUE;
    s->found = h;
    return FALSE;
}

// A shown top-level dialog of the process with exactly this caption.
HWND findDialog(DWORD pid, const std::string& caption)
{
    DialogSearch s{pid, caption, nullptr};
    EnumWindows(matchDialog, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

struct TextSearch {
    std::string text;
    bool found;
};

BOOL CALLBACK matchText(HWND h, LPARAM lp)
{
    auto* s = reinterpret_cast<TextSearch*>(lp);
    s->found = textOf(h) == s->text;
    return !s->found;
}

bool hasChildText(HWND parent, const std::string& text)
{
    TextSearch s{text, false};
    EnumChildWindows(parent, matchText, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

COLORREF pixel(HWND h, int x, int y)
{
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(h, dc);
    return c;
}

int countPixels(HWND h, const RECT& r, const std::function<bool(COLORREF)>& match)
{
    HDC dc = GetDC(h);
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += match(GetPixel(dc, x, y));
    ReleaseDC(h, dc);
    return n;
}

RECT childRect(HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE textExtent(const std::string& text, layout::Font f, int dpi)
{
    const velmora::Font font = velmora::designFont(f, dpi);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.get());
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    size.cy = tm.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size;
}

// Everyone may read the key (and change this again), nothing more.
void setReadOnly(const std::string& key, bool readOnly)
{
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    std::vector<BYTE> acl(256);
    InitializeAcl(reinterpret_cast<PACL>(acl.data()), static_cast<DWORD>(acl.size()), ACL_REVISION);
    AddAccessAllowedAce(reinterpret_cast<PACL>(acl.data()), ACL_REVISION, KEY_READ | WRITE_DAC, everyone);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, readOnly ? reinterpret_cast<PACL>(acl.data()) : nullptr, FALSE);
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, WRITE_DAC, &k) == ERROR_SUCCESS) {
        RegSetKeySecurity(k, DACL_SECURITY_INFORMATION, &sd);
        RegCloseKey(k);
    }
    FreeSid(everyone);
}

std::string regString(const std::string& s)
{
    std::string out;
    for (char c : s) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return out;
}

struct AboutTest : ::testing::Test {
    std::unique_ptr<e2e::App> app;

    void SetUp() override
    {
        e2e::resetRegistry();
        removeTree(kWork);
        CreateDirectoryA(kWork.c_str(), nullptr);
        SetEnvironmentVariableA("VELMORA_STANDIN_LOG", kLog.c_str());  // the program passes it on
    }
    void TearDown() override
    {
        app.reset();
        setReadOnly(kInfoKey, false);
        e2e::resetRegistry();
        removeTree(kWork);
    }

    void setPath(const std::string& path)
    {
        e2e::applyRegText("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + kInfoKey + "]\n\"PATH\"=\"" + regString(path) + "\"\n");
    }
    void setFolder(const std::string& folder)
    {
        e2e::applyRegText("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\" + kLocationKey + "]\n\"MSINFO\"=\"" + regString(folder) +
                          "\"\n");
    }

    DWORD pid() const
    {
        DWORD p = 0;
        GetWindowThreadProcessId(app->window(), &p);
        return p;
    }
    HWND main() const { return app->window(); }

    HWND openAbout()
    {
        if (!app) app = std::make_unique<e2e::App>();
        app->click(layout::get("Command3").id);
        HWND dialog = nullptr;
        waitUntil([&] { return (dialog = findDialog(pid(), L::kCaption)) != nullptr; });
        return dialog;
    }

    // Posted: the handler may wait in a message box.
    static void pressSysInfo(HWND dialog) { PostMessageA(GetDlgItem(dialog, L::kSysInfoId), BM_CLICK, 0, 0); }

    // Waits for the message box, checks it and closes it with its OK button.
    bool answerMessage()
    {
        HWND box = nullptr;
        if (!waitUntil([&] { return (box = findDialog(pid(), "Velmora")) != nullptr; })) return false;
        EXPECT_TRUE(hasChildText(box, kMessage));
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK button only";
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        return waitUntil([&] { return !IsWindow(box); });
    }
    bool messageShown() { return findDialog(pid(), "Velmora") != nullptr; }
};

}  // namespace

TEST_F(AboutTest, MainWindowStaysDisabledUntilOkEnterEscOrTheCloseBox)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"OK", [](HWND d) { SendMessageA(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }},
        {"Enter", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 1); }},
        {"Esc", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [way, close] : ways) {
        HWND dialog = openAbout();
        ASSERT_NE(dialog, nullptr) << way;
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), main()) << way;
        EXPECT_FALSE(IsWindowEnabled(main())) << way;
        EXPECT_TRUE(IsWindowEnabled(dialog)) << way;
        close(dialog);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); })) << way;
        EXPECT_TRUE(IsWindowEnabled(main())) << way;
    }
    EXPECT_TRUE(app->running());
}

TEST_F(AboutTest, DialogLooksAsDesigned)
{
    HWND dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) << "a dialog frame without an icon";

    const int dpi = velmora::screenDpi();
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, layout::toPixels(L::kClientWidth, dpi));
    EXPECT_EQ(client.bottom, layout::toPixels(L::kClientHeight, dpi));

    for (const layout::Control& c : L::controls()) {
        if (c.kind == layout::Kind::Picture) continue;
        HWND h = GetDlgItem(dialog, c.id);
        ASSERT_NE(h, nullptr) << c.name;
        EXPECT_EQ(textOf(h), c.caption) << c.name;
        const layout::Pixels want = layout::toPixels(c.rect, dpi);
        const RECT r = childRect(h);
        EXPECT_EQ(r.left, want.left) << c.name;
        EXPECT_EQ(r.top, want.top) << c.name;
        if (!c.has(layout::AutoSize)) {
            EXPECT_EQ(r.right - r.left, want.width) << c.name;
            EXPECT_EQ(r.bottom - r.top, want.height) << c.name;
        }
        // A font belongs to its process: an AutoSize label shows it by fitting
        // its text as this font, of the designed face and weight, measures it.
        if (c.has(layout::AutoSize)) {
            const SIZE text = textExtent(c.caption, c.font, dpi);
            EXPECT_EQ(r.right - r.left, text.cx) << c.name;
            EXPECT_EQ(r.bottom - r.top, text.cy) << c.name;
        }
    }
    EXPECT_EQ(GetWindowLongA(GetDlgItem(dialog, IDOK), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);

    // What is drawn: the etched separator, coloured texts and the flag.
    UpdateWindow(dialog);
    const int x = layout::toPixels(2000, dpi), grey = layout::toPixels(2445, dpi), white = layout::toPixels(2460, dpi);
    EXPECT_EQ(pixel(dialog, x, grey), RGB(128, 128, 128));
    EXPECT_EQ(pixel(dialog, x, white), RGB(255, 255, 255));
    EXPECT_EQ(pixel(dialog, x, white + 1), RGB(255, 255, 255));
    EXPECT_EQ(pixel(dialog, x, white + 2), GetSysColor(COLOR_BTNFACE));
    auto is = [](COLORREF want) { return [want](COLORREF c) { return c == want; }; };
    EXPECT_GT(countPixels(dialog, childRect(GetDlgItem(dialog, L::get("Label7").id)), is(RGB(0, 0, 255))), 20);
    EXPECT_GT(countPixels(dialog, childRect(GetDlgItem(dialog, L::get("Label9").id)), is(RGB(0, 0, 255))), 20);
    EXPECT_GT(countPixels(dialog, childRect(GetDlgItem(dialog, L::get("lblDisclaimer").id)), is(RGB(0, 0, 0))), 20);
    const layout::Pixels flag = layout::toPixels(L::get("Image1").rect, dpi);
    const RECT flagBox = {flag.left, flag.top, flag.left + flag.width, flag.top + flag.height};
    EXPECT_EQ(countPixels(dialog, flagBox, is(GetSysColor(COLOR_BTNFACE))), 0) << "the picture fills its box";

    char shot[MAX_PATH];
    if (GetEnvironmentVariableA("VELMORA_ABOUT_SHOT", shot, sizeof shot)) e2e::saveScreenshot(dialog, shot);
}

TEST_F(AboutTest, PathNamingTheToolStartsItInANormalWindowOnEveryPress)
{
    const std::string tool = kWork + "\\tool\\info.exe";
    placeStandIn(tool);
    setPath(tool);
    HWND dialog = openAbout();
    ASSERT_NE(dialog, nullptr);

    pressSysInfo(dialog);
    ASSERT_EQ(startsAfter(1).size(), 1u);
    // Alt+S presses it too.
    PostMessageA(GetDlgItem(dialog, IDOK), WM_SYSCHAR, 's', 1 << 29);
    const auto s = startsAfter(2);
    ASSERT_EQ(s.size(), 2u);
    for (const Start& start : s) {
        EXPECT_EQ(start.path, tool);
        EXPECT_EQ(start.show, SW_SHOWNORMAL);
    }
    EXPECT_FALSE(messageShown());
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_FALSE(IsWindowEnabled(main()));
}

TEST_F(AboutTest, PathWithSpacesStartsTheWholePathNeverItsFirstWord)
{
    const std::string tool = kWork + "\\Info Tool\\info.exe", decoy = kWork + "\\Info.exe";
    placeStandIn(tool);
    placeStandIn(decoy);
    setPath(tool);
    HWND dialog = openAbout();
    pressSysInfo(dialog);
    const auto s = startsAfter(1);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].path, tool);
}

TEST_F(AboutTest, PathNamingAMissingFileGivesTheMessageAndLeavesTheFolderUntried)
{
    placeStandIn(kWork + "\\folder\\MSINFO32.EXE");
    setPath(kWork + "\\gone\\info.exe");
    setFolder(kWork + "\\folder");
    HWND dialog = openAbout();
    pressSysInfo(dialog);
    EXPECT_TRUE(answerMessage());
    EXPECT_TRUE(startsAfter(0).empty());
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open";
}

TEST_F(AboutTest, FolderIsUsedWhenPathIsMissingOrTooLong)
{
    const std::string tool = kWork + "\\folder\\MSINFO32.EXE";
    placeStandIn(tool);
    setFolder(kWork + "\\folder");
    HWND dialog = openAbout();
    pressSysInfo(dialog);
    ASSERT_EQ(startsAfter(1).size(), 1u);

    setPath(kWork + "\\tool\\" + std::string(1100, 'x') + ".exe");  // over the 1024-byte buffer
    pressSysInfo(dialog);
    const auto s = startsAfter(2);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].path, tool);
    EXPECT_EQ(s[1].path, tool);
    EXPECT_FALSE(messageShown());
}

TEST_F(AboutTest, NoToolToBeFoundGivesTheMessageEachTime)
{
    HWND dialog = openAbout();
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"neither value", [] {}},
        {"a folder without the tool", [&] {
             CreateDirectoryA((kWork + "\\empty").c_str(), nullptr);
             setFolder(kWork + "\\empty");
         }},
        {"the tool hidden", [&] {
             placeStandIn(kWork + "\\hidden\\MSINFO32.EXE");
             SetFileAttributesA((kWork + "\\hidden\\MSINFO32.EXE").c_str(), FILE_ATTRIBUTE_HIDDEN);
             setFolder(kWork + "\\hidden");
         }},
        {"a folder named as the tool", [&] {
             CreateDirectoryA((kWork + "\\dir").c_str(), nullptr);
             CreateDirectoryA((kWork + "\\dir\\MSINFO32.EXE").c_str(), nullptr);
             setFolder(kWork + "\\dir");
         }},
    };
    for (const auto& [name, arrange] : cases) {
        arrange();
        pressSysInfo(dialog);
        EXPECT_TRUE(answerMessage()) << name;
    }
    EXPECT_TRUE(startsAfter(0).empty());
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(AboutTest, KeysThatAllowOnlyReadingStillFindTheTool)
{
    const std::string tool = kWork + "\\tool\\info.exe";
    placeStandIn(tool);
    setPath(tool);
    setReadOnly(kInfoKey, true);
    HKEY k;
    ASSERT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kInfoKey.c_str(), 0, KEY_ALL_ACCESS, &k), ERROR_SUCCESS)
        << "full access must be refused for this test to mean anything";

    HWND dialog = openAbout();
    pressSysInfo(dialog);
    const auto s = startsAfter(1);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].path, tool);
    EXPECT_FALSE(messageShown());
}
