#pragma once
// What the registry component hands over and takes: nothing yet (Empty), data
// that has no text (Null), a 16-bit Integer, a 32-bit Long or Text. Numbers
// keep their width, because a setting is written with the width it was given.
#include <cstdint>

#include "registry/text.h"

namespace velmora {

class Value {
public:
    enum class Kind { Empty, Null, Integer, Long, Text };

    Value() = default;  // Empty
    static Value null() { return Value(Kind::Null, 0, {}); }
    static Value integer(std::int16_t v) { return Value(Kind::Integer, v, {}); }
    static Value long32(std::int32_t v) { return Value(Kind::Long, v, {}); }
    static Value text(Text v) { return Value(Kind::Text, 0, static_cast<Text&&>(v)); }

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    std::int16_t asInteger() const { return static_cast<std::int16_t>(number_); }
    std::int32_t asLong() const { return number_; }
    const Text& asText() const { return text_; }

    friend bool operator==(const Value& a, const Value& b)
    {
        return a.kind_ == b.kind_ && a.number_ == b.number_ && a.text_ == b.text_;
    }
    friend bool operator!=(const Value& a, const Value& b) { return !(a == b); }

private:
    Value(Kind k, std::int32_t n, Text t) : kind_(k), number_(n), text_(static_cast<Text&&>(t)) {}

    Kind kind_ = Kind::Empty;
    std::int32_t number_ = 0;
    Text text_;
};

}  // namespace velmora
