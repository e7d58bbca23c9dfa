#pragma once
// The whole tool in-process: for tests, benchmarks and the fuzzer.

#include <string>
#include <string_view>

#include "lexer/lexer.h"

namespace cullsrc {

// Runs the pipeline on `source`, appending what the tool prints to `console` and the bytes
// of the output file to `output` (nothing after an error). Returns the exit status.
int cull(std::string_view source, std::string& console, std::string& output,
         LexerLimits limits = {});

}  // namespace cullsrc
