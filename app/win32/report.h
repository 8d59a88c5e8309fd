#pragma once
// The report of a failure that no procedure trapped: a message box titled
// "Velmora" with its number and description, then the program ends.
#include <windows.h>

#include <cstdint>

#include "registry/errors.h"

namespace velmora {

[[noreturn]] void reportAndEnd(HWND owner, const Status& failure);
// Allocates nothing, so that running out of memory can be reported too.
[[noreturn]] void reportAndEnd(HWND owner, std::int32_t number, const char* description);

// Reports a failure and ends; success passes through.
inline void endOnFailure(HWND owner, const Status& s)
{
    if (s.failed()) reportAndEnd(owner, s);
}

}  // namespace velmora
