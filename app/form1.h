#pragma once
// The main window's setting side: the controls its setting procedures reach,
// the 25 loaders and readers, the 24 writers, and the load and apply
// sequences. Nothing here knows the window system; the Win32 window binds its
// own controls through Form1Controls. Every procedure returns what escaped
// its trap: success, or the failure of its fallback.
#include <cstdint>
#include <initializer_list>

#include "app/controls.h"
#include "app/setting_keys.h"
#include "driver/driver_key.h"
#include "registry/regedit.h"

namespace velmora {

// The controls of the main window that the setting procedures read or change.
struct Form1Controls {
    // Value labels of the card information panel, and the clock's number.
    Label &Label11, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19, &Label20;
    Label& Label23;
    CheckBox &Check1, &Check2, &Check3, &Check4, &Check5, &Check6, &Check7, &Check8, &Check9;
    // Frames: Option1-3, Option4-6 (Direct3D), Option7-9, Option10-12 (Glide), Option13-14 (Windows).
    OptionButton &Option1, &Option2, &Option3, &Option4, &Option5, &Option6, &Option7, &Option8, &Option9,
        &Option10, &Option11, &Option12, &Option13, &Option14;
    Slider& Slider1;  // 143..250
};

class Form1 {
public:
    // decimalSeparator is the user's, for the numeric conversions of what is
    // read; driverKey is the display driver's key that holds the card's values.
    Form1(RegEdit& regEdit, const Form1Controls& controls, char decimalSeparator = '.',
          Text driverKey = velmora::driverKey(0));
    // Out of line, so that a Form1 made elsewhere (the report's dry run)
    // instantiates none of its members' code: with -flto, GCC 12 for MinGW
    // failed (an internal error) on the same clone made in two files.
    ~Form1();

    // Event handlers. None of them traps: a failure that escapes a procedure's
    // fallback stops the sequence and is returned.
    Status Form_Load();       // the 25 loaders and readers, in order
    Status Command1_Click();  // "Apply": process1 .. process24, in order
    Status Slider1_Scroll();  // Label23 shows the slider's position

    using Procedure = Status (Form1::*)();
    static const Procedure kLoadSequence[25];
    static const Procedure kApplySequence[24];

    // Card information (cardinfo/card_info.cpp).
    Status Product_Name();
    Status Manufacturer();
    Status Bios_Version();
    Status Driver_Version();
    Status Driver_Date();
    Status Bus_Type();
    Status Memory_Type();
    Status Total_Video_Memory();
    Status Lcd();
    Status Tv_Out();

    // Core clock (settings/core_clock.cpp).
    Status Grxclock();
    Status Checkclk();
    Status process1();
    Status process2();

    // Direct3D (settings/direct3d.cpp).
    Status SSTH3_SWAPINTERVAL();
    Status SSTH3_ANTIALIAS();
    Status SSTH3_OVERLAYMODE();
    Status SSTH3_ALPHADITHERMODE();
    Status process3();
    Status process4();
    Status process5();
    Status process6();
    Status process7();
    Status process8();
    Status process9();
    Status process10();

    // Glide (settings/glide.cpp).
    Status FX_GLIDE_SWAPINTERVAL();
    Status FX_GLIDE_NO_SPLASH();
    Status FX_GLIDE_LOD_DITHER();
    Status FX_GLIDE_ALLOC_COLOR();
    Status FX_GLIDE_TMU_MEMSIZE();
    Status SSTH3_OVERLAYMODE_GLIDE();
    Status SSTH3_ALPHADITHERMODE_GLIDE();
    Status process11();
    Status process12();
    Status process13();
    Status process14();
    Status process15();
    Status process16();
    Status process17();
    Status process18();
    Status process19();
    Status process20();
    Status process21();

    // Windows desktop (settings/desktop.cpp).
    Status Advanced();
    Status RefreshRate();
    Status process22();
    Status process23();
    Status process24();

private:
    // ValueType codes: RegEdit stores 0 as text, 1 as a DWORD.
    static constexpr std::int32_t kStoredAsText = 0;
    static constexpr std::int32_t kStoredAsDword = 1;

    struct OptionCode {
        const char* code;
        OptionButton& option;
    };
    struct StateCode {
        const char* code;
        std::int32_t state;
    };
    // A static table, not a braced list: GCC 12 keeps a list of these in
    // writable data, which alone costs the program a section.
    struct StateCodes {
        const StateCode* first;
        std::size_t count;
        const StateCode* begin() const { return first; }
        const StateCode* end() const { return first + count; }
    };

    // The shapes, each in its own trap with its fallback.
    Status readText(const SettingKey& key, const char* name, Label& label);
    Status loadClock(const SettingKey& key, const char* name, Label& label, Slider& slider);
    Status loadNumber(const SettingKey& key, const char* name, CheckBox& box, std::int32_t fallback);
    Status loadPresence(const SettingKey& key, const char* name, CheckBox& box);
    Status loadChoice(const SettingKey& key, const char* name, std::initializer_list<OptionCode> codes,
                    OptionButton& fallback);
    Status loadChoice(const SettingKey& key, const char* name, CheckBox& box, const StateCodes& codes,
                    std::int32_t fallback);
    Status writeClock(const SettingKey& key, const char* name, const Label& label, const Slider& slider);
    Status writeFlag(const SettingKey& key, const char* name, const CheckBox& box, std::int32_t valueType);
    Status writePresence(const SettingKey& key, const char* name, const CheckBox& box, std::int16_t code);
    Status writeChoice(const SettingKey& key, const char* name, const OptionButton& option, std::int16_t code);

    const Text& keyPathOf(const SettingKey& key);
    // The read order, then the data as text: what the text and choice shapes compare.
    Status readAsText(const SettingKey& key, const char* name, Text& text);
    // The component's three orders of member settings, each ending in its operation.
    Status read(const SettingKey& key, const char* name);
    Status write(const SettingKey& key, std::int32_t valueType, const char* name, const Value& value);
    Status remove(const SettingKey& key, const char* name);

    RegEdit& RegEdit1;
    Form1Controls ui_;
    char decimalSeparator_;
    Text driverKey_;
    struct KeyPath {
        const SettingKey* key;
        Text path;
    };
    Vec<KeyPath> keyPaths_;
};

}  // namespace velmora
