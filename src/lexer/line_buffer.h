#pragma once
// A copy of every source line as it is read, without its line end; the analysis overwrites
// unused ranges in it and the driver writes it out. The line being read is still in the
// Source, which hands it over whole when a line end or the end of input completes it.

#include "support/string.h"
#include "support/string_list.h"

namespace cullsrc {

class TextSink;

class LineBuffer {
public:
    void add_line(String&& line) { lines_.push(std::move(line)); }
    StringList& lines() { return lines_; }
    // Writes every completed line followed by "\n".
    void write_lines(TextSink& output);

private:
    StringList lines_;
};

}  // namespace cullsrc
