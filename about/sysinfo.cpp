#include "about/sysinfo.h"

namespace velmora::about {
namespace {

// A REG_DWORD is shown as the number that "&h" followed by its bytes from
// last to first denotes: the little-endian number, taken as a signed 16-bit
// number when its bit pattern fits 16 bits and as a signed 32-bit one when it
// fits 32; a larger one overflows. With no bytes the text "&h" is no number
// and stays as it is.
Status dwordText(const Text& bytes, Text& out)
{
    if (bytes.empty()) {
        out = "&h";
        return {};
    }
    std::uint32_t v = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (i >= 4) {
            if (b != 0) return overflow();
            continue;
        }
        v = v << 8 | b;
    }
    out = v <= 0xFFFFu ? Text::number(static_cast<std::int16_t>(v)) : Text::number(static_cast<std::int32_t>(v));
    return {};
}

// The lookup's steps; false where the user is to get the message.
bool tryStart(SysInfoSystem& sys)
{
    Text path;
    bool found = false;
    if (GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, path, found).failed()) return false;
    if (found) return sys.startProgram(path).ok();  // not tested for existence first: a failed start is the test
    if (GetKeyValue(sys, kLocalMachine, kLocationKey, kLocationValue, path, found).failed() || !found) return false;
    path += kProgramFile;
    return sys.normalFileExists(path) && sys.startProgram(path).ok();
}

}  // namespace

Status GetKeyValue(SysInfoSystem& sys, std::uint32_t keyRoot, const Text& keyName, const Text& subKeyRef,
                   Text& keyVal, bool& found)
{
    StoredValue v;
    found = sys.queryValue(keyRoot, keyName, subKeyRef, kValueBufferSize, v);
    if (!found) {
        keyVal = Text();
        return {};
    }
    // The last byte is looked for at position size; with no data there is none: error 5.
    if (v.data.empty()) return invalidProcedureCall();
    Text text(reinterpret_cast<const char*>(v.data.data()), v.data.size());
    if (text.back() == '\0') text.resize(text.size() - 1);
    switch (v.type) {
    case regtype::Sz: keyVal = text.c_str(); break;  // text ends at its first zero: some installers store two
    case regtype::Dword: VELMORA_TRY(dwordText(text, keyVal)); break;
    default: break;
    }
    return {};
}

// One trap for every step: whatever fails, the user gets the one message.
void StartSysInfo(SysInfoSystem& sys)
{
    if (!tryStart(sys)) sys.showMessage(kUnavailable, kAppTitle);
}

}  // namespace velmora::about
