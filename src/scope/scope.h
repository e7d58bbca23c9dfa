#pragma once
// The scope tree: the global scope, one scope per function definition and one per block.
// A Scope owns its Variables and its children; PointerList itself owns nothing. The objects
// of a tree live in one Arena, owned by the root.

#include <memory>
#include <string_view>
#include <unordered_map>

#include "lexer/position.h"
#include "scope/variable.h"
#include "support/arena.h"
#include "support/pointer_list.h"
#include "support/string.h"
#include "support/string_list.h"

namespace cullsrc {

class TextSink;
class LineTable;

class Scope {
    // Declared first, so that it goes last: every list below keeps its nodes in it.
    std::unique_ptr<Arena> own_arena_;
    Arena* arena_;

public:
    // A scope with a parent is appended to the parent's children, which then own it.
    explicit Scope(Scope* parent);
    Scope(Scope* parent, const String& name, Position start);
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    ~Scope();

    // Creates a scope owned by `parent`, in the tree's arena: a block or a function.
    static Scope& open_child(Scope& parent);
    static Scope& open_function(Scope& parent, const String& name, Position start);

    void set_end(Position position) { end = position; }
    // Takes the last child out and destroys it: annuls the scope of a prototype.
    void discard_last_child();

    void add_parameter(const String& variable_name, Position from, Position to);
    void add_variable(const String& variable_name, Position from, Position to);
    void add_reference(const String& used_name) { references.push(used_name); }
    void add_call(const String& called_name) { calls.push(called_name); }

    // Analysis, in the order the pipeline runs it.
    void resolve_function(const String& called_name, TextSink& console);
    void mark_executed(TextSink& console);
    void resolve_variable(const String& used_name, TextSink& console);
    void dump(const String& prefix, TextSink& console);
    void report_unused(StringList& lines, TextSink& console);

    PointerList<Variable> variables;
    PointerList<Scope> children;
    StringList references;
    StringList calls;
    Scope* parent;
    String name;
    Position start;
    Position end;
    bool executed = false;

private:
    // Destroys a child: in place when it lives in the arena, else as a heap object.
    static void release(Scope* child);
    void add(Variable* variable);

    bool in_arena_ = false;
    friend class Marking;

    // Lookup aids built once by the marking, so that resolving a name costs no list walk.
    struct Lookup {
        std::unordered_map<std::string_view, Variable*> variables;
        std::int32_t variables_indexed = -1;
        std::unordered_map<std::string_view, Scope*> functions;
        std::int32_t functions_indexed = -1;  // the children count the index was built for
    };
    // The nearest enclosing scope that declares anything: where a name lookup climbs next.
    Scope* declaring_parent = nullptr;
    std::unique_ptr<Lookup> lookup;
};

}  // namespace cullsrc
