#pragma once

#include <cstdint>

namespace cullsrc {

// A 0-based (line, column) place in the kept source text; (-1, -1) is unset.
struct Position {
    std::int32_t line = -1;
    std::int32_t column = -1;

    bool is_set() const { return line != -1; }
    friend bool operator==(const Position&, const Position&) = default;
};

}  // namespace cullsrc
