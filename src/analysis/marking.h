#pragma once
// Marking from main: which scopes can run and which variables an executed scope uses.
// The descent keeps its own stack, so a call chain of any length cannot exhaust the
// program's stack, and the first-match lookups by name go through indexes built once.

#include <string_view>
#include <vector>

#include "scope/scope.h"

namespace cullsrc {

class TextSink;

class Marking {
public:
    Marking(Scope& any_scope_of_tree, TextSink& console);

    // Binds a called name to the first function of that name and marks it, or warns.
    void resolve_function(Scope& scope, const String& name);
    // Marks the scope and everything it reaches, depth first.
    void mark_executed(Scope& scope);
    // Binds a referenced name to the innermost variable of that name, or warns.
    void resolve_variable(Scope& scope, const String& name);

private:
    struct Frame {
        Scope* scope;
        int phase;  // 0: references, 1: calls, 2: children
        std::int32_t next;
    };

    Scope* find_function(std::string_view name);
    Variable* find_variable(Scope& scope, std::string_view name);
    Variable* find_in(Scope& scope, std::string_view name);
    // The scope that a reference or a call from `scope` makes run next, after setting what
    // it binds and printing what it cannot.
    Scope* follow_reference(Scope& scope, const String& name);
    Scope* follow_call(Scope& scope, const String& name);
    void descend(Scope* scope);
    void warn(const char* kind, const String& name);

    Scope& root_;
    TextSink& console_;
    std::vector<Frame> stack_;
};

}  // namespace cullsrc
