// The unused report: one line per declaration that can never take part in a run from main,
// and its source range overwritten with FILL_BYTE in the kept lines.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "analysis/report.h"
#include "driver/sink.h"
#include "scope/scope.h"

namespace cullsrc {

namespace {

void say_unused(const char* kind, const String& name, Position start, Position end,
                TextSink& console) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, " from (%d,%d) to (%d,%d)\n", start.line, start.column,
                  end.line, end.column);
    console.write(std::string("unused ") + kind + ": " + std::string(name.name()) + numbers);
}

}  // namespace

LineTable::LineTable(StringList& lines) : lines_(lines) {}

// Built on first use: reports that jump back to earlier lines must not walk the list again.
String& LineTable::at(std::int32_t index) {
    if (table_.empty()) {
        table_.reserve(static_cast<std::size_t>(lines_.size()));
        std::int32_t count = lines_.size();
        for (std::int32_t i = 0; i < count; ++i) table_.push_back(lines_.at(i));
    }
    return *table_[static_cast<std::size_t>(index)];
}

// Fills each line of the range; a part that `fill` refuses leaves its line as it is.
void blank_range(LineTable& lines, Position start, Position end) {
    if (start.line == end.line) {
        lines.at(start.line).fill(start.column, end.column, FILL_BYTE);
        return;
    }
    String& first = lines.at(start.line);
    first.fill(start.column, first.length(), FILL_BYTE);
    for (std::int32_t line = start.line + 1; line < end.line; ++line) {
        String& middle = lines.at(line);
        middle.fill(0, middle.length(), FILL_BYTE);
    }
    lines.at(end.line).fill(0, end.column, FILL_BYTE);
}

// Depth first over the tree: an executed scope reports its unused variables (parameters
// never), a function that never runs reports itself as a whole.
void Scope::report_unused(StringList& lines, TextSink& console) {
    LineTable table(lines);
    std::vector<Scope*> pending{this};
    while (!pending.empty()) {
        Scope* scope = pending.back();
        pending.pop_back();
        if (scope->executed) {
            scope->variables.for_each([&](Variable* variable) {
                if (variable->used || variable->parameter) return;
                say_unused("variable", variable->name, variable->start, variable->end, console);
                blank_range(table, variable->start, variable->end);
            });
        } else if (scope->name.length() > 0) {
            say_unused("function", scope->name, scope->start, scope->end, console);
            blank_range(table, scope->start, scope->end);
        }
        std::size_t first_child = pending.size();
        scope->children.for_each([&](Scope* child) { pending.push_back(child); });
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(first_child), pending.end());
    }
}

}  // namespace cullsrc
