// The About box's lookup on arbitrary registry data: GetKeyValue's byte-to-text
// rules on one value, and StartSysInfo's order of tries on two, with a file
// test and a program start that may succeed or fail. GetKeyValue may only
// fail with errors 5 (no data) and 6 (a number too large); StartSysInfo never
// throws and ends in exactly one start that worked or exactly one message.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "about/sysinfo.h"
#include "registry/errors.h"
#include "tests/fuzz/check.h"

using namespace velmora;
using namespace velmora::about;

namespace {

const std::uint32_t kTypes[] = {regtype::None, regtype::Sz,    regtype::ExpandSz, regtype::Binary,
                                regtype::Dword, regtype::MultiSz, regtype::Qword};

struct System : SysInfoSystem {
    std::optional<StoredValue> path, folder;
    bool fileThere = false, startWorks = false;
    std::vector<std::string> queried, tested, started;
    int messages = 0;

    std::optional<StoredValue> queryValue(std::uint32_t root, const std::string& key, const std::string& name,
                                          std::size_t capacity) override
    {
        FUZZ_CHECK(root == kLocalMachine);
        queried.push_back(name);
        const std::optional<StoredValue>& v = key == kInfoKey && name == kInfoValue         ? path
                                              : key == kLocationKey && name == kLocationValue ? folder
                                                                                              : std::nullopt;
        if (!v || v->data.size() > capacity) return std::nullopt;
        return v;
    }
    bool normalFileExists(const std::string& p) override
    {
        tested.push_back(p);
        return fileThere;
    }
    void startProgram(const std::string& p) override
    {
        started.push_back(p);
        if (!startWorks) throw RuntimeError(53, "File not found");
    }
    void showMessage(const std::string& text, const std::string& caption) override
    {
        FUZZ_CHECK(text == kUnavailable && caption == kAppTitle);
        ++messages;
    }
};

std::optional<StoredValue> value(FuzzedDataProvider& in)
{
    if (!in.ConsumeBool()) return std::nullopt;
    const std::uint32_t type = in.PickValueInArray(kTypes);
    const std::size_t size = in.ConsumeIntegralInRange<std::size_t>(0, 1100);  // the buffer holds 1024
    const std::string bytes = in.ConsumeBytesAsString(size);
    return StoredValue{type, Bytes(bytes.begin(), bytes.end())};
}

// "&h" and the bytes from last to first in hexadecimal, read back as the
// runtime reads such text: 16 bits as an Integer, 32 as a Long, more overflows.
std::optional<std::string> viaHexText(const std::string& bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    if (hex.empty()) return "&h";
    const std::size_t first = hex.find_first_not_of('0');
    const std::string significant = first == std::string::npos ? "" : hex.substr(first);
    if (significant.size() > 8) return std::nullopt;
    const unsigned long u = significant.empty() ? 0 : std::stoul(significant, nullptr, 16);
    if (significant.size() <= 4) return std::to_string(static_cast<std::int16_t>(u));
    return std::to_string(static_cast<std::int32_t>(u));
}

void checkGetKeyValue(const std::optional<StoredValue>& v)
{
    System sys;
    sys.path = v;
    std::string keyVal = "sentinel";
    bool found = false;
    int error = 0;
    try {
        found = GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, keyVal);
    } catch (const RuntimeError& e) {
        error = e.number();
    }
    if (!v || v->data.size() > kValueBufferSize) {
        FUZZ_CHECK(error == 0 && !found && keyVal.empty());
        return;
    }
    if (v->data.empty()) {
        FUZZ_CHECK(error == err::InvalidProcedureCall);
        return;
    }
    std::string text(v->data.begin(), v->data.end());
    if (text.back() == '\0') text.pop_back();  // one zero at the end, whatever the type
    if (v->type == regtype::Sz) {
        FUZZ_CHECK(error == 0 && found && keyVal == text);
    } else if (v->type == regtype::Dword) {
        const auto expected = viaHexText(text);
        if (expected)
            FUZZ_CHECK(error == 0 && found && keyVal == *expected);
        else
            FUZZ_CHECK(error == err::Overflow);
    } else {
        FUZZ_CHECK(error == 0 && found && keyVal == "sentinel");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    System sys;
    sys.fileThere = in.ConsumeBool();
    sys.startWorks = in.ConsumeBool();
    sys.path = value(in);
    sys.folder = value(in);
    checkGetKeyValue(sys.path);
    checkGetKeyValue(sys.folder);

    StartSysInfo(sys);  // must not throw
    const bool started = !sys.started.empty() && sys.startWorks;
    FUZZ_CHECK(sys.started.size() <= 1);
    FUZZ_CHECK(sys.messages == (started ? 0 : 1));
    // The folder is asked only when "PATH" cannot be read at all.
    const bool pathReadable = sys.path && sys.path->data.size() <= kValueBufferSize;
    FUZZ_CHECK(sys.queried.size() == (pathReadable ? 1u : 2u));
    if (pathReadable) FUZZ_CHECK(sys.tested.empty());
    for (const std::string& t : sys.tested) FUZZ_CHECK(t.size() >= 13 && t.compare(t.size() - 13, 13, kProgramFile) == 0);
    if (!sys.tested.empty() && !sys.started.empty()) FUZZ_CHECK(sys.started[0] == sys.tested[0]);
    return 0;
}
