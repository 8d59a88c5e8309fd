#include "driver/win32_environment.h"

#include <windows.h>

namespace velmora {
namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "NAME=value" names `name`, compared as Windows compares names: without regard to case.
const char* valueIn(const char* entry, const char* name)
{
    while (*name && upper(*entry) == upper(*name)) ++entry, ++name;
    return !*name && *entry == '=' ? entry + 1 : nullptr;
}

}  // namespace

// The whole block rather than GetEnvironmentVariableA, which answers 0 both
// for a name that is not set and for one set to nothing (as NT allows).
bool Win32Environment::get(const char* name, Text& value)
{
    char* block = GetEnvironmentStrings();
    if (!block) return false;
    bool found = false;
    for (const char* entry = block; *entry && !found; entry += lengthOf(entry) + 1)
        if (const char* v = *entry != '=' ? valueIn(entry, name) : nullptr) {
            value = v;
            found = true;
        }
    FreeEnvironmentStringsA(block);
    return found;
}

}  // namespace velmora
