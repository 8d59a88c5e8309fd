#pragma once
// What a program finds in its environment. On Windows 95 and 98 what
// AUTOEXEC.BAT sets reaches every program started from the desktop, so
// Velmora sees what a game started beside it sees.
#include "registry/text.h"

namespace velmora {

class Environment {
public:
    virtual ~Environment() = default;
    // False when the name is not set. Names ignore case, as on Windows.
    virtual bool get(const char* name, Text& value) = 0;
};

}  // namespace velmora
