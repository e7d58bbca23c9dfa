#include "support/string.h"

#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace cullsrc {

namespace {

constexpr std::int64_t block_limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;

// The smallest multiple of 16 that is greater than n.
std::int64_t block_for(std::int64_t n) { return (n + 16) / 16 * 16; }

std::int32_t checked_length(std::size_t n) {
    if (n >= static_cast<std::size_t>(block_limit - 16)) throw std::bad_alloc();
    return static_cast<std::int32_t>(n);
}

}  // namespace

String::String() { local_[0] = '\0'; }

String::String(const char* text) : String(std::string_view(text)) {}

String::String(std::string_view bytes) {
    length_ = checked_length(bytes.size());
    allocate(length_);
    copy_from(bytes.data(), length_);
}

String::String(const String& other) {
    length_ = other.length_;
    allocate(length_);
    copy_from(other.data(), length_);
}

String::String(String&& other) noexcept : length_(other.length_), capacity_(other.capacity_) {
    if (other.is_local()) {
        std::memcpy(local_, other.local_, sizeof local_);
    } else {
        heap_ = other.heap_;
        other.capacity_ = local_capacity;
    }
    other.length_ = 0;
    other.local_[0] = '\0';
}

String& String::operator=(const String& other) {
    assign(other);
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if (this != &other) {
        release();
        new (this) String(std::move(other));
    }
    return *this;
}

String::~String() { release(); }

// Assignment sizes the block by the rule for the new length, as construction does.
void String::assign(const char* text) {
    String copy(text);
    *this = std::move(copy);
}

void String::assign(const String& other) {
    if (this == &other) return;
    String copy(other);
    *this = std::move(copy);
}

void String::append(std::string_view bytes) {
    if (bytes.empty()) return;
    std::int32_t added = checked_length(bytes.size());
    reserve(std::int64_t{length_} + added);
    char* text = data();
    std::memcpy(text + length_, bytes.data(), bytes.size());
    length_ += added;
    text[length_] = '\0';
}

// The text lives either inline or behind the pointer, never pointing into the object, so
// exchanging the raw fields exchanges the texts.
void String::swap(String& other) noexcept {
    std::swap(length_, other.length_);
    std::swap(capacity_, other.capacity_);
    char held[sizeof local_];
    std::memcpy(held, local_, sizeof held);
    std::memcpy(local_, other.local_, sizeof held);
    std::memcpy(other.local_, held, sizeof held);
}

void String::clear() {
    length_ = 0;
    data()[0] = '\0';
}

String String::concat(const char* text) const {
    std::size_t extra = std::strlen(text);
    String result;
    result.length_ = checked_length(static_cast<std::size_t>(length_) + extra);
    result.allocate(result.length_);
    std::memcpy(result.data(), data(), static_cast<std::size_t>(length_));
    std::memcpy(result.data() + length_, text, extra + 1);
    return result;
}

String String::concat(const String& other) const {
    String result;
    result.length_ = checked_length(static_cast<std::size_t>(length_) + other.length_);
    result.allocate(result.length_);
    std::memcpy(result.data(), data(), static_cast<std::size_t>(length_));
    std::memcpy(result.data() + length_, other.data(), static_cast<std::size_t>(other.length_) + 1);
    return result;
}

bool String::equals(const char* text) const { return std::strcmp(data(), text) == 0; }

bool String::equals(const String& other) const { return std::strcmp(data(), other.data()) == 0; }

std::string_view String::name() const { return std::string_view(data()); }

void String::fill(std::int32_t from, std::int32_t to, char byte) {
    if (from < 0 || from >= to || to > length_) return;
    std::memset(data() + from, byte, static_cast<std::size_t>(to - from));
}

// Takes a fresh block for n text bytes; copies and releases nothing.
void String::allocate(std::int64_t n) {
    std::int64_t block = block_for(n);
    if (block > block_limit) throw std::bad_alloc();
    if (block == local_capacity + 1) {
        capacity_ = local_capacity;
        return;
    }
    heap_ = new char[static_cast<std::size_t>(block)];
    capacity_ = static_cast<std::int32_t>(block - 1);
}

// Grows geometrically, so that building a text byte by byte costs amortized O(1) per byte.
void String::reserve(std::int64_t n) {
    if (n <= capacity_) return;
    std::int64_t doubled = (std::int64_t{capacity_} + 1) * 2;
    std::int64_t block = block_for(n) > doubled ? block_for(n) : doubled;
    if (block > block_limit) block = block_for(n);
    const char* old = data();
    bool old_local = is_local();
    char saved[local_capacity + 1];
    if (old_local) {
        std::memcpy(saved, local_, sizeof saved);
        old = saved;
    }
    char* old_heap = old_local ? nullptr : heap_;
    allocate(block - 1);
    std::memcpy(data(), old, static_cast<std::size_t>(length_) + 1);
    delete[] old_heap;
}

void String::release() {
    if (!is_local()) delete[] heap_;
    capacity_ = local_capacity;
    length_ = 0;
    local_[0] = '\0';
}

void String::copy_from(const char* bytes, std::int32_t count) {
    char* text = data();
    if (count > 0) std::memcpy(text, bytes, static_cast<std::size_t>(count));
    text[count] = '\0';
}

}  // namespace cullsrc
