#pragma once
// The registry component RegEdit: five members that keep their values until
// set again, and three operations that act on them and return their failure.
//
// Stored kinds:
//   WriteValue, ValueType 0: REG_SZ holding the value's text (a number as its
//   decimal digits); ValueType 1: REG_DWORD of the value as a 32-bit number.
//   Any other ValueType fails (error 5).
//   ReadValue: REG_SZ and REG_EXPAND_SZ give their text (up to the first zero
//   byte, unexpanded); a 4-byte REG_DWORD (or big-endian DWORD) gives a signed
//   32-bit number. Everything else (binary, multi-string, QWORD, none, a
//   DWORD of another length) gives Null: it exists, but cannot become text.
#include <cstdint>

#include "registry/store.h"
#include "registry/value.h"

namespace velmora {

class RegEdit {
public:
    explicit RegEdit(RegistryStore& store) : store_(store) {}

    void setRootKey(std::int32_t v) { rootKey_ = v; }
    void setKeyPath(const Text& v) { keyPath_ = v; }
    void setValueName(const Text& v) { valueName_ = v; }
    void setValueType(std::int32_t v) { valueType_ = v; }
    void setValue(const Value& v) { value_ = v; }
    const Value& value() const { return value_; }

    Status ReadValue();
    Status WriteValue();
    Status DeleteValue();

    // The conversions between the component's Value and stored data.
    static Value fromStored(const StoredValue& sv);
    static Status toStored(const Value& v, std::int32_t valueType, StoredValue& out);

private:
    Status checkRoot() const;

    RegistryStore& store_;
    std::int32_t rootKey_ = 0;
    Text keyPath_;
    Text valueName_;
    std::int32_t valueType_ = 0;
    Value value_;
};

}  // namespace velmora
