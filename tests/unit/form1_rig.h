#pragma once
// A main window's setting side on an in-memory registry, and the shapes of
// the call log it should leave.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app/memory_form1_controls.h"
#include "registry/memory_store.h"
#include "registry/regedit.h"

namespace velmora::test {

struct Rig {
    explicit Rig(char decimalSeparator = '.') : form(reg, ui.controls(), decimalSeparator) {}
    MemoryStore store;
    RegEdit reg{store, &store};
    MemoryForm1Controls ui;
    Form1 form;
};

using Procedure = void (Form1::*)();

// Written out in full here, so that a wrong key in the code cannot also be wrong in the test.
constexpr std::int32_t LM = hive::LocalMachine;
constexpr std::int32_t CC = hive::CurrentConfig;
inline const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
inline const std::string kAdapter = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
inline const std::string kDefault = kDriver + "\\DEFAULT";
inline const std::string kD3D = kDriver + "\\D3D";
inline const std::string kGlide = kDriver + "\\Glide";
inline const std::string kDisplay = "Display\\Settings";

using Log = std::vector<std::string>;

// The 25 loaders and readers in the order of the load sequence, with what each reads.
struct LoaderRow {
    const char* procedure;
    Procedure run;
    std::int32_t root;
    std::string key;
    std::string name;
};

inline const std::vector<LoaderRow>& loaders()
{
    static const std::vector<LoaderRow> rows = {
        {"Product_Name", &Form1::Product_Name, LM, kDriver, "DriverDesc"},
        {"Manufacturer", &Form1::Manufacturer, LM, kDriver, "ProviderName"},
        {"Bios_Version", &Form1::Bios_Version, LM, kAdapter, "BIOS Version"},
        {"Driver_Version", &Form1::Driver_Version, LM, kDriver, "Ver"},
        {"Driver_Date", &Form1::Driver_Date, LM, kDriver, "DriverDate"},
        {"Bus_Type", &Form1::Bus_Type, LM, kAdapter, "Bus Type"},
        {"Memory_Type", &Form1::Memory_Type, LM, kAdapter, "Memory Type"},
        {"Total_Video_Memory", &Form1::Total_Video_Memory, LM, kAdapter, "Total Video Memory"},
        {"Lcd", &Form1::Lcd, LM, kAdapter, "LCD"},
        {"Tv_Out", &Form1::Tv_Out, LM, kAdapter, "TV Out"},
        {"Grxclock", &Form1::Grxclock, LM, kDefault, "Grxclock"},
        {"Checkclk", &Form1::Checkclk, LM, kDefault, "CheckClk"},
        {"SSTH3_SWAPINTERVAL", &Form1::SSTH3_SWAPINTERVAL, LM, kD3D, "SSTH3_SWAPINTERVAL"},
        {"SSTH3_ANTIALIAS", &Form1::SSTH3_ANTIALIAS, LM, kD3D, "SSTH3_ANTIALIAS"},
        {"SSTH3_OVERLAYMODE", &Form1::SSTH3_OVERLAYMODE, LM, kD3D, "SSTH3_OVERLAYMODE"},
        {"SSTH3_ALPHADITHERMODE", &Form1::SSTH3_ALPHADITHERMODE, LM, kD3D, "SSTH3_ALPHADITHERMODE"},
        {"FX_GLIDE_SWAPINTERVAL", &Form1::FX_GLIDE_SWAPINTERVAL, LM, kGlide, "FX_GLIDE_SWAPINTERVAL"},
        {"FX_GLIDE_NO_SPLASH", &Form1::FX_GLIDE_NO_SPLASH, LM, kGlide, "FX_GLIDE_NO_SPLASH"},
        {"FX_GLIDE_LOD_DITHER", &Form1::FX_GLIDE_LOD_DITHER, LM, kGlide, "FX_GLIDE_LOD_DITHER"},
        {"FX_GLIDE_ALLOC_COLOR", &Form1::FX_GLIDE_ALLOC_COLOR, LM, kGlide, "FX_GLIDE_ALLOC_COLOR"},
        {"FX_GLIDE_TMU_MEMSIZE", &Form1::FX_GLIDE_TMU_MEMSIZE, LM, kGlide, "FX_GLIDE_TMU_MEMSIZE"},
        {"SSTH3_OVERLAYMODE_GLIDE", &Form1::SSTH3_OVERLAYMODE_GLIDE, LM, kGlide, "SSTH3_OVERLAYMODE"},
        {"SSTH3_ALPHADITHERMODE_GLIDE", &Form1::SSTH3_ALPHADITHERMODE_GLIDE, LM, kGlide, "SSTH3_ALPHADITHERMODE"},
        {"Advanced", &Form1::Advanced, CC, kDisplay, "Advanced"},
        {"RefreshRate", &Form1::RefreshRate, CC, kDisplay, "RefreshRate"},
    };
    return rows;
}

inline Log readLog(std::int32_t root, const std::string& key, const std::string& name)
{
    return {"RootKey Long(" + std::to_string(root) + ")", "KeyPath Text(\"" + key + "\")",
            "ValueName Text(\"" + name + "\")", "ReadValue"};
}

inline Log writeLog(std::int32_t root, const std::string& key, std::int32_t type, const std::string& name,
                    const std::string& value)
{
    return {"RootKey Long(" + std::to_string(root) + ")", "KeyPath Text(\"" + key + "\")",
            "ValueType Long(" + std::to_string(type) + ")", "ValueName Text(\"" + name + "\")", "Value " + value,
            "WriteValue"};
}

inline Log removeLog(std::int32_t root, const std::string& key, const std::string& name)
{
    return {"RootKey Long(" + std::to_string(root) + ")", "KeyPath Text(\"" + key + "\")",
            "ValueName Text(\"" + name + "\")", "DeleteValue"};
}

// Numbers of the selected option buttons, across all five frames.
inline std::vector<int> selectedOptions(const MemoryForm1Controls& ui)
{
    const MemoryOptionButton* all[] = {&ui.Option1,  &ui.Option2,  &ui.Option3,  &ui.Option4, &ui.Option5,
                                       &ui.Option6,  &ui.Option7,  &ui.Option8,  &ui.Option9, &ui.Option10,
                                       &ui.Option11, &ui.Option12, &ui.Option13, &ui.Option14};
    std::vector<int> out;
    for (int i = 0; i < 14; ++i)
        if (all[i]->value()) out.push_back(i + 1);
    return out;
}

// Every control a user would see, in one line: value labels, clock label and
// slider, the nine box states, the selected options.
inline std::string snapshot(const MemoryForm1Controls& ui)
{
    std::string s;
    for (const MemoryLabel* l : {&ui.Label11, &ui.Label12, &ui.Label13, &ui.Label14, &ui.Label15, &ui.Label16,
                                 &ui.Label17, &ui.Label18, &ui.Label19, &ui.Label20})
        s += l->caption() + "|";
    s += ui.Label23.caption() + "@" + std::to_string(ui.Slider1.value()) + " boxes ";
    for (const MemoryCheckBox* c : {&ui.Check1, &ui.Check2, &ui.Check3, &ui.Check4, &ui.Check5, &ui.Check6,
                                    &ui.Check7, &ui.Check8, &ui.Check9})
        s += std::to_string(c->value());
    s += " options";
    for (int n : selectedOptions(ui)) s += " " + std::to_string(n);
    return s;
}

}  // namespace velmora::test
