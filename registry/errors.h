#pragma once
// Errors of the program: a number and a description, returned as an explicit
// result from every step that can fail. The Windows build has no C++
// exceptions; the first failure ends a step, and what no procedure traps is
// reported by the Win32 shell, which then ends the program.
#include <cstdint>

#include "registry/text.h"

namespace velmora {

// A number and a fixed text: two words, copied as freely as an integer.
class [[nodiscard]] Status {
public:
    Status() = default;  // success
    Status(std::int32_t number, const char* description) : number_(number), description_(description) {}

    bool ok() const { return number_ == 0; }
    bool failed() const { return number_ != 0; }
    std::int32_t number() const { return number_; }
    // A registry failure's says "Registry:" only: the report adds the
    // system's message for the code, which the number carries.
    const char* description() const { return description_; }

private:
    std::int32_t number_ = 0;
    const char* description_ = "";
};

// Ends the calling step with the first failure.
#define VELMORA_TRY(step)                                                                \
    do {                                                                                 \
        if (::velmora::Status velmoraStatus_ = (step); velmoraStatus_.failed()) return velmoraStatus_; \
    } while (0)

// Numbers the program reports: each kind of failure has one, so that the
// report of an untrapped failure always names it the same way.
namespace err {
constexpr std::int32_t InvalidProcedureCall = 5;
constexpr std::int32_t Overflow = 6;
constexpr std::int32_t OutOfMemory = 7;
constexpr std::int32_t TypeMismatch = 13;
constexpr std::int32_t FileNotFound = 53;
constexpr std::int32_t InvalidUseOfNull = 94;
constexpr std::int32_t InvalidPropertyValue = 380;
// Registry failures: this base plus the system's error code.
constexpr std::int32_t RegistryErrorBase = -2147221504;  // 0x80040000
}  // namespace err

Status invalidProcedureCall();
Status overflow();
Status outOfMemory();
Status typeMismatch();
Status invalidUseOfNull();
Status invalidPropertyValue();
// A registry failure: the system error code, kept in the number.
Status registryError(std::uint32_t systemCode);
// The system error code a registry failure carries; false for any other failure.
bool registryErrorCode(const Status& s, std::uint32_t& systemCode);

}  // namespace velmora
