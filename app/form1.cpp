#include "app/form1.h"

#include <string>

#include "registry/conversions.h"
#include "registry/procedure.h"

namespace velmora {
namespace {

constexpr char kUnknown[] = "Unknown";
constexpr char kDefaultClock[] = "Default";

// The first code equal to the text, character for character, or none.
template <class Code>
const Code* firstEqual(const std::string& text, std::initializer_list<Code> codes)
{
    for (const Code& c : codes)
        if (text == c.code) return &c;
    return nullptr;
}

}  // namespace

Form1::Form1(RegEdit& regEdit, const Form1Controls& controls, char decimalSeparator)
    : RegEdit1(regEdit), ui_(controls), decimalSeparator_(decimalSeparator)
{
}

void Form1::Form_Load()
{
    Product_Name();
    Manufacturer();
    Bios_Version();
    Driver_Version();
    Driver_Date();
    Bus_Type();
    Memory_Type();
    Total_Video_Memory();
    Lcd();
    Tv_Out();
    Grxclock();
    Checkclk();
    SSTH3_SWAPINTERVAL();
    SSTH3_ANTIALIAS();
    SSTH3_OVERLAYMODE();
    SSTH3_ALPHADITHERMODE();
    FX_GLIDE_SWAPINTERVAL();
    FX_GLIDE_NO_SPLASH();
    FX_GLIDE_LOD_DITHER();
    FX_GLIDE_ALLOC_COLOR();
    FX_GLIDE_TMU_MEMSIZE();
    SSTH3_OVERLAYMODE_GLIDE();
    SSTH3_ALPHADITHERMODE_GLIDE();
    Advanced();
    RefreshRate();
}

void Form1::Command1_Click()
{
    process1();
    process2();
    process3();
    process4();
    process5();
    process6();
    process7();
    process8();
    process9();
    process10();
    process11();
    process12();
    process13();
    process14();
    process15();
    process16();
    process17();
    process18();
    process19();
    process20();
    process21();
    process22();
    process23();
    process24();
}

void Form1::Slider1_Scroll() { ui_.Label23.setCaption(std::to_string(ui_.Slider1.value())); }

void Form1::read(const SettingKey& key, const char* name)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(key.keyPath());
    RegEdit1.setValueName(name);
    RegEdit1.ReadValue();
}

void Form1::write(const SettingKey& key, std::int32_t valueType, const char* name, const Value& value)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(key.keyPath());
    RegEdit1.setValueType(valueType);
    RegEdit1.setValueName(name);
    RegEdit1.setValue(value);
    RegEdit1.WriteValue();
}

void Form1::remove(const SettingKey& key, const char* name)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(key.keyPath());
    RegEdit1.setValueName(name);
    RegEdit1.DeleteValue();
}

void Form1::readText(const SettingKey& key, const char* name, Label& label)
{
    runTrapped(
        [&] {
            read(key, name);
            label.setCaption(trimLeadingSpaces(toText(RegEdit1.value())));
        },
        [&] { label.setCaption(kUnknown); });
}

void Form1::loadClock(const SettingKey& key, const char* name, Label& label, Slider& slider)
{
    runTrapped(
        [&] {
            read(key, name);
            const Value& data = RegEdit1.value();
            // Only a number may reach the label; the slider then follows the label's text.
            static_cast<void>(toLong(data, decimalSeparator_));
            label.setCaption(trimLeadingSpaces(toText(data)));
            slider.setValue(toLong(Value::text(label.caption()), decimalSeparator_));
        },
        [&] { label.setCaption(kDefaultClock); });
}

void Form1::loadNumber(const SettingKey& key, const char* name, CheckBox& box, std::int32_t fallback)
{
    runTrapped(
        [&] {
            read(key, name);
            box.setValue(toInteger(RegEdit1.value(), decimalSeparator_));
        },
        [&] { box.setValue(fallback); });
}

void Form1::loadPresence(const SettingKey& key, const char* name, CheckBox& box)
{
    runTrapped(
        [&] {
            read(key, name);  // its mere existence is the setting
            box.setValue(CheckBox::Checked);
        },
        [&] { box.setValue(CheckBox::Unchecked); });
}

// Codes are compared exactly, untrimmed; the first equal one decides, and no
// match leaves the controls as they are.
void Form1::loadChoice(const SettingKey& key, const char* name, std::initializer_list<OptionCode> codes,
                       OptionButton& fallback)
{
    runTrapped(
        [&] {
            read(key, name);
            if (const OptionCode* c = firstEqual(toText(RegEdit1.value()), codes)) c->option.setValue(true);
        },
        [&] { fallback.setValue(true); });
}

void Form1::loadChoice(const SettingKey& key, const char* name, CheckBox& box, std::initializer_list<StateCode> codes,
                       std::int32_t fallback)
{
    runTrapped(
        [&] {
            read(key, name);
            if (const StateCode* c = firstEqual(toText(RegEdit1.value()), codes)) box.setValue(c->state);
        },
        [&] { box.setValue(fallback); });
}

void Form1::writeClock(const SettingKey& key, const char* name, const Slider& slider)
{
    runTrapped([&] { write(key, kStoredAsText, name, Value::long32(slider.value())); });
}

// A grayed box counts as not checked.
void Form1::writeFlag(const SettingKey& key, const char* name, const CheckBox& box, std::int32_t valueType)
{
    runTrapped([&] {
        const bool checked = box.value() == CheckBox::Checked;
        write(key, valueType, name, Value::integer(checked ? 1 : 0));
    });
}

void Form1::writePresence(const SettingKey& key, const char* name, const CheckBox& box, std::int16_t code)
{
    runTrapped([&] {
        if (box.value() == CheckBox::Checked)
            write(key, kStoredAsText, name, Value::integer(code));
        else
            remove(key, name);
    });
}

// Unselected, it leaves the stored value alone: one writer per option.
void Form1::writeChoice(const SettingKey& key, const char* name, const OptionButton& option, std::int16_t code)
{
    runTrapped([&] {
        if (option.value()) write(key, kStoredAsText, name, Value::integer(code));
    });
}

}  // namespace velmora
