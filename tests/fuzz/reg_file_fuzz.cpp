// The registry-file reader the end-to-end tests seed the registry from. Any
// text either fails with std::runtime_error or gives actions that, written
// out again as a registry file, read back as the same actions.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/fuzz/check.h"
#include "tests/support/reg_file.h"

using namespace velmora;
using K = RegAction::Kind;

namespace {

std::string quote(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string hex(const Bytes& b)
{
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < b.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", b[i]);
        out += buf;
    }
    return out;
}

std::string data(const StoredValue& v)
{
    const Bytes& d = v.data;
    if (v.type == regtype::Sz && !d.empty() && d.back() == 0) return quote(std::string(d.begin(), d.end() - 1));
    if (v.type == regtype::Dword && d.size() == 4) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%02x%02x%02x%02x", d[3], d[2], d[1], d[0]);
        return buf;
    }
    if (v.type == regtype::Binary) return "hex:" + hex(d);
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(v.type));
    return type + hex(d);
}

std::string write(const std::vector<RegAction>& actions)
{
    std::string out = "REGEDIT4\r\n";
    std::int32_t hive = 0;
    std::string key;
    bool open = false;
    for (const RegAction& a : actions) {
        const std::string root = a.hive == hive::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_CONFIG";
        const std::string path = a.key.empty() ? root : root + "\\" + a.key;
        if (a.kind == K::CreateKey || a.kind == K::DeleteKey) {
            out += "\r\n[" + std::string(a.kind == K::DeleteKey ? "-" : "") + path + "]\r\n";
            open = a.kind == K::CreateKey;
            hive = a.hive;
            key = a.key;
            continue;
        }
        FUZZ_CHECK(open && hive == a.hive && key == a.key);
        out += (a.name.empty() ? std::string("@") : quote(a.name)) + "=" +
               (a.kind == K::DeleteValue ? std::string("-") : data(a.value)) + "\r\n";
    }
    return out;
}

bool same(const RegAction& a, const RegAction& b)
{
    return a.kind == b.kind && a.hive == b.hive && a.key == b.key && a.name == b.name && a.value == b.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(bytes), size);
    std::vector<RegAction> actions;
    try {
        actions = parseRegFile(text);
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (const RegAction& a : actions) FUZZ_CHECK(a.hive == hive::LocalMachine || a.hive == hive::CurrentConfig);

    const std::string again = write(actions);
    std::vector<RegAction> reread;
    try {
        reread = parseRegFile(again);
    } catch (const std::runtime_error& e) {
        std::fprintf(stderr, "%s\n%s\n", e.what(), again.c_str());
        FUZZ_CHECK(!"a written file did not read back");
    }
    FUZZ_CHECK(reread.size() == actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i) FUZZ_CHECK(same(reread[i], actions[i]));
    return 0;
}
