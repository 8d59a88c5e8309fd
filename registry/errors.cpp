#include "registry/errors.h"

namespace velmora {

RuntimeError invalidProcedureCall() { return {err::InvalidProcedureCall, "Invalid procedure call or argument"}; }
RuntimeError overflow() { return {err::Overflow, "Overflow"}; }
RuntimeError typeMismatch() { return {err::TypeMismatch, "Type mismatch"}; }
RuntimeError invalidUseOfNull() { return {err::InvalidUseOfNull, "Invalid use of Null"}; }
RuntimeError invalidPropertyValue() { return {err::InvalidPropertyValue, "Invalid property value"}; }

RuntimeError registryError(std::uint32_t systemCode, const std::string& message)
{
    return {static_cast<std::int32_t>(static_cast<std::uint32_t>(err::ObjectErrorBase) + (systemCode & 0xFFFFu)),
            "Registry: " + message};
}

}  // namespace velmora
