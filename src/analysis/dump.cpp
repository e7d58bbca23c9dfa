// The scope tree as indented text: each scope's variables, names used and called, and
// whether the marking reached it. Written with its own stack, so any depth can be dumped.

#include <string>
#include <vector>

#include "driver/sink.h"
#include "scope/scope.h"

namespace cullsrc {

namespace {

void dump_head(Scope& scope, const std::string& prefix, std::string& line, TextSink& console) {
    line.assign(prefix).append("CONTEXT ").append(scope.name.name());
    line.append(scope.executed ? " EXECUTED {\n" : " NOT EXECUTED {\n");
    console.write(line);

    line.assign(prefix).append("  VARIABLES: ");
    scope.variables.for_each([&](const Variable* variable) {
        line.append(variable->name.name()).append(variable->used ? "-USED " : "-UNUSED ");
    });
    line.append("\n");
    console.write(line);

    line.assign(prefix).append("  REFERENCES: ");
    scope.references.for_each([&](const String& name) { line.append(name.name()).append(" "); });
    line.append("\n");
    console.write(line);

    line.assign(prefix).append("  CALLS: ");
    scope.calls.for_each([&](const String& name) { line.append(name.name()).append(" "); });
    line.append("\n");
    console.write(line);
}

}  // namespace

void Scope::dump(const String& prefix, TextSink& console) {
    struct Frame {
        Scope* scope;
        std::int32_t next_child;
    };
    std::string indent(prefix.view());
    std::string line;
    std::vector<Frame> stack{{this, 0}};
    dump_head(*this, indent, line, console);
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next_child < frame.scope->children.size()) {
            Scope* child = frame.scope->children.at(frame.next_child++);
            indent.append("  ");
            dump_head(*child, indent, line, console);
            stack.push_back({child, 0});
        } else {
            console.write(line.assign(indent).append("}\n"));
            stack.pop_back();
            if (!stack.empty()) indent.resize(indent.size() - 2);
        }
    }
}

}  // namespace cullsrc
