#include "app/win32/report.h"

namespace velmora {

void reportAndEnd(HWND owner, const Status& failure)
{
    reportAndEnd(owner, failure.number(), failure.description().c_str());
}

void reportAndEnd(HWND owner, std::int32_t number, const char* description)
{
    char text[1100];  // wsprintfA writes at most 1024 characters
    wsprintfA(text, "Run-time error '%ld':\n\n%.900s", static_cast<long>(number), description);
    MessageBoxA(owner, text, "Velmora", MB_OK | MB_ICONSTOP);
    ExitProcess(1);
}

}  // namespace velmora
