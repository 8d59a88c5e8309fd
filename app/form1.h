#pragma once
// The main window's setting side: the controls its setting procedures reach,
// the 25 loaders and readers, the 24 writers, and the load and apply
// sequences. Nothing here knows the window system; the Win32 window binds its
// own controls through Form1Controls.
#include <cstdint>
#include <initializer_list>

#include "app/controls.h"
#include "app/setting_keys.h"
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
    // decimalSeparator is the user's, for the numeric conversions of what is read.
    Form1(RegEdit& regEdit, const Form1Controls& controls, char decimalSeparator = '.');

    // Event handlers. None of them traps: a failure that escapes a procedure's
    // fallback stops the sequence and reaches the caller.
    void Form_Load();       // the 25 loaders and readers, in order
    void Command1_Click();  // "Apply": process1 .. process24, in order
    void Slider1_Scroll();  // Label23 shows the slider's position

    // Card information (cardinfo/card_info.cpp).
    void Product_Name();
    void Manufacturer();
    void Bios_Version();
    void Driver_Version();
    void Driver_Date();
    void Bus_Type();
    void Memory_Type();
    void Total_Video_Memory();
    void Lcd();
    void Tv_Out();

    // Core clock (settings/core_clock.cpp).
    void Grxclock();
    void Checkclk();
    void process1();
    void process2();

    // Direct3D (settings/direct3d.cpp).
    void SSTH3_SWAPINTERVAL();
    void SSTH3_ANTIALIAS();
    void SSTH3_OVERLAYMODE();
    void SSTH3_ALPHADITHERMODE();
    void process3();
    void process4();
    void process5();
    void process6();
    void process7();
    void process8();
    void process9();
    void process10();

    // Glide (settings/glide.cpp).
    void FX_GLIDE_SWAPINTERVAL();
    void FX_GLIDE_NO_SPLASH();
    void FX_GLIDE_LOD_DITHER();
    void FX_GLIDE_ALLOC_COLOR();
    void FX_GLIDE_TMU_MEMSIZE();
    void SSTH3_OVERLAYMODE_GLIDE();
    void SSTH3_ALPHADITHERMODE_GLIDE();
    void process11();
    void process12();
    void process13();
    void process14();
    void process15();
    void process16();
    void process17();
    void process18();
    void process19();
    void process20();
    void process21();

    // Windows desktop (settings/desktop.cpp).
    void Advanced();
    void RefreshRate();
    void process22();
    void process23();
    void process24();

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

    // The shapes, each in its own trap with its fallback.
    void readText(const SettingKey& key, const char* name, Label& label);
    void loadClock(const SettingKey& key, const char* name, Label& label, Slider& slider);
    void loadNumber(const SettingKey& key, const char* name, CheckBox& box, std::int32_t fallback);
    void loadPresence(const SettingKey& key, const char* name, CheckBox& box);
    void loadChoice(const SettingKey& key, const char* name, std::initializer_list<OptionCode> codes,
                    OptionButton& fallback);
    void loadChoice(const SettingKey& key, const char* name, CheckBox& box, std::initializer_list<StateCode> codes,
                    std::int32_t fallback);
    void writeClock(const SettingKey& key, const char* name, const Slider& slider);
    void writeFlag(const SettingKey& key, const char* name, const CheckBox& box, std::int32_t valueType);
    void writePresence(const SettingKey& key, const char* name, const CheckBox& box, std::int16_t code);
    void writeChoice(const SettingKey& key, const char* name, const OptionButton& option, std::int16_t code);

    // The component's three orders of member settings, each ending in its operation.
    void read(const SettingKey& key, const char* name);
    void write(const SettingKey& key, std::int32_t valueType, const char* name, const Value& value);
    void remove(const SettingKey& key, const char* name);

    RegEdit& RegEdit1;
    Form1Controls ui_;
    char decimalSeparator_;
};

}  // namespace velmora
