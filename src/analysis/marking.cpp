#include "analysis/marking.h"

#include <string>

#include "driver/sink.h"

namespace cullsrc {

namespace {

// Lists this short are searched directly; longer ones get a hash index.
constexpr std::int32_t short_list = 8;

Scope& root_of(Scope& scope) {
    Scope* root = &scope;
    while (root->parent != nullptr) root = root->parent;
    return *root;
}

}  // namespace

// Sets, for every scope of the tree, the nearest enclosing scope that declares variables:
// a name lookup climbs only through those, whatever the nesting depth between them.
Marking::Marking(Scope& any_scope_of_tree, TextSink& console)
    : root_(root_of(any_scope_of_tree)), console_(console) {
    std::vector<Scope*> pending{&root_};
    while (!pending.empty()) {
        Scope* scope = pending.back();
        pending.pop_back();
        Scope* declaring = scope->variables.size() > 0 ? scope : scope->declaring_parent;
        scope->children.for_each([&](Scope* child) {
            child->declaring_parent = declaring;
            pending.push_back(child);
        });
    }
}

void Marking::resolve_function(Scope& scope, const String& name) {
    (void)scope;  // only the global scope's children bear names: every call is settled there
    if (Scope* function = find_function(name.name())) {
        mark_executed(*function);
    } else {
        warn("function", name);
    }
}

void Marking::resolve_variable(Scope& scope, const String& name) {
    if (Variable* variable = find_variable(scope, name.name())) {
        variable->used = true;
    } else {
        warn("variable", name);
    }
}

// A scope is marked before its names are followed, so recursion ends at the second visit.
// Names are followed in order: references, then calls, each call's whole descent finished
// before the next, then the children.
void Marking::mark_executed(Scope& scope) {
    descend(&scope);
    while (!stack_.empty()) {
        Frame& frame = stack_.back();
        Scope& current = *frame.scope;
        Scope* next = nullptr;
        if (frame.phase == 0) {
            if (frame.next < current.references.size()) {
                next = follow_reference(current, *current.references.at(frame.next++));
            } else {
                frame.phase = 1;
                frame.next = 0;
            }
        } else if (frame.phase == 1) {
            if (frame.next < current.calls.size()) {
                next = follow_call(current, *current.calls.at(frame.next++));
            } else {
                frame.phase = 2;
                frame.next = 0;
            }
        } else if (frame.next < current.children.size()) {
            next = current.children.at(frame.next++);
        } else {
            stack_.pop_back();
        }
        descend(next);
    }
}

void Marking::descend(Scope* scope) {
    if (scope == nullptr || scope->executed) return;
    scope->executed = true;
    stack_.push_back(Frame{scope, 0, 0});
}

// A name used as a value may be a function (a callback, a handler stored away): if no
// variable takes it, the function of that name counts as used.
Scope* Marking::follow_reference(Scope& scope, const String& name) {
    if (Variable* variable = find_variable(scope, name.name())) {
        variable->used = true;
        return nullptr;
    }
    if (Scope* function = find_function(name.name())) return function;
    warn("variable", name);
    return nullptr;
}

// A call that reaches no function may go through a variable (a function pointer), which
// then counts as used.
Scope* Marking::follow_call(Scope& scope, const String& name) {
    if (Scope* function = find_function(name.name())) return function;
    if (Variable* variable = find_variable(scope, name.name())) {
        variable->used = true;
        return nullptr;
    }
    warn("function", name);
    return nullptr;
}

Scope* Marking::find_function(std::string_view name) {
    if (!root_.lookup) root_.lookup = std::make_unique<Scope::Lookup>();
    Scope::Lookup& lookup = *root_.lookup;
    if (lookup.functions_indexed != root_.children.size()) {
        lookup.functions.clear();
        lookup.functions.reserve(static_cast<std::size_t>(root_.children.size()));
        root_.children.for_each([&](Scope* child) {
            if (child->name.length() > 0) lookup.functions.emplace(child->name.name(), child);
        });
        lookup.functions_indexed = root_.children.size();
    }
    auto found = lookup.functions.find(name);
    return found != lookup.functions.end() ? found->second : nullptr;
}

Variable* Marking::find_variable(Scope& scope, std::string_view name) {
    Scope* declaring = scope.variables.size() > 0 ? &scope : scope.declaring_parent;
    for (; declaring != nullptr; declaring = declaring->declaring_parent) {
        if (Variable* variable = find_in(*declaring, name)) return variable;
    }
    return nullptr;
}

// The first variable of that name in the scope's own list.
Variable* Marking::find_in(Scope& scope, std::string_view name) {
    std::int32_t count = scope.variables.size();
    if (count <= short_list) {
        for (std::int32_t i = 0; i < count; ++i) {
            Variable* variable = scope.variables.at(i);
            if (variable->name.name() == name) return variable;
        }
        return nullptr;
    }
    if (!scope.lookup) scope.lookup = std::make_unique<Scope::Lookup>();
    auto& index = scope.lookup->variables;
    if (scope.lookup->variables_indexed != count) {
        index.clear();
        scope.variables.for_each(
            [&](Variable* variable) { index.emplace(variable->name.name(), variable); });
        scope.lookup->variables_indexed = count;
    }
    auto found = index.find(name);
    return found != index.end() ? found->second : nullptr;
}

void Marking::warn(const char* kind, const String& name) {
    console_.write(std::string("warning: ") + kind + " " + std::string(name.name()) +
                   " not declared\n");
}

void Scope::resolve_function(const String& called_name, TextSink& console) {
    Marking(*this, console).resolve_function(*this, called_name);
}

void Scope::mark_executed(TextSink& console) { Marking(*this, console).mark_executed(*this); }

void Scope::resolve_variable(const String& used_name, TextSink& console) {
    Marking(*this, console).resolve_variable(*this, used_name);
}

}  // namespace cullsrc
