// All the runtime the program has. It links no C or C++ library: the heap
// behind operator new and the few functions the compiler itself calls are
// here, compiled with the program for its own processor floor. The entry
// point is in main.cpp.
#include <windows.h>

#include <cstddef>

#include "app/win32/report.h"

void* operator new(std::size_t n)
{
    if (void* p = HeapAlloc(GetProcessHeap(), 0, n ? n : 1)) return p;
    velmora::reportAndEnd(nullptr, velmora::err::OutOfMemory, "Out of memory");
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept
{
    if (p) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

extern "C" {

// A call through a class whose derived object is already gone: a fault of ours.
void __cxa_pure_virtual() { velmora::reportAndEnd(nullptr, 51, "Internal error"); }

// What the compiler emits for copies and clears of whole objects. This file
// is compiled so that these loops are not turned back into calls to themselves.
void* memcpy(void* to, const void* from, std::size_t n)
{
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    while (n--) *d++ = *s++;
    return to;
}

void* memmove(void* to, const void* from, std::size_t n)
{
    auto* d = static_cast<unsigned char*>(to);
    const auto* s = static_cast<const unsigned char*>(from);
    if (d < s) {
        while (n--) *d++ = *s++;
    } else {
        while (n--) d[n] = s[n];
    }
    return to;
}

void* memset(void* to, int c, std::size_t n)
{
    auto* d = static_cast<unsigned char*>(to);
    while (n--) *d++ = static_cast<unsigned char>(c);
    return to;
}

int memcmp(const void* a, const void* b, std::size_t n)
{
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (; n--; ++x, ++y)
        if (*x != *y) return *x < *y ? -1 : 1;
    return 0;
}

std::size_t strlen(const char* s)
{
    std::size_t n = 0;
    while (s[n]) ++n;
    return n;
}

}  // extern "C"
