#include "registry/errors.h"

namespace velmora {

Status invalidProcedureCall() { return {err::InvalidProcedureCall, "Invalid procedure call or argument"}; }
Status overflow() { return {err::Overflow, "Overflow"}; }
Status outOfMemory() { return {err::OutOfMemory, "Out of memory"}; }
Status typeMismatch() { return {err::TypeMismatch, "Type mismatch"}; }
Status invalidUseOfNull() { return {err::InvalidUseOfNull, "Invalid use of Null"}; }
Status invalidPropertyValue() { return {err::InvalidPropertyValue, "Invalid property value"}; }

Status registryError(std::uint32_t systemCode)
{
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(err::RegistryErrorBase) + (systemCode & 0xFFFFu)),
            "Registry: "};
}

bool registryErrorCode(const Status& s, std::uint32_t& systemCode)
{
    systemCode = static_cast<std::uint32_t>(s.number()) - static_cast<std::uint32_t>(err::RegistryErrorBase);
    return s.failed() && systemCode <= 0xFFFFu;
}

}  // namespace velmora
