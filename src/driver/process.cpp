// The fixed pipeline of one run.

#include <memory>

#include "driver/sink.h"
#include "parser/parser.h"
#include "support/stack_room.h"

namespace cullsrc {

void Parser::process(TextSink& output) {
    // The whole run goes on a stack segment whose size is known, so that deep input can
    // tell when to move on to more stack.
    with_stack_room([&] {
        auto global = std::make_unique<Scope>(nullptr);
        parse_translation_unit(*global);
        global->executed = true;
        global->resolve_function("main", console_);
        global->dump(String(), console_);
        global->report_unused(line_buffer().lines(), console_);
        line_buffer().write_lines(output);
    });
}

}  // namespace cullsrc
