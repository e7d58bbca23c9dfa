#pragma once

#include "lexer/position.h"
#include "support/string.h"

namespace cullsrc {

// A declared variable or parameter and the half-open source range cut out when it is unused.
struct Variable {
    Variable(const String& name, Position start, Position end, bool parameter)
        : name(name), parameter(parameter), start(start), end(end) {}

    String name;
    bool used = false;
    bool parameter;
    Position start;
    Position end;
};

}  // namespace cullsrc
