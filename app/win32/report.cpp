#include "app/win32/report.h"

#include <exception>
#include <new>

#include "registry/errors.h"

namespace velmora {

namespace {
constexpr std::int32_t kInternalError = 51;
}

void reportAndEnd(HWND owner, std::int32_t number, const std::string& description)
{
    const std::string text = "Run-time error '" + std::to_string(number) + "':\n\n" + description;
    MessageBoxA(owner, text.c_str(), "Velmora", MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

void reportCurrentAndEnd(HWND owner)
{
    try {
        throw;
    } catch (const RuntimeError& e) {
        reportAndEnd(owner, e.number(), e.description());
    } catch (const std::bad_alloc&) {
        reportAndEnd(owner, err::OutOfMemory, "Out of memory");
    } catch (const std::exception& e) {
        reportAndEnd(owner, kInternalError, std::string("Internal error: ") + e.what());
    } catch (...) {
        reportAndEnd(owner, kInternalError, "Internal error");
    }
}

}  // namespace velmora
