#pragma once
// The program's text and stored values to and from std::string, and printed readably.
#include <ostream>
#include <string>

#include "registry/errors.h"
#include "registry/store.h"

namespace velmora {

inline std::string str(const Text& t) { return std::string(t.c_str(), t.size()); }
inline Text text(const std::string& s) { return Text(s.data(), s.size()); }
inline StoredValue storedText(const std::string& s, std::uint32_t type = regtype::Sz) { return storedText(text(s), type); }
inline StoredValue storedText(const char* s, std::uint32_t type = regtype::Sz) { return storedText(Text(s), type); }

inline void PrintTo(const Text& t, std::ostream* os) { *os << '"' << str(t) << '"'; }
inline void PrintTo(const StoredValue& v, std::ostream* os)
{
    *os << "type " << v.type << ":";
    for (auto b : v.data) *os << ' ' << static_cast<int>(b);
}

}  // namespace velmora
