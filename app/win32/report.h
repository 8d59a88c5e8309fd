#pragma once
// The report of an error that no procedure trapped: a message box titled
// "Velmora" with its number and description, then the program ends. Window
// procedures catch everything and hand it here, so no exception ever
// crosses into the system.
#include <windows.h>

#include <cstdint>
#include <string>

namespace velmora {

[[noreturn]] void reportAndEnd(HWND owner, std::int32_t number, const std::string& description);

// Call from inside a catch block: reports the exception being handled.
[[noreturn]] void reportCurrentAndEnd(HWND owner);

}  // namespace velmora
