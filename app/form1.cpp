#include "app/form1.h"

#include "registry/conversions.h"
#include "registry/procedure.h"

namespace velmora {
namespace {

constexpr char kUnknown[] = "Unknown";
constexpr char kDefaultClock[] = "Default";

// The first code equal to the text, character for character, or none.
template <class Codes>
auto firstEqual(const Text& text, const Codes& codes) -> decltype(&*codes.begin())
{
    for (const auto& c : codes)
        if (text == c.code) return &c;
    return nullptr;
}

}  // namespace

const Form1::Procedure Form1::kLoadSequence[25] = {
    &Form1::Product_Name,       &Form1::Manufacturer,          &Form1::Bios_Version,
    &Form1::Driver_Version,     &Form1::Driver_Date,           &Form1::Bus_Type,
    &Form1::Memory_Type,        &Form1::Total_Video_Memory,    &Form1::Lcd,
    &Form1::Tv_Out,             &Form1::Grxclock,              &Form1::Checkclk,
    &Form1::SSTH3_SWAPINTERVAL, &Form1::SSTH3_ANTIALIAS,       &Form1::SSTH3_OVERLAYMODE,
    &Form1::SSTH3_ALPHADITHERMODE, &Form1::FX_GLIDE_SWAPINTERVAL, &Form1::FX_GLIDE_NO_SPLASH,
    &Form1::FX_GLIDE_LOD_DITHER, &Form1::FX_GLIDE_ALLOC_COLOR, &Form1::FX_GLIDE_TMU_MEMSIZE,
    &Form1::SSTH3_OVERLAYMODE_GLIDE, &Form1::SSTH3_ALPHADITHERMODE_GLIDE, &Form1::Advanced,
    &Form1::RefreshRate,
};

const Form1::Procedure Form1::kApplySequence[24] = {
    &Form1::process1,  &Form1::process2,  &Form1::process3,  &Form1::process4,  &Form1::process5,
    &Form1::process6,  &Form1::process7,  &Form1::process8,  &Form1::process9,  &Form1::process10,
    &Form1::process11, &Form1::process12, &Form1::process13, &Form1::process14, &Form1::process15,
    &Form1::process16, &Form1::process17, &Form1::process18, &Form1::process19, &Form1::process20,
    &Form1::process21, &Form1::process22, &Form1::process23, &Form1::process24,
};

Form1::Form1(RegEdit& regEdit, const Form1Controls& controls, char decimalSeparator, Text driverKey)
    : RegEdit1(regEdit), ui_(controls), decimalSeparator_(decimalSeparator), driverKey_(static_cast<Text&&>(driverKey))
{
}

Form1::~Form1() = default;

// Every step runs; only a failure that escaped a step's own trap stops the sequence.
Status Form1::Form_Load()
{
    for (Procedure step : kLoadSequence) VELMORA_TRY((this->*step)());
    return {};
}

Status Form1::Command1_Click()
{
    for (Procedure step : kApplySequence) VELMORA_TRY((this->*step)());
    return {};
}

Status Form1::Slider1_Scroll() { return ui_.Label23.setCaption(Text::number(ui_.Slider1.value())); }

// The half dozen keys' paths are made once each, not for every value.
const Text& Form1::keyPathOf(const SettingKey& key)
{
    for (const KeyPath& known : keyPaths_)
        if (known.key == &key) return known.path;
    keyPaths_.push_back({&key, key.keyPath(driverKey_)});
    return keyPaths_.back().path;
}

Status Form1::read(const SettingKey& key, const char* name)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(keyPathOf(key));
    RegEdit1.setValueName(name);
    return RegEdit1.ReadValue();
}

Status Form1::write(const SettingKey& key, std::int32_t valueType, const char* name, const Value& value)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(keyPathOf(key));
    RegEdit1.setValueType(valueType);
    RegEdit1.setValueName(name);
    RegEdit1.setValue(value);
    return RegEdit1.WriteValue();
}

Status Form1::remove(const SettingKey& key, const char* name)
{
    RegEdit1.setRootKey(key.rootKey);
    RegEdit1.setKeyPath(keyPathOf(key));
    RegEdit1.setValueName(name);
    return RegEdit1.DeleteValue();
}

Status Form1::readAsText(const SettingKey& key, const char* name, Text& text)
{
    VELMORA_TRY(read(key, name));
    return toText(RegEdit1.value(), text);
}

Status Form1::readText(const SettingKey& key, const char* name, Label& label)
{
    return trapped(
        [&]() -> Status {
            Text text;
            VELMORA_TRY(readAsText(key, name, text));
            return label.setCaption(trimLeadingSpaces(text));
        },
        [&] { return label.setCaption(kUnknown); });
}

Status Form1::loadClock(const SettingKey& key, const char* name, Label& label, Slider& slider)
{
    return trapped(
        [&]() -> Status {
            VELMORA_TRY(read(key, name));
            const Value& data = RegEdit1.value();
            // Only a number may reach the label; the slider then follows the label's text.
            std::int32_t clock = 0;
            VELMORA_TRY(toLong(data, decimalSeparator_, clock));
            Text text;
            VELMORA_TRY(toText(data, text));
            VELMORA_TRY(label.setCaption(trimLeadingSpaces(text)));
            VELMORA_TRY(toLong(Value::text(label.caption()), decimalSeparator_, clock));
            return slider.setValue(clock);
        },
        [&] { return label.setCaption(kDefaultClock); });
}

Status Form1::loadNumber(const SettingKey& key, const char* name, CheckBox& box, std::int32_t fallback)
{
    return trapped(
        [&]() -> Status {
            VELMORA_TRY(read(key, name));
            std::int16_t state = 0;
            VELMORA_TRY(toInteger(RegEdit1.value(), decimalSeparator_, state));
            return box.setValue(state);
        },
        [&] { return box.setValue(fallback); });
}

Status Form1::loadPresence(const SettingKey& key, const char* name, CheckBox& box)
{
    return trapped(
        [&]() -> Status {
            VELMORA_TRY(read(key, name));  // its mere existence is the setting
            return box.setValue(CheckBox::Checked);
        },
        [&] { return box.setValue(CheckBox::Unchecked); });
}

// Codes are compared exactly, untrimmed; the first equal one decides, and no
// match leaves the controls as they are.
Status Form1::loadChoice(const SettingKey& key, const char* name, std::initializer_list<OptionCode> codes,
                         OptionButton& fallback)
{
    return trapped(
        [&]() -> Status {
            Text text;
            VELMORA_TRY(readAsText(key, name, text));
            const OptionCode* c = firstEqual(text, codes);
            return c ? c->option.setValue(true) : Status();
        },
        [&] { return fallback.setValue(true); });
}

Status Form1::loadChoice(const SettingKey& key, const char* name, CheckBox& box, const StateCodes& codes,
                         std::int32_t fallback)
{
    return trapped(
        [&]() -> Status {
            Text text;
            VELMORA_TRY(readAsText(key, name, text));
            const StateCode* c = firstEqual(text, codes);
            return c ? box.setValue(c->state) : Status();
        },
        [&] { return box.setValue(fallback); });
}

// "Default" means no clock was stored and the slider has not moved since:
// writing its start position would slow a faster card down, so the card
// keeps running at its own clock.
Status Form1::writeClock(const SettingKey& key, const char* name, const Label& label, const Slider& slider)
{
    return trapped([&] {
        return label.caption() == kDefaultClock ? Status()
                                                : write(key, kStoredAsText, name, Value::long32(slider.value()));
    });
}

// A grayed box counts as not checked.
Status Form1::writeFlag(const SettingKey& key, const char* name, const CheckBox& box, std::int32_t valueType)
{
    return trapped([&] {
        const bool checked = box.value() == CheckBox::Checked;
        return write(key, valueType, name, Value::integer(checked ? 1 : 0));
    });
}

Status Form1::writePresence(const SettingKey& key, const char* name, const CheckBox& box, std::int16_t code)
{
    return trapped([&] {
        return box.value() == CheckBox::Checked ? write(key, kStoredAsText, name, Value::integer(code))
                                                : remove(key, name);
    });
}

// Unselected, it leaves the stored value alone: one writer per option.
Status Form1::writeChoice(const SettingKey& key, const char* name, const OptionButton& option, std::int16_t code)
{
    return trapped([&] { return option.value() ? write(key, kStoredAsText, name, Value::integer(code)) : Status(); });
}

}  // namespace velmora
