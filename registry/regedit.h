#pragma once
// The registry component RegEdit: five members that keep their values until
// set again, and three operations that act on them. Every failure is thrown.
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
#include <string>

#include "registry/store.h"
#include "registry/value.h"

namespace velmora {

// Sees every member setting and operation, in order, with the variant given.
class RegEditObserver {
public:
    virtual ~RegEditObserver() = default;
    virtual void memberSet(const char* member, const Value& given) = 0;
    virtual void operationCalled(const char* operation) = 0;
};

class RegEdit {
public:
    explicit RegEdit(RegistryStore& store, RegEditObserver* observer = nullptr)
        : store_(store), observer_(observer) {}

    void setRootKey(std::int32_t v);
    void setKeyPath(const std::string& v);
    void setValueName(const std::string& v);
    void setValueType(std::int32_t v);
    void setValue(const Value& v);

    std::int32_t rootKey() const { return rootKey_; }
    const std::string& keyPath() const { return keyPath_; }
    const std::string& valueName() const { return valueName_; }
    std::int32_t valueType() const { return valueType_; }
    const Value& value() const { return value_; }

    void ReadValue();
    void WriteValue();
    void DeleteValue();

    // The conversions between the component's Value and stored data.
    static Value fromStored(const StoredValue& sv);
    static StoredValue toStored(const Value& v, std::int32_t valueType);

private:
    void checkRoot() const;

    RegistryStore& store_;
    RegEditObserver* observer_;
    std::int32_t rootKey_ = 0;
    std::string keyPath_;
    std::string valueName_;
    std::int32_t valueType_ = 0;
    Value value_;
};

}  // namespace velmora
