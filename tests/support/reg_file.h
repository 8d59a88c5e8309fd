#pragma once
// Registry files (REGEDIT4 or version 5.00 headers, ANSI text) as the tests
// seed the registry from: keys, removals of keys, values of every kind, and
// removals of values. Only the two hives the program uses are accepted.
#include <cstdint>
#include <string>
#include <vector>

#include "registry/store.h"

namespace velmora {

struct RegAction {
    enum class Kind { CreateKey, DeleteKey, SetValue, DeleteValue } kind;
    std::int32_t hive;
    std::string key;
    std::string name;  // "" is the key's default value
    StoredValue value;
};

// Throws std::runtime_error naming the line for anything it does not understand.
std::vector<RegAction> parseRegFile(const std::string& text);

}  // namespace velmora
