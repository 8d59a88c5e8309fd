#include "registry/value.h"

namespace velmora {

Value Value::null() { return Value(Data{NullTag{}}); }
Value Value::integer(std::int16_t v) { return Value(Data{v}); }
Value Value::long32(std::int32_t v) { return Value(Data{v}); }
Value Value::text(std::string v) { return Value(Data{std::move(v)}); }

std::string describe(const Value& v)
{
    switch (v.kind()) {
    case Value::Kind::Empty: return "Empty";
    case Value::Kind::Null: return "Null";
    case Value::Kind::Integer: return "Integer(" + std::to_string(v.asInteger()) + ")";
    case Value::Kind::Long: return "Long(" + std::to_string(v.asLong()) + ")";
    case Value::Kind::Text: return "Text(\"" + v.asText() + "\")";
    }
    return "?";
}

}  // namespace velmora
