// Arbitrary stored data (a type and its bytes) through the registry
// component's reading rules, the text conversion, and then through the whole
// window: every value the load sequence reads holds this data, and "Apply"
// runs after it. Nothing may escape a procedure, and "Apply" may leave only
// values of our own.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/form1.h"
#include "app/memory_form1_controls.h"
#include "registry/conversions.h"
#include "registry/errors.h"
#include "registry/memory_store.h"
#include "registry/regedit.h"
#include "tests/fuzz/check.h"

using namespace velmora;

namespace {

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const std::string kAdapter = kDriver + "\\shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter";

struct Place {
    std::int32_t hive;
    std::string key, name;
};

const Place kRead[] = {
    {2, kDriver, "DriverDesc"},  {2, kDriver, "ProviderName"}, {2, kAdapter, "BIOS Version"}, {2, kDriver, "Ver"},
    {2, kDriver, "DriverDate"},  {2, kAdapter, "Bus Type"},    {2, kAdapter, "Memory Type"},
    {2, kAdapter, "Total Video Memory"}, {2, kAdapter, "LCD"}, {2, kAdapter, "TV Out"},
    {2, kDriver + "\\DEFAULT", "Grxclock"}, {2, kDriver + "\\DEFAULT", "CheckClk"},
    {2, kDriver + "\\D3D", "SSTH3_SWAPINTERVAL"}, {2, kDriver + "\\D3D", "SSTH3_ANTIALIAS"},
    {2, kDriver + "\\D3D", "SSTH3_OVERLAYMODE"}, {2, kDriver + "\\D3D", "SSTH3_ALPHADITHERMODE"},
    {2, kDriver + "\\Glide", "FX_GLIDE_SWAPINTERVAL"}, {2, kDriver + "\\Glide", "FX_GLIDE_NO_SPLASH"},
    {2, kDriver + "\\Glide", "FX_GLIDE_LOD_DITHER"}, {2, kDriver + "\\Glide", "FX_GLIDE_ALLOC_COLOR"},
    {2, kDriver + "\\Glide", "FX_GLIDE_TMU_MEMSIZE"}, {2, kDriver + "\\Glide", "SSTH3_OVERLAYMODE"},
    {2, kDriver + "\\Glide", "SSTH3_ALPHADITHERMODE"}, {4, "Display\\Settings", "Advanced"},
    {4, "Display\\Settings", "RefreshRate"},
};

// Types as the system numbers them, and one far outside them.
const std::uint32_t kTypes[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0xFFFFFFFFu};

void checkText(const StoredValue& sv, const Value& v)
{
    if (v.isNull()) {
        try {
            toText(v);
            FUZZ_CHECK(!"Null became text");
        } catch (const RuntimeError& e) {
            FUZZ_CHECK(e.number() == err::InvalidUseOfNull);
        }
        return;
    }
    const std::string t = toText(v);
    if (v.kind() == Value::Kind::Text) {
        // Text is the data up to its first zero byte.
        FUZZ_CHECK(t.find('\0') == std::string::npos);
        const std::string bytes(sv.data.begin(), sv.data.end());
        FUZZ_CHECK(bytes.compare(0, t.size(), t) == 0);
        FUZZ_CHECK(t.size() == bytes.size() || bytes[t.size()] == '\0');
        // Written back as text, it reads back the same.
        FUZZ_CHECK(RegEdit::fromStored(RegEdit::toStored(v, 0)) == v);
    } else {
        // A number's text reads back as the number; as a DWORD it is the same number.
        FUZZ_CHECK(v.kind() == Value::Kind::Long);
        FUZZ_CHECK(toLong(Value::text(t)) == v.asLong());
        FUZZ_CHECK(RegEdit::fromStored(RegEdit::toStored(v, 1)) == v);
    }
    const std::string trimmed = trimLeadingSpaces(t);
    FUZZ_CHECK(trimmed.empty() || trimmed[0] != ' ');
    FUZZ_CHECK(std::string(t.size() - trimmed.size(), ' ') + trimmed == t);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    // The first byte: the type, and in its top bit the user's decimal separator.
    const StoredValue sv{kTypes[(data[0] & 0x7F) % std::size(kTypes)], Bytes(data + 1, data + size)};
    const Value v = RegEdit::fromStored(sv);
    const bool text = sv.type == regtype::Sz || sv.type == regtype::ExpandSz;
    const bool dword = (sv.type == regtype::Dword || sv.type == regtype::DwordBigEndian) && sv.data.size() == 4;
    FUZZ_CHECK(v.kind() == (text ? Value::Kind::Text : dword ? Value::Kind::Long : Value::Kind::Null));
    checkText(sv, v);

    // The whole window on this data: loading and applying complete.
    MemoryStore store;
    for (const Place& p : kRead) store.set(p.hive, p.key, p.name, sv);
    RegEdit reg(store);
    MemoryForm1Controls ui;
    Form1 form(reg, ui.controls(), data[0] & 0x80 ? ',' : '.');
    form.Form_Load();
    form.Command1_Click();
    // "Apply" wrote or removed only values it owns, each written one as text or DWORD.
    std::size_t present = 0;
    for (const Place& p : kRead)
        if (auto now = store.get(p.hive, p.key, p.name)) {
            ++present;
            if (!(*now == sv)) FUZZ_CHECK(now->type == regtype::Sz || now->type == regtype::Dword);
        }
    FUZZ_CHECK(store.valueCount() == present);
    return 0;
}
