// Registry data that no driver writes, read through the real advapi32:
// texts of a megabyte, larger than any first read, and the program's keys
// crowded with values that are not its own, which "Apply" and "Exit" leave
// byte for byte.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

struct Place {
    HKEY root;
    std::string key, name;
};

// Every value the program reads; the first ten are the Information tab's.
const Place kOurs[] = {
    {LM, kDriver, "DriverDesc"},      {LM, kDriver, "ProviderName"},       {LM, kAdapter, "BIOS Version"},
    {LM, kDriver, "Ver"},             {LM, kDriver, "DriverDate"},         {LM, kAdapter, "Bus Type"},
    {LM, kAdapter, "Memory Type"},    {LM, kAdapter, "Total Video Memory"}, {LM, kAdapter, "LCD"},
    {LM, kAdapter, "TV Out"},         {LM, kDefault, "Grxclock"},          {LM, kDefault, "CheckClk"},
    {LM, kD3D, "SSTH3_SWAPINTERVAL"}, {LM, kD3D, "SSTH3_ANTIALIAS"},       {LM, kD3D, "SSTH3_OVERLAYMODE"},
    {LM, kD3D, "SSTH3_ALPHADITHERMODE"}, {LM, kGlide, "FX_GLIDE_SWAPINTERVAL"}, {LM, kGlide, "FX_GLIDE_NO_SPLASH"},
    {LM, kGlide, "FX_GLIDE_LOD_DITHER"}, {LM, kGlide, "FX_GLIDE_ALLOC_COLOR"}, {LM, kGlide, "FX_GLIDE_TMU_MEMSIZE"},
    {LM, kGlide, "SSTH3_OVERLAYMODE"},   {LM, kGlide, "SSTH3_ALPHADITHERMODE"}, {CC, kSettings, "Advanced"},
    {CC, kSettings, "RefreshRate"},
};
const char* const kTextLabels[] = {"Label11", "Label12", "Label13", "Label14", "Label15",
                                   "Label16", "Label17", "Label18", "Label19", "Label20"};

std::string lineOf(const Place& p) { return (p.root == LM ? "HKLM\\" : "HKCC\\") + p.key + "\\" + p.name + " = "; }

// The exported lines of values that are not the program's.
std::vector<std::string> others(const std::vector<std::string>& lines)
{
    std::set<std::string> ours;
    for (const Place& p : kOurs) ours.insert(lineOf(p));
    std::vector<std::string> out;
    for (const std::string& line : lines)
        if (line.find(" = ") == std::string::npos || !ours.count(line.substr(0, line.find(" = ") + 3))) out.push_back(line);
    return out;
}

struct HostileTest : ::testing::Test {
    void SetUp() override { resetRegistry(); }
    void TearDown() override { resetRegistry(); }
};

}  // namespace

TEST_F(HostileTest, TextsOfAMegabyteShowWhole)
{
    const std::string body(std::size_t{1} << 20, 'V');
    for (int i = 0; i < 10; ++i) putText(kOurs[i].root, kOurs[i].key, kOurs[i].name, "  " + body);
    putText(LM, kDefault, "Grxclock", std::string(std::size_t{1} << 20, ' ') + "180");
    App app;
    for (const char* label : kTextLabels) EXPECT_TRUE(app.text(label) == body) << label;
    EXPECT_EQ(app.slider(), 180);
    app.click("Command1");
    EXPECT_EQ(stored(LM, kDefault, "Grxclock"), sz("180"));
}

TEST_F(HostileTest, ApplyAndExitChangeNoValueThatIsNotTheirs)
{
    importFixture("demo.reg");
    // Hundreds of strangers: beside ours, in a second adapter under our names, names close to ours.
    const DWORD types[] = {REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ, REG_NONE, REG_QWORD};
    for (const std::string& key : {kDriver, kDefault, kD3D, kGlide, kAdapter, kClass + "\\0001\\D3D", kSettings})
        for (int i = 0; i < 40; ++i)
            put(key == kSettings ? CC : LM, key, "Foreign" + std::to_string(i), types[i % 7], std::string(4, char('a' + i)));
    for (const Place& p : kOurs) {
        putText(p.root, p.key, p.name + " ", "1");
        putText(p.root, p.key + "\\" + p.name, "", "1");  // a key where a value should be
    }
    const auto before = exportKeys();
    {
        App app;
        for (const char* control : {"Check2", "Option1", "Option13", "Command1", "Command1", "Command2"}) app.click(control);
        EXPECT_EQ(app.waitExit(), 0u);
    }
    const auto after = exportKeys();
    EXPECT_GT(others(before).size(), 300u);
    EXPECT_EQ(others(after), others(before));
    EXPECT_NE(after, before);  // "Apply" did write
    {
        App app;
        app.click("Check4");
        app.click("Command2");
        EXPECT_EQ(app.waitExit(), 0u);
    }
    EXPECT_EQ(exportKeys(), after);
}
