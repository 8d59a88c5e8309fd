#include "about/sysinfo.h"

#include <exception>

#include "registry/errors.h"

namespace velmora::about {
namespace {

// What the runtime's general formatting makes of "&h" followed by the data's
// bytes from last to first: the little-endian number, taken as a signed
// 16-bit Integer when its bit pattern fits 16 bits and as a signed 32-bit
// Long when it fits 32; a larger one overflows. With no bytes the text "&h"
// is no number and stays as it is.
std::string dwordText(const std::string& bytes)
{
    if (bytes.empty()) return "&h";
    std::uint32_t v = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (i >= 4) {
            if (b != 0) throw overflow();
            continue;
        }
        v = v << 8 | b;
    }
    if (v <= 0xFFFFu) return std::to_string(static_cast<std::int16_t>(v));
    return std::to_string(static_cast<std::int32_t>(v));
}

// Steps 1 to 4 of the lookup; false where the user is to get the message.
bool tryStart(SysInfoSystem& sys)
{
    std::string path;
    if (GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, path)) {
        sys.startProgram(path);  // not tested for existence first: a failed start is the test
        return true;
    }
    if (!GetKeyValue(sys, kLocalMachine, kLocationKey, kLocationValue, path)) return false;
    path += kProgramFile;
    if (!sys.normalFileExists(path)) return false;
    sys.startProgram(path);
    return true;
}

}  // namespace

bool GetKeyValue(SysInfoSystem& sys, std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal)
{
    const std::optional<StoredValue> v = sys.queryValue(keyRoot, keyName, subKeyRef, kValueBufferSize);
    if (!v) {
        keyVal.clear();
        return false;
    }
    // The last byte is looked for at position size; with no data there is none: error 5.
    if (v->data.empty()) throw invalidProcedureCall();
    std::string text(v->data.begin(), v->data.end());
    if (text.back() == '\0') text.pop_back();
    switch (v->type) {
    case regtype::Sz: keyVal = text; break;
    case regtype::Dword: keyVal = dwordText(text); break;
    default: break;
    }
    return true;
}

void StartSysInfo(SysInfoSystem& sys)
{
    bool started = false;
    try {
        started = tryStart(sys);
    } catch (const std::exception&) {
        started = false;  // one trap for every step: the message below
    }
    if (!started) sys.showMessage(kUnavailable, kAppTitle);
}

}  // namespace velmora::about
