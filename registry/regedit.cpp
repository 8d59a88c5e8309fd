#include "registry/regedit.h"

#include <algorithm>

#include "registry/conversions.h"
#include "registry/errors.h"

namespace velmora {

StoredValue storedText(const std::string& text, std::uint32_t type)
{
    StoredValue sv{type, Bytes(text.begin(), text.end())};
    sv.data.push_back(0);
    return sv;
}

StoredValue storedDword(std::uint32_t v)
{
    return {regtype::Dword, Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                  static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}};
}

void RegEdit::setRootKey(std::int32_t v)
{
    if (observer_) observer_->memberSet("RootKey", Value::long32(v));
    rootKey_ = v;
}

void RegEdit::setKeyPath(const std::string& v)
{
    if (observer_) observer_->memberSet("KeyPath", Value::text(v));
    keyPath_ = v;
}

void RegEdit::setValueName(const std::string& v)
{
    if (observer_) observer_->memberSet("ValueName", Value::text(v));
    valueName_ = v;
}

void RegEdit::setValueType(std::int32_t v)
{
    if (observer_) observer_->memberSet("ValueType", Value::long32(v));
    valueType_ = v;
}

void RegEdit::setValue(const Value& v)
{
    if (observer_) observer_->memberSet("Value", v);
    value_ = v;
}

void RegEdit::checkRoot() const
{
    if (rootKey_ != hive::LocalMachine && rootKey_ != hive::CurrentConfig) throw invalidProcedureCall();
}

void RegEdit::ReadValue()
{
    if (observer_) observer_->operationCalled("ReadValue");
    checkRoot();
    value_ = fromStored(store_.read(rootKey_, keyPath_, valueName_));
}

void RegEdit::WriteValue()
{
    if (observer_) observer_->operationCalled("WriteValue");
    checkRoot();
    store_.write(rootKey_, keyPath_, valueName_, toStored(value_, valueType_));
}

void RegEdit::DeleteValue()
{
    if (observer_) observer_->operationCalled("DeleteValue");
    checkRoot();
    store_.remove(rootKey_, keyPath_, valueName_);
}

Value RegEdit::fromStored(const StoredValue& sv)
{
    const Bytes& d = sv.data;
    switch (sv.type) {
    case regtype::Sz:
    case regtype::ExpandSz: {
        const auto zero = std::find(d.begin(), d.end(), std::uint8_t{0});
        return Value::text(std::string(d.begin(), zero));
    }
    case regtype::Dword:
    case regtype::DwordBigEndian: {
        if (d.size() != 4) return Value::null();
        const bool big = sv.type == regtype::DwordBigEndian;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= std::uint32_t{d[big ? 3 - i : i]} << (8 * i);
        return Value::long32(static_cast<std::int32_t>(u));
    }
    default:
        return Value::null();
    }
}

StoredValue RegEdit::toStored(const Value& v, std::int32_t valueType)
{
    switch (valueType) {
    case 0: return storedText(toText(v));
    case 1: return storedDword(static_cast<std::uint32_t>(toLong(v)));
    default: throw invalidProcedureCall();
    }
}

}  // namespace velmora
