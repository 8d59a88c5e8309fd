#pragma once
// The variant the registry component hands over: empty, null, 16-bit integer,
// 32-bit integer or text, as the original environment's Variant.
#include <cstdint>
#include <string>
#include <variant>

namespace velmora {

class Value {
public:
    enum class Kind { Empty, Null, Integer, Long, Text };

    Value() = default;  // Empty
    static Value null();
    static Value integer(std::int16_t v);
    static Value long32(std::int32_t v);
    static Value text(std::string v);

    Kind kind() const { return static_cast<Kind>(data_.index()); }
    bool isNull() const { return kind() == Kind::Null; }

    std::int16_t asInteger() const { return std::get<std::int16_t>(data_); }
    std::int32_t asLong() const { return std::get<std::int32_t>(data_); }
    const std::string& asText() const { return std::get<std::string>(data_); }

    friend bool operator==(const Value& a, const Value& b) { return a.data_ == b.data_; }
    friend bool operator!=(const Value& a, const Value& b) { return !(a == b); }

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) { return true; }
    };
    using Data = std::variant<std::monostate, NullTag, std::int16_t, std::int32_t, std::string>;
    explicit Value(Data d) : data_(std::move(d)) {}
    Data data_;
};

// How a value reads in a test failure or a log: Integer(2), Text("180"), Null.
std::string describe(const Value& v);

}  // namespace velmora
