#include "scope/scope.h"


namespace cullsrc {

Scope::Scope(Scope* parent) : parent(parent) {
    if (parent != nullptr) parent->children.push(this);
}

Scope::Scope(Scope* parent, const String& name, Position start)
    : parent(parent), name(name), start(start) {
    if (parent != nullptr) parent->children.push(this);
}

// The constructor hands the new scope to the parent's children, which own it from then on.
Scope& Scope::open_child(Scope& parent) { return *new Scope(&parent); }

Scope& Scope::open_function(Scope& parent, const String& name, Position start) {
    return *new Scope(&parent, name, start);
}

// Deep trees are torn down without recursion and without allocating (this also runs while
// an allocation failure unwinds): descend to a leaf through first children, delete it, climb
// back through its parent, repeat.
Scope::~Scope() {
    variables.for_each([](Variable* variable) { delete variable; });
    Scope* current = this;
    for (;;) {
        if (Scope* child = current->children.take_first()) {
            current = child;
        } else if (current == this) {
            break;
        } else {
            Scope* up = current->parent;
            delete current;
            current = up;
        }
    }
}

void Scope::discard_last_child() { delete children.take_last(); }

void Scope::add_parameter(const String& variable_name, Position from, Position to) {
    auto variable = std::make_unique<Variable>(variable_name, from, to, true);
    variables.push(variable.get());
    variable.release();  // owned by variables from here on
}

void Scope::add_variable(const String& variable_name, Position from, Position to) {
    auto variable = std::make_unique<Variable>(variable_name, from, to, false);
    variables.push(variable.get());
    variable.release();  // owned by variables from here on
}

}  // namespace cullsrc
