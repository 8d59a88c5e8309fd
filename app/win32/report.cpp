#include "app/win32/report.h"

namespace velmora {

// A registry failure is described by the system's message for its code.
void reportAndEnd(HWND owner, const Status& failure)
{
    char message[300] = "";
    if (std::uint32_t code = 0; registryErrorCode(failure, code)) {
        DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, message,
                                 sizeof message, nullptr);
        while (n > 0 && (message[n - 1] == '\r' || message[n - 1] == '\n' || message[n - 1] == ' ')) message[--n] = 0;
        if (n == 0) wsprintfA(message, "error %lu", static_cast<unsigned long>(code));
    }
    char description[400];
    wsprintfA(description, "%s%.300s", failure.description(), message);
    reportAndEnd(owner, failure.number(), description);
}

void reportAndEnd(HWND owner, std::int32_t number, const char* description)
{
    char text[1100];  // wsprintfA writes at most 1024 characters
    wsprintfA(text, "Run-time error '%ld':\n\n%.900s", static_cast<long>(number), description);
    MessageBoxA(owner, text, "Velmora", MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

}  // namespace velmora
