#pragma once
// A copy of every source line as it is read, without its line end; the analysis overwrites
// unused ranges in it and the driver writes it out.

#include "support/string.h"
#include "support/string_list.h"

namespace cullsrc {

class TextSink;

class LineBuffer {
public:
    // One step per value read: a line end or the end of input (-1) completes the line.
    void add_char(int c) {
        if (c == '\n' || c == '\r' || c == -1) {
            lines_.push(current_line_);
            current_line_.clear();
        } else {
            current_line_.append(static_cast<char>(c));
        }
    }
    StringList& lines() { return lines_; }
    // Writes every completed line followed by "\n".
    void write_lines(TextSink& output);

private:
    StringList lines_;
    String current_line_;
};

}  // namespace cullsrc
