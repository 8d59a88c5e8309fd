#pragma once
// The program's own text and growable array. The Windows build links no C++
// library, so the only containers it has are these, compiled with the rest of
// the program for the processor it targets. Out of memory is not a result:
// operator new ends the program with its report.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <new>
#include <utility>

namespace velmora {

std::size_t lengthOf(const char* s);

// Text as the registry and the window system hold it: bytes, a terminating
// zero always present after them, zero bytes allowed inside. Value names,
// codes and numbers fit in the object itself, without the heap.
class Text {
public:
    Text();
    Text(const char* s);  // NOLINT: text from literals reads best implicit
    // Out of line, each once: texts are made and dropped all over the program.
    Text(const char* s, std::size_t n);
    Text(const Text& o);
    Text(Text&& o) noexcept;
    Text& operator=(Text&& o) noexcept;
    // Keeps the room it has: the registry component's members are set anew
    // for every value, mostly to texts of the same size.
    Text& operator=(const Text& o);
    ~Text();

    const char* c_str() const { return data_; }
    char* data() { return size_ ? data_ : nullptr; }  // size() writable bytes
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    char operator[](std::size_t i) const { return data_[i]; }
    char back() const { return data_[size_ - 1]; }

    Text& append(const char* s, std::size_t n);
    void reserve(std::size_t n);
    Text& operator+=(const Text& s);
    Text& operator+=(const char* s);
    Text& operator+=(char c) { return append(&c, 1); }
    // Shorter keeps the start; longer adds zero bytes.
    void resize(std::size_t n);
    // From byte `from` to the end.
    Text from(std::size_t from) const { return from < size_ ? Text(data_ + from, size_ - from) : Text(); }
    bool contains(char c) const;

    // Decimal digits, a minus sign for negative numbers.
    static Text number(std::int32_t v);

    friend bool operator==(const Text& a, const Text& b);
    friend bool operator==(const Text& a, const char* b);
    friend bool operator!=(const Text& a, const Text& b) { return !(a == b); }
    friend bool operator!=(const Text& a, const char* b) { return !(a == b); }
    friend Text operator+(Text a, const Text& b);
    friend Text operator+(Text a, const char* b);

private:
    static constexpr std::size_t kInline = 23;

    void release();
    void take(Text& o) noexcept;  // o's text moves here; o is left empty
    char* grow(std::size_t n);    // room for n bytes; returns the heap block left, for the caller to free

    char inline_[kInline + 1];  // only as far as the terminating zero is ever written
    char* data_ = inline_;
    std::size_t size_ = 0;
    std::size_t capacity_ = kInline;  // bytes before the terminating zero
};

// Equal C strings; no library call, so it serves the Windows build too.
bool sameText(const char* a, const char* b);

// A piece of a text to be made, a literal or a Text, taken as it is.
struct Piece {
    Piece(const char* s) : data(s), size(lengthOf(s)) {}       // NOLINT: literals read best implicit
    Piece(const Text& t) : data(t.c_str()), size(t.size()) {}  // NOLINT
    const char* data;
    std::size_t size;
};

// The pattern with each '%' replaced by the next piece: one call where a
// chain of + would make a text, and code, at every step.
Text fill(const char* pattern, std::initializer_list<Piece> pieces);

// A growable array that owns its items.
template <class T>
class Vec {
public:
    Vec() = default;
    Vec(std::initializer_list<T> items) : Vec(items.begin(), items.end()) {}
    Vec(const T* first, const T* last)
    {
        reserve(static_cast<std::size_t>(last - first));
        for (; first != last; ++first) push_back(*first);
    }
    explicit Vec(std::size_t n) { resize(n); }
    Vec(const Vec& o) : Vec(o.begin(), o.end()) {}
    Vec(Vec&& o) noexcept
        : items_(std::exchange(o.items_, nullptr)), size_(std::exchange(o.size_, 0)),
          capacity_(std::exchange(o.capacity_, 0))
    {
    }
    Vec& operator=(Vec o) noexcept
    {
        std::swap(items_, o.items_);
        std::swap(size_, o.size_);
        std::swap(capacity_, o.capacity_);
        return *this;
    }
    ~Vec()
    {
        clear();
        ::operator delete(items_);
    }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* data() { return items_; }
    const T* data() const { return items_; }
    T* begin() { return items_; }
    T* end() { return items_ + size_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + size_; }
    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    T& back() { return items_[size_ - 1]; }
    const T& back() const { return items_[size_ - 1]; }

    void push_back(T v)
    {
        if (size_ == capacity_) reserve(capacity_ ? capacity_ * 2 : 8);
        new (items_ + size_) T(std::move(v));
        ++size_;
    }
    // Shorter drops from the end; longer adds value-initialised items.
    void resize(std::size_t n)
    {
        reserve(n);
        while (size_ > n) items_[--size_].~T();
        for (; size_ < n; ++size_) new (items_ + size_) T();
    }
    void clear() { resize(0); }

    friend bool operator==(const Vec& a, const Vec& b)
    {
        if (a.size_ != b.size_) return false;
        for (std::size_t i = 0; i < a.size_; ++i)
            if (!(a.items_[i] == b.items_[i])) return false;
        return true;
    }
    friend bool operator!=(const Vec& a, const Vec& b) { return !(a == b); }

private:
    void reserve(std::size_t n)
    {
        if (n <= capacity_) return;
        T* grown = static_cast<T*>(::operator new(n * sizeof(T)));
        for (std::size_t i = 0; i < size_; ++i) {
            new (grown + i) T(std::move(items_[i]));
            items_[i].~T();
        }
        ::operator delete(items_);
        items_ = grown;
        capacity_ = n;
    }

    T* items_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

using Bytes = Vec<std::uint8_t>;

}  // namespace velmora
