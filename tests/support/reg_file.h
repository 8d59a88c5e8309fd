#pragma once
// The registry files of tests/fixtures read into a registry in memory, as
// Wine's regedit imports them for the end-to-end tests: keys, text and
// DWORD values, which is all they hold.
#include <fstream>
#include <string>

#include "tests/support/doubles.h"

namespace velmora {

inline std::string unescaped(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) out += s[i] == '\\' && i + 1 < s.size() ? s[++i] : s[i];
    return out;
}

inline void importReg(MemoryStore& store, const std::string& path)
{
    const std::pair<std::string, std::int32_t> roots[] = {{"[HKEY_LOCAL_MACHINE\\", hive::LocalMachine},
        {"[HKEY_CURRENT_CONFIG\\", hive::CurrentConfig}, {"[HKEY_CURRENT_USER\\", hive::CurrentUser}};
    std::ifstream in(path);
    std::int32_t hive = 0;
    std::string key;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (const auto& [root, h] : roots)
            if (line.rfind(root, 0) == 0) store.createKey(hive = h, key = line.substr(root.size(), line.size() - root.size() - 1));
        const std::size_t is = line.find("\"=");
        if (line.rfind('"', 0) != 0 || is == std::string::npos) continue;
        const std::string data = line.substr(is + 2);
        store.set(hive, key, unescaped(line.substr(1, is - 1)),
                  data.rfind("dword:", 0) == 0 ? storedDword(std::stoul(data.substr(6), nullptr, 16))
                                               : storedText(unescaped(data.substr(1, data.size() - 2))));
    }
}

}  // namespace velmora
