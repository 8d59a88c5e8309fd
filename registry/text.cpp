#include "registry/text.h"

namespace velmora {

std::size_t lengthOf(const char* s)
{
    std::size_t n = 0;
    while (s[n]) ++n;
    return n;
}

bool sameText(const char* a, const char* b)
{
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

Text::Text() { inline_[0] = 0; }
Text::Text(const char* s) { append(s, lengthOf(s)); }
Text::Text(const char* s, std::size_t n) { append(s, n); }
Text::Text(const Text& o) { append(o.data_, o.size_); }
Text::Text(Text&& o) noexcept { take(o); }
Text::~Text() { release(); }

Text& Text::operator=(Text&& o) noexcept
{
    if (this != &o) {
        release();
        take(o);
    }
    return *this;
}

Text& Text::operator=(const Text& o)
{
    if (this != &o) {
        size_ = 0;
        append(o.data_, o.size_);
    }
    return *this;
}

void Text::release()
{
    if (data_ != inline_) delete[] data_;
}

void Text::take(Text& o) noexcept
{
    size_ = o.size_;
    if (o.data_ == o.inline_) {
        for (std::size_t i = 0; i <= size_; ++i) inline_[i] = o.inline_[i];
        data_ = inline_;
        capacity_ = kInline;
    } else {
        data_ = o.data_;
        capacity_ = o.capacity_;
    }
    o.data_ = o.inline_;
    o.capacity_ = kInline;
    o.size_ = 0;
    o.inline_[0] = 0;
}

char* Text::grow(std::size_t n)
{
    const std::size_t capacity = n > capacity_ * 2 ? n : capacity_ * 2;
    char* grown = new char[capacity + 1];
    for (std::size_t i = 0; i <= size_; ++i) grown[i] = data_[i];
    char* old = data_ == inline_ ? nullptr : data_;
    data_ = grown;
    capacity_ = capacity;
    return old;
}

void Text::reserve(std::size_t n)
{
    if (n > capacity_) delete[] grow(n);
}

// The old block is freed only once copied from: `s` may lie in it (t += t).
Text& Text::append(const char* s, std::size_t n)
{
    char* old = size_ + n > capacity_ ? grow(size_ + n) : nullptr;
    for (std::size_t i = 0; i < n; ++i) data_[size_ + i] = s[i];
    size_ += n;
    data_[size_] = 0;
    delete[] old;
    return *this;
}

Text& Text::operator+=(const char* s) { return append(s, lengthOf(s)); }
Text& Text::operator+=(const Text& s) { return append(s.data_, s.size_); }
Text operator+(Text a, const Text& b) { return std::move(a += b); }
Text operator+(Text a, const char* b) { return std::move(a += b); }

Text fill(const char* pattern, std::initializer_list<Piece> pieces)
{
    Text t;
    const Piece* next = pieces.begin();
    for (const char* p = pattern; *p; ++p) {
        if (*p == '%' && next != pieces.end())
            t.append(next->data, next->size), ++next;
        else
            t += *p;
    }
    return t;
}

void Text::resize(std::size_t n)
{
    reserve(n);
    for (std::size_t i = size_; i < n; ++i) data_[i] = 0;
    size_ = n;
    data_[size_] = 0;
}

bool Text::contains(char c) const
{
    for (std::size_t i = 0; i < size_; ++i)
        if (data_[i] == c) return true;
    return false;
}

Text Text::number(std::int32_t v)
{
    // Unsigned, so that the lowest number has a magnitude too.
    std::uint32_t magnitude = v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v);
    char digits[11];
    std::size_t n = 0;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    Text t;
    t.reserve(n + 1);
    if (v < 0) t += '-';
    while (n) t += digits[--n];
    return t;
}

bool operator==(const Text& a, const Text& b)
{
    if (a.size_ != b.size_) return false;
    for (std::size_t i = 0; i < a.size_; ++i)
        if (a.data_[i] != b.data_[i]) return false;
    return true;
}

bool operator==(const Text& a, const char* b)
{
    std::size_t i = 0;
    for (; i < a.size_; ++i)
        if (a.data_[i] != b[i] || !b[i]) return false;
    return b[i] == 0;
}

}  // namespace velmora
