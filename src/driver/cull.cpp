#include "driver/cull.h"

#include "driver/run.h"
#include "driver/sink.h"
#include "lexer/source.h"

namespace cullsrc {

int cull(std::string_view source, std::string& console, std::string& output, LexerLimits limits) {
    Source input(source);
    StringSink console_sink(console);
    std::size_t kept = output.size();
    StringSink output_sink(output);
    int status = run_pipeline(input, console_sink, output_sink, "input", limits);
    // Like the file, the output holds nothing of a run that did not complete.
    if (status != 0) output.resize(kept);
    return status;
}

}  // namespace cullsrc
