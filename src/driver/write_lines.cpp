#include "driver/sink.h"
#include "lexer/line_buffer.h"

namespace cullsrc {

// Every byte of each line is written, NUL bytes included: stopping at a NUL would drop the
// rest of the line and its line end, and merge it with the next.
void LineBuffer::write_lines(TextSink& output) {
    lines_.for_each([&](const String& line) {
        output.write(line.view());
        output.write("\n");
    });
}

}  // namespace cullsrc
