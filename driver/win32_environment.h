#pragma once
// The program's own environment, as Glide in a game started beside it would
// see it: what AUTOEXEC.BAT set, and what the shell added.
#include "driver/environment.h"

namespace velmora {

class Win32Environment : public Environment {
public:
    bool get(const char* name, Text& value) override;
};

}  // namespace velmora
