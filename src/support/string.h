#pragma once
// The text type of the tool: a length, a capacity and an owned block whose size is a
// multiple of 16 bytes. Texts of up to 15 bytes live inside the object itself, so the
// many short names and lexemes cost no heap block.

#include <cstdint>
#include <string_view>

namespace cullsrc {

class String {
public:
    String();
    String(const char* text);  // NOLINT: built from literals everywhere
    explicit String(std::string_view bytes);
    String(const String& other);
    String(String&& other) noexcept;
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    ~String();

    void assign(const char* text);
    void assign(const String& other);
    void append(char byte) {
        if (length_ == capacity_) reserve(std::int64_t{length_} + 1);
        char* text = data();
        text[length_] = byte;
        text[++length_] = '\0';
    }
    void append(std::string_view bytes);
    void swap(String& other) noexcept;
    // Empties the text but keeps the block, for buffers that are refilled at once.
    void clear();
    String concat(const char* text) const;
    String concat(const String& other) const;
    bool equals(const char* text) const;
    bool equals(const String& other) const;
    bool differs(const char* text) const { return !equals(text); }
    const char* c_str() const { return data(); }
    std::int32_t length() const { return length_; }
    std::int32_t capacity() const { return capacity_; }
    void fill(std::int32_t from, std::int32_t to, char byte);
    // Every byte of the text, NUL bytes included.
    std::string_view view() const { return {data(), static_cast<std::size_t>(length_)}; }
    // The text as the comparisons see it: up to its first NUL byte.
    std::string_view name() const;

private:
    static constexpr std::int32_t local_capacity = 15;

    bool is_local() const { return capacity_ == local_capacity; }
    char* data() { return is_local() ? local_ : heap_; }
    const char* data() const { return is_local() ? local_ : heap_; }
    void allocate(std::int64_t n);
    void reserve(std::int64_t n);
    void release();
    void copy_from(const char* bytes, std::int32_t count);

    std::int32_t length_ = 0;
    std::int32_t capacity_ = local_capacity;
    union {
        char* heap_;
        char local_[local_capacity + 1];
    };
};

}  // namespace cullsrc
