#pragma once
// The ways a run can end early. The core throws them; the driver prints and maps them to
// the exit status, so the core stays callable in-process by tests, benchmarks and fuzzers.

#include <string>

namespace cullsrc {

// A lexical or syntax error: `text` holds the complete lines to print, nothing follows them.
struct Failure {
    std::string text;
};

// The input needs a line or column number beyond what a position can hold.
struct InputTooLarge {};

// Reading the input failed part-way; `error` is the errno value.
struct ReadFailure {
    int error;
};

}  // namespace cullsrc
