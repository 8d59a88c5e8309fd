#include "tests/support/reg_file.h"

#include "tests/support/std_text.h"

#include <stdexcept>

namespace velmora {
namespace {

[[noreturn]] void fail(std::size_t line, const std::string& why)
{
    throw std::runtime_error("registry file line " + std::to_string(line) + ": " + why);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::int32_t hiveOf(const std::string& root, std::size_t line)
{
    if (root == "HKEY_LOCAL_MACHINE" || root == "HKLM") return hive::LocalMachine;
    if (root == "HKEY_CURRENT_CONFIG" || root == "HKCC") return hive::CurrentConfig;
    fail(line, "unsupported root " + root);
}

// A quoted string starting at s[i] == '"'; returns the index after the closing quote.
std::size_t quoted(const std::string& s, std::size_t i, std::string& out, std::size_t line)
{
    out.clear();
    for (++i; i < s.size(); ++i) {
        if (s[i] == '"') return i + 1;
        if (s[i] == '\\' && i + 1 < s.size()) ++i;
        out += s[i];
    }
    fail(line, "unterminated string");
}

Bytes hexBytes(const std::string& s, std::size_t line)
{
    Bytes out;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s[i] == ',' || s[i] == ' ' || s[i] == '\t') {
            ++i;
            continue;
        }
        if (i + 1 >= s.size() || hexDigit(s[i]) < 0 || hexDigit(s[i + 1]) < 0) fail(line, "bad hex data");
        out.push_back(static_cast<std::uint8_t>(hexDigit(s[i]) * 16 + hexDigit(s[i + 1])));
        i += 2;
    }
    return out;
}

StoredValue data(const std::string& s, std::size_t line)
{
    if (!s.empty() && s[0] == '"') {
        std::string text;
        if (quoted(s, 0, text, line) != s.size()) fail(line, "text after string");
        return storedText(text);
    }
    if (s.rfind("dword:", 0) == 0) {
        const std::string digits = s.substr(6);
        if (digits.empty() || digits.size() > 8) fail(line, "bad dword");
        std::uint32_t v = 0;
        for (char c : digits) {
            if (hexDigit(c) < 0) fail(line, "bad dword");
            v = v * 16 + static_cast<std::uint32_t>(hexDigit(c));
        }
        return storedDword(v);
    }
    if (s.rfind("hex:", 0) == 0) return {regtype::Binary, hexBytes(s.substr(4), line)};
    if (s.rfind("hex(", 0) == 0) {
        const auto close = s.find("):");
        if (close == std::string::npos || close == 4) fail(line, "bad hex type");
        std::uint32_t type = 0;
        for (std::size_t i = 4; i < close; ++i) {
            if (hexDigit(s[i]) < 0 || i > 11) fail(line, "bad hex type");
            type = type * 16 + static_cast<std::uint32_t>(hexDigit(s[i]));
        }
        return {type, hexBytes(s.substr(close + 2), line)};
    }
    fail(line, "unknown data " + s);
}

}  // namespace

std::vector<RegAction> parseRegFile(const std::string& text)
{
    std::vector<RegAction> actions;
    bool inKey = false;
    std::int32_t hive = 0;
    std::string key;
    std::size_t lineNo = 0, pos = 0;
    bool header = false;

    while (pos <= text.size()) {
        // One logical line: physical lines joined where one ends in a backslash.
        std::string line;
        const std::size_t startLine = lineNo + 1;
        for (;;) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string::npos) end = text.size();
            std::string part = text.substr(pos, end - pos);
            pos = end + 1;
            ++lineNo;
            if (!part.empty() && part.back() == '\r') part.pop_back();
            std::size_t lead = line.empty() ? 0 : part.find_first_not_of(" \t");
            if (lead == std::string::npos) lead = part.size();
            line += part.substr(lead);
            // Only hex data continues; a comment ends at its line whatever it holds.
            const bool hexData = line[0] != ';' && line.find("=hex") != std::string::npos;
            if (hexData && !line.empty() && line.back() == '\\' && pos <= text.size()) {
                line.pop_back();
                continue;
            }
            break;
        }

        if (line.empty() || line[0] == ';') continue;
        if (!header) {
            if (line != "REGEDIT4" && line != "Windows Registry Editor Version 5.00") fail(startLine, "missing header");
            header = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']') fail(startLine, "bad key line");
            std::string path = line.substr(1, line.size() - 2);
            const bool remove = !path.empty() && path[0] == '-';
            if (remove) path.erase(0, 1);
            const auto slash = path.find('\\');
            hive = hiveOf(path.substr(0, slash), startLine);
            key = slash == std::string::npos ? std::string() : path.substr(slash + 1);
            actions.push_back({remove ? RegAction::Kind::DeleteKey : RegAction::Kind::CreateKey, hive, key, {}, {}});
            inKey = !remove;
            continue;
        }
        if (!inKey) fail(startLine, "value outside a key");

        std::string name;
        std::size_t i = 0;
        if (line[0] == '@') {
            i = 1;
        } else if (line[0] == '"') {
            i = quoted(line, 0, name, startLine);
        } else {
            fail(startLine, "bad value line");
        }
        if (i >= line.size() || line[i] != '=') fail(startLine, "missing '='");
        const std::string rest = line.substr(i + 1);
        if (rest == "-")
            actions.push_back({RegAction::Kind::DeleteValue, hive, key, name, {}});
        else
            actions.push_back({RegAction::Kind::SetValue, hive, key, name, data(rest, startLine)});
    }
    if (!header) fail(0, "empty file");
    return actions;
}

}  // namespace velmora
