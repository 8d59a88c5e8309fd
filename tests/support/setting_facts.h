#pragma once
// Every setting as a user and the driver see it: where it lives, its control, codes, fallback and how Apply
// stores it; the one statement of the behaviour that the unit tests and the scenario target judge by.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "registry/store.h"
#include "tests/support/std_text.h"

namespace velmora {

enum class Shape {
    Text,      // the label shows the text without leading spaces; "Unknown"
    Clock,     // the label shows the number and the slider follows; "Default"
    Number,    // read as a number into the box; Apply writes 1 for checked, else 0
    Flag,      // codes "0" and "1" exactly; Apply writes 1 for checked, else 0
    Presence,  // any data checks the box; Apply writes its code or removes the value
    Choice,    // codes select options exactly; Apply writes the selected option's code
};

struct Setting {
    Shape shape;
    std::int32_t hive;
    std::string key;  // in HKEY_LOCAL_MACHINE, below the driver key
    std::string name;
    const char* control;  // the label, box or frame that shows the value
    std::vector<std::pair<std::string, std::string>> codes;  // stored code, what the control shows
    std::string fallback;                                     // shown when the value cannot be read
    std::uint32_t storedAs = regtype::Sz;
};

inline std::string keyOf(const Setting& s, const std::string& driverKey) { return s.hive == hive::LocalMachine ? driverKey + s.key : s.key; }

namespace facts {
constexpr std::int32_t LM = hive::LocalMachine, CC = hive::CurrentConfig;
const std::string kAdapter = "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";
const std::string kDefault = "\\DEFAULT", kD3D = "\\D3D", kGlide = "\\Glide", kDisplay = "Display\\Settings";
using Codes = std::vector<std::pair<std::string, std::string>>;
const Codes kBox = {{"0", "0"}, {"1", "1"}};
}  // namespace facts

// In the order of the load sequence.
inline const std::vector<Setting>& settings()
{
    using namespace facts;
    static const std::vector<Setting> all = {
        // Information
        {Shape::Text, LM, "", "DriverDesc", "Label11", {{"Voodoo3 3000 AGP", "Voodoo3 3000 AGP"}}, "Unknown"},
        {Shape::Text, LM, "", "ProviderName", "Label12", {{"3dfx", "3dfx"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "BIOS Version", "Label13", {{"2.18", "2.18"}}, "Unknown"},
        {Shape::Text, LM, "", "Ver", "Label14", {{"4.12", "4.12"}}, "Unknown"},
        {Shape::Text, LM, "", "DriverDate", "Label15", {{"11-15-2000", "11-15-2000"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "Bus Type", "Label16", {{"AGP", "AGP"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "Memory Type", "Label17", {{"SDRAM", "SDRAM"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "Total Video Memory", "Label18", {{"16 MB", "16 MB"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "LCD", "Label19", {{"No", "No"}}, "Unknown"},
        {Shape::Text, LM, kAdapter, "TV Out", "Label20", {{"Yes", "Yes"}}, "Unknown"},
        // Overclock
        {Shape::Clock, LM, kDefault, "Grxclock", "Label23", {{"180", "180"}, {"250", "250"}}, "Default"},
        {Shape::Number, LM, kDefault, "CheckClk", "Check1", kBox, "1", regtype::Dword},
        // DirectX Options
        {Shape::Presence, LM, kD3D, "SSTH3_SWAPINTERVAL", "Check2", {{"0", "1"}}, "0"},
        {Shape::Number, LM, kD3D, "SSTH3_ANTIALIAS", "Check3", kBox, "0"},
        {Shape::Choice, LM, kD3D, "SSTH3_OVERLAYMODE", "Frame4", {{"2", "Option1"}, {"1", "Option2"}, {"3", "Option3"}}, "Option2"},
        {Shape::Choice, LM, kD3D, "SSTH3_ALPHADITHERMODE", "Frame5", {{"2", "Option4"}, {"1", "Option5"}, {"3", "Option6"}}, "Option5"},
        // Glide Options
        {Shape::Presence, LM, kGlide, "FX_GLIDE_SWAPINTERVAL", "Check4", {{"0", "1"}}, "0"},
        {Shape::Presence, LM, kGlide, "FX_GLIDE_NO_SPLASH", "Check5", {{"1", "1"}}, "0"},
        {Shape::Presence, LM, kGlide, "FX_GLIDE_LOD_DITHER", "Check6", {{"1", "1"}}, "0"},
        {Shape::Presence, LM, kGlide, "FX_GLIDE_ALLOC_COLOR", "Check7", {{"3", "1"}}, "0"},
        {Shape::Presence, LM, kGlide, "FX_GLIDE_TMU_MEMSIZE", "Check8", {{"2", "1"}}, "0"},
        {Shape::Choice, LM, kGlide, "SSTH3_OVERLAYMODE", "Frame7", {{"2", "Option7"}, {"1", "Option8"}, {"3", "Option9"}}, "Option7"},
        {Shape::Choice, LM, kGlide, "SSTH3_ALPHADITHERMODE", "Frame8", {{"2", "Option10"}, {"1", "Option11"}, {"3", "Option12"}}, "Option10"},
        // Windows Options
        {Shape::Flag, CC, kDisplay, "Advanced", "Check9", kBox, "0", regtype::Dword},
        {Shape::Choice, CC, kDisplay, "RefreshRate", "Frame10", {{"0", "Option13"}, {"-1", "Option14"}}, "Option13"},
    };
    return all;
}

// What a user sees: what each control shows, by its name.
using View = std::map<std::string, std::string>;

// The setting's control showing `shown`: a frame's option by name ("none": no selection), a label's text, a box's state.
inline void showing(View& view, const Setting& s, const std::string& shown)
{
    if (s.shape != Shape::Choice) view[s.control] = shown;
    for (const auto& [code, option] : s.codes)
        if (s.shape == Shape::Choice) view[option] = option == shown ? "1" : "0";
}

// What Apply stores while the window shows `v`; a choice without a selection leaves `before` alone.
inline std::optional<StoredValue> applied(const Setting& s, const View& v, const std::optional<StoredValue>& before)
{
    const bool on = v.count(s.control) && v.at(s.control) == "1";
    switch (s.shape) {
    case Shape::Text: return before;
    case Shape::Clock: return v.at(s.control) == s.fallback ? before : storedText(v.at("Slider1"));
    case Shape::Number:
    case Shape::Flag: return s.storedAs == regtype::Dword ? storedDword(on) : storedText(on ? "1" : "0");
    case Shape::Presence: return on ? std::optional(storedText(s.codes[0].first)) : std::nullopt;
    case Shape::Choice:
        for (const auto& [code, option] : s.codes)
            if (v.at(option) == "1") return storedText(code);
    }
    return before;
}

// Every line of a report: at most 72 printable ASCII characters, then CR LF.
inline bool keepsTheLineRule(const std::string& report)
{
    std::size_t start = 0;
    for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2)
        if (end - start > 72 || std::any_of(report.begin() + start, report.begin() + end, [](char c) { return c < 0x20 || c > 0x7E; }))
            return false;
    return start == report.size();
}

}  // namespace velmora
