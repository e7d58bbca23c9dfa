// The top of the grammar: external declarations, global variables and function definitions.

#include "driver/sink.h"
#include "parser/parser.h"

namespace cullsrc {

// translation_unit = external_declaration* EOI   (EOI is left current)
void Parser::parse_translation_unit(Scope& scope) {
    for (;;) {
        switch (current_token()) {
        case IDENT:
        case TYPEDEF:
        case STRUCT:
        case CLASS:
        case ENUM:
        case CONST:
        case UNSIGNED:
        case STATIC:
        case EXTERN:
        case INLINE:
            parse_external_declaration(scope);
            break;
        case EOI:
            return;
        default:
            syntax_error(
                "Expected IDENT, TYPEDEF, CONST, UNSIGNED, STATIC, INLINE, CLASS, STRUCT, ENUM, EOI");
        }
    }
}

// external_declaration = TYPEDEF specifiers typedef_rest
//                      | specifiers pointer_prefix global_declarator
void Parser::parse_external_declaration(Scope& scope) {
    Position declaration_start = token_start();
    switch (current_token()) {
    case TYPEDEF:
        match(TYPEDEF);
        parse_specifiers();
        parse_typedef();
        break;
    case IDENT:
    case STRUCT:
    case CLASS:
    case ENUM:
    case CONST:
    case UNSIGNED:
    case STATIC:
    case EXTERN:
    case INLINE: {
        parse_specifiers();
        Position declarator_start = token_start();
        parse_pointer_prefix();
        parse_global_declarator(scope, declaration_start, declarator_start);
        break;
    }
    default:
        syntax_error(
            "Expected IDENT, TYPEDEF, CONST, STATIC, INLINE, EXTERN, UNSIGNED, CLASS, STRUCT, ENUM");
    }
}

// global_declarator = IDENT global_tail | SEMICOLON
void Parser::parse_global_declarator(Scope& scope, Position declaration_start,
                                     Position declarator_start) {
    switch (current_token()) {
    case IDENT: {
        match(IDENT);
        String name = previous_lexeme();
        parse_global_tail(scope, name, declaration_start, declarator_start);
        break;
    }
    case SEMICOLON:
        match(SEMICOLON);
        break;
    default:
        syntax_error("Expected IDENT, SEMICOLON");
    }
}

// global_tail = declarators SEMICOLON | function
void Parser::parse_global_tail(Scope& scope, const String& name, Position declaration_start,
                               Position declarator_start) {
    switch (current_token()) {
    case SEMICOLON:
    case COMMA:
    case ASSIGNMENT:
    case LBRACKET:
        parse_declarators(scope, name, declarator_start);
        match(SEMICOLON);
        break;
    case LPAR:
        parse_function(scope, name, declaration_start);
        break;
    default:
        syntax_error("Expected COMMA, SEMICOLON, LPAR, ASSIGNMENT");
    }
}

// function = LPAR parameter_list RPAR function_rest
// The function's scope enters the tree before its parameters are read; a prototype's scope
// is taken out again once its SEMICOLON is read, so only definitions stay.
void Parser::parse_function(Scope& scope, const String& name, Position start) {
    Scope& function = Scope::open_function(scope, name, start);
    match(LPAR);
    parse_parameter_list(function);
    match(RPAR);
    if (parse_function_rest(function)) {
        function.set_end(token_start());
    } else {
        scope.discard_last_child();
    }
}

// function_rest = block | SEMICOLON; true when a body was read.
bool Parser::parse_function_rest(Scope& function) {
    switch (current_token()) {
    case BEGIN:
        parse_block(function);
        return true;
    case SEMICOLON:
        console_.write("ANULOVAT FUNKCI, JEN FORWARD\n");
        match(SEMICOLON);
        return false;
    default:
        syntax_error("Expected BEGIN, SEMICOLON");
    }
}

}  // namespace cullsrc
