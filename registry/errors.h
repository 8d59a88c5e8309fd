#pragma once
// Errors of the core: a number and a description, as the run-time errors of
// the original environment carry them. The core throws; the Win32 boundary
// catches and reports.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace velmora {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(std::int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    std::int32_t number() const noexcept { return number_; }
    std::string description() const { return what(); }

private:
    std::int32_t number_;
};

// Run-time error numbers the core raises itself.
namespace err {
constexpr std::int32_t InvalidProcedureCall = 5;
constexpr std::int32_t Overflow = 6;
constexpr std::int32_t OutOfMemory = 7;
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t InvalidUseOfNull = 94;
constexpr std::int32_t InvalidPropertyValue = 380;
// Registry failures are component errors: this base plus the system's error code.
constexpr std::int32_t ObjectErrorBase = -2147221504;  // 0x80040000
}  // namespace err

RuntimeError invalidProcedureCall();
RuntimeError overflow();
RuntimeError typeMismatch();
RuntimeError invalidUseOfNull();
RuntimeError invalidPropertyValue();
// A registry failure: the system error code and its readable message.
RuntimeError registryError(std::uint32_t systemCode, const std::string& message);

}  // namespace velmora
