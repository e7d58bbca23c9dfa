// Blocks, each with a scope of its own, and the local declarations that fill them.

#include "parser/parser.h"

namespace cullsrc {

// block = BEGIN statements END
void Parser::parse_block(Scope& scope) {
    Scope& block = Scope::open_child(scope);
    match(BEGIN);
    parse_statements(block);
    match(END);
}

// statements = statement*   (up to END, which is left current)
void Parser::parse_statements(Scope& scope) {
    while (current_token() != END) parse_statement(scope);
}

// local_declaration = specifiers pointer_prefix IDENT declarators SEMICOLON
// The type and specifiers lie outside the first Variable's range.
void Parser::parse_local_declaration(Scope& scope) {
    parse_specifiers();
    Position start = token_start();
    parse_pointer_prefix();
    match(IDENT);
    parse_declarators(scope, previous_lexeme(), start);
    match(SEMICOLON);
}

}  // namespace cullsrc
