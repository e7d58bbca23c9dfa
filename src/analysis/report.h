#pragma once

#include <cstdint>
#include <vector>

#include "lexer/position.h"
#include "support/string.h"
#include "support/string_list.h"

namespace cullsrc {

// The byte written over every unused range.
constexpr char FILL_BYTE = static_cast<char>(0xFE);

// Direct access to the kept lines by index.
class LineTable {
public:
    explicit LineTable(StringList& lines);
    String& at(std::int32_t index);

private:
    StringList& lines_;
    std::vector<String*> table_;
};

// Overwrites the half-open range [start, end) of the lines with FILL_BYTE.
void blank_range(LineTable& lines, Position start, Position end);

}  // namespace cullsrc
