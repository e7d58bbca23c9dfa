#pragma once
// The bytes the Lexer reads, one at a time: from memory, or from a file through a block
// buffer of our own so that the per-byte step is an inline pointer bump.

#include <cstdio>
#include <memory>
#include <string_view>

namespace cullsrc {

class Source {
public:
    explicit Source(std::string_view bytes);
    explicit Source(std::FILE* file);
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    // The next byte as 0 to 255, or -1 at the end of input. Throws ReadFailure when the
    // file cannot be read, so that a failure is never taken for the end.
    int get() {
        if (next_ == end_ && !refill()) return -1;
        return *next_++;
    }

private:
    bool refill();

    const unsigned char* next_ = nullptr;
    const unsigned char* end_ = nullptr;
    std::FILE* file_ = nullptr;
    std::unique_ptr<unsigned char[]> block_;
};

}  // namespace cullsrc
