#include "scope/scope.h"


namespace cullsrc {

Scope::Scope(Scope* parent) : Scope(parent, String(), Position{}) {}

// A scope without parent is the root of its own tree and owns the arena; a scope with one
// joins the parent's children, which own it from then on.
Scope::Scope(Scope* parent, const String& name, Position start)
    : own_arena_(parent == nullptr ? std::make_unique<Arena>() : nullptr),
      arena_(parent == nullptr ? own_arena_.get() : parent->arena_),
      variables(arena_),
      children(arena_),
      references(arena_),
      calls(arena_),
      parent(parent),
      name(name),
      start(start) {
    if (parent != nullptr) parent->children.push(this);
}

Scope& Scope::open_child(Scope& parent) {
    auto* child = new (parent.arena_->allocate(sizeof(Scope))) Scope(&parent);
    child->in_arena_ = true;
    return *child;
}

Scope& Scope::open_function(Scope& parent, const String& name, Position start) {
    auto* child = new (parent.arena_->allocate(sizeof(Scope))) Scope(&parent, name, start);
    child->in_arena_ = true;
    return *child;
}

void Scope::release(Scope* child) {
    if (child == nullptr) return;
    if (child->in_arena_) {
        child->~Scope();
    } else {
        delete child;
    }
}

// Deep trees are torn down without recursion and without allocating (this also runs while
// an allocation failure unwinds): descend to a leaf through first children, delete it, climb
// back through its parent, repeat.
Scope::~Scope() {
    variables.for_each([](Variable* variable) { variable->~Variable(); });
    Scope* current = this;
    for (;;) {
        if (Scope* child = current->children.take_first()) {
            current = child;
        } else if (current == this) {
            break;
        } else {
            Scope* up = current->parent;
            release(current);
            current = up;
        }
    }
}

void Scope::discard_last_child() { release(children.take_last()); }

void Scope::add(Variable* variable) {
    try {
        variables.push(variable);
    } catch (...) {
        variable->~Variable();
        throw;
    }
}

void Scope::add_parameter(const String& variable_name, Position from, Position to) {
    add(new (arena_->allocate(sizeof(Variable))) Variable(variable_name, from, to, true));
}

void Scope::add_variable(const String& variable_name, Position from, Position to) {
    add(new (arena_->allocate(sizeof(Variable))) Variable(variable_name, from, to, false));
}

}  // namespace cullsrc
