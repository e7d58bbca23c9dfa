#pragma once

#include "lexer/lexer.h"

namespace cullsrc {

class Source;
class TextSink;

// One run of the tool over two files; `console` stands for standard output. Returns the exit
// status.
int run(const char* input_path, const char* output_path, TextSink& console);

// The pipeline over an opened input, with every early end turned into its message on the
// console and status 1. `input_path` names the input in those messages.
int run_pipeline(Source& input, TextSink& console, TextSink& output, const char* input_path,
                 LexerLimits limits = {});

}  // namespace cullsrc
