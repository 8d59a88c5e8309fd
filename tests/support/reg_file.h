#pragma once
// A registry file of tests/fixtures read into memory as Wine's regedit imports it: keys, text and DWORDs.
#include <fstream>

#include "tests/support/doubles.h"

namespace velmora {

inline void importReg(MemoryStore& store, const std::string& path)
{
    auto unescaped = [](const std::string& s) {
        std::string out;
        for (std::size_t i = 0; i < s.size(); ++i) out += s[i] == '\\' && i + 1 < s.size() ? s[++i] : s[i];
        return out;
    };
    std::int32_t hive = 0;
    std::string key;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        for (const auto& [root, h] : {std::pair{"[HKEY_LOCAL_MACHINE\\", hive::LocalMachine}, {"[HKEY_CURRENT_CONFIG\\", hive::CurrentConfig}})
            if (line.rfind(root, 0) == 0) store.createKey(hive = h, key = line.substr(lengthOf(root), line.size() - lengthOf(root) - 1));
        const std::size_t is = line.find("\"=");
        if (line.rfind('"', 0) == 0 && is != std::string::npos)
            store.set(hive, key, unescaped(line.substr(1, is - 1)),
                      line.compare(is + 2, 6, "dword:") == 0 ? storedDword(std::stoul(line.substr(is + 8), nullptr, 16))
                                                             : storedText(unescaped(line.substr(is + 3, line.size() - is - 4))));
    }
}

}  // namespace velmora
