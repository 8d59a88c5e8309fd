#include "registry/regedit.h"

#include "registry/conversions.h"

namespace velmora {

StoredValue storedText(const Text& text, std::uint32_t type)
{
    StoredValue sv{type, Bytes(text.size() + 1)};  // its terminating zero included
    for (std::size_t i = 0; i < text.size(); ++i) sv.data[i] = static_cast<std::uint8_t>(text[i]);
    return sv;
}

StoredValue storedDword(std::uint32_t v)
{
    return {regtype::Dword, Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                  static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}};
}

Status RegEdit::checkRoot() const
{
    return rootKey_ == hive::LocalMachine || rootKey_ == hive::CurrentConfig ? Status() : invalidProcedureCall();
}

Status RegEdit::ReadValue()
{
    VELMORA_TRY(checkRoot());
    StoredValue sv;
    VELMORA_TRY(store_.read(rootKey_, keyPath_, valueName_, sv));
    value_ = fromStored(sv);
    return {};
}

Status RegEdit::WriteValue()
{
    VELMORA_TRY(checkRoot());
    StoredValue sv;
    VELMORA_TRY(toStored(value_, valueType_, sv));
    return store_.write(rootKey_, keyPath_, valueName_, sv);
}

Status RegEdit::DeleteValue()
{
    VELMORA_TRY(checkRoot());
    return store_.remove(rootKey_, keyPath_, valueName_);
}

Value RegEdit::fromStored(const StoredValue& sv)
{
    const Bytes& d = sv.data;
    switch (sv.type) {
    case regtype::Sz:
    case regtype::ExpandSz: {
        std::size_t n = 0;
        while (n < d.size() && d[n] != 0) ++n;
        return Value::text(Text(reinterpret_cast<const char*>(d.data()), n));
    }
    case regtype::Dword:
    case regtype::DwordBigEndian: {
        if (d.size() != 4) return Value::null();
        const bool big = sv.type == regtype::DwordBigEndian;
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= std::uint32_t{d[static_cast<std::size_t>(big ? 3 - i : i)]} << (8 * i);
        return Value::long32(static_cast<std::int32_t>(u));
    }
    default:
        return Value::null();
    }
}

Status RegEdit::toStored(const Value& v, std::int32_t valueType, StoredValue& out)
{
    switch (valueType) {
    case 0: {
        Text text;
        VELMORA_TRY(toText(v, text));
        out = storedText(text);
        return {};
    }
    case 1: {
        std::int32_t n = 0;
        VELMORA_TRY(toLong(v, '.', n));
        out = storedDword(static_cast<std::uint32_t>(n));
        return {};
    }
    default: return invalidProcedureCall();
    }
}

}  // namespace velmora
