#pragma once
// The bytes the Lexer reads, one at a time: from memory, or from a file through a block
// buffer of our own so that the per-byte step is an inline pointer bump. It also hands over
// the text of each line as one span when the line is complete, so that keeping every line
// costs no work per byte.

#include <cstdio>
#include <memory>
#include <string_view>

#include "support/string.h"

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

    // The bytes read since the previous line was taken, without the last byte read when that
    // byte ended the line.
    String take_line(bool ended_by_byte);

private:
    bool refill();

    const unsigned char* next_ = nullptr;
    const unsigned char* end_ = nullptr;
    const unsigned char* line_start_ = nullptr;
    String carried_;  // the start of the current line, from blocks already replaced
    std::FILE* file_ = nullptr;
    std::unique_ptr<unsigned char[]> block_;
};

}  // namespace cullsrc
