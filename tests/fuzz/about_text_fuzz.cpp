// The About box's lookup on arbitrary registry data: GetKeyValue's
// byte-to-text rules on one value, and StartSysInfo's order of tries on two.
// GetKeyValue may fail only with error 5 (no data) or 6 (a number beyond 32
// bits); a DWORD reads as the number its bytes spell in hexadecimal, last
// byte first; StartSysInfo ends in one start that worked or one message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "about/sysinfo.h"
#include "tests/fuzz/check.h"
#include "tests/support/std_text.h"

using namespace velmora;
using namespace velmora::about;

namespace {

struct System : SysInfoSystem {
    StoredValue values[2];  // PATH, MSINFO
    bool present[2] = {}, fileThere = false, startWorks = false;
    int starts = 0, messages = 0;

    bool queryValue(std::uint32_t, const Text& key, const Text&, std::size_t capacity, StoredValue& out) override
    {
        const int i = key == kInfoKey ? 0 : 1;
        if (!present[i] || values[i].data.size() > capacity) return false;
        out = values[i];
        return true;
    }
    bool normalFileExists(const Text&) override { return fileThere; }
    Status startProgram(const Text&) override
    {
        ++starts;
        return startWorks ? Status() : Status(53, "File not found");
    }
    void showMessage(const Text&, const Text&) override { ++messages; }
};

StoredValue storedFrom(FuzzedDataProvider& in)
{
    const std::uint32_t type = in.ConsumeIntegralInRange<std::uint32_t>(0, 11);
    const std::string bytes = in.ConsumeRandomLengthString(1100);
    return {type, Bytes(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                        reinterpret_cast<const std::uint8_t*>(bytes.data()) + bytes.size())};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    System sys;
    for (int i = 0; i < 2; ++i) {
        sys.present[i] = in.ConsumeBool();
        sys.values[i] = storedFrom(in);
    }
    sys.fileThere = in.ConsumeBool();
    sys.startWorks = in.ConsumeBool();

    Text got;
    bool found = false;
    const Status s = GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, got, found);
    const Bytes& b = sys.values[0].data;
    FUZZ_CHECK(s.ok() || s.number() == err::InvalidProcedureCall || s.number() == err::Overflow);
    if (s.ok() && found && sys.values[0].type == regtype::Dword) {
        std::size_t n = b.size() && b.back() == 0 ? b.size() - 1 : b.size();
        unsigned long long v = 0;
        for (std::size_t i = n; i-- > 0;) v = v * 256 + (i < 8 ? b[i] : 0);
        const std::string expected = n == 0          ? "&h"
                                     : v <= 0xFFFF   ? std::to_string(static_cast<std::int16_t>(v))
                                                     : std::to_string(static_cast<std::int32_t>(v));
        FUZZ_CHECK(str(got) == expected);
    }
    StartSysInfo(sys);
    FUZZ_CHECK((sys.messages == 1) != (sys.starts > 0 && sys.startWorks));
    return 0;
}
