// Declaration specifiers, type names and typedefs: read and thrown away, since no type is
// recorded anywhere.

#include "parser/parser.h"
#include "support/stack_room.h"

namespace cullsrc {

// specifiers = (CONST | UNSIGNED | STATIC | EXTERN | INLINE)* [type_name]
void Parser::parse_specifiers() {
    for (;;) {
        switch (current_token()) {
        case CONST:
        case UNSIGNED:
        case STATIC:
        case EXTERN:
        case INLINE:
            match(current_token());
            break;
        case IDENT:
        case STRUCT:
        case CLASS:
        case ENUM:
            parse_type_name();
            return;
        case SEMICOLON:
        case COMMA:
        case RPAR:
            return;
        default:
            syntax_error(
                "Expected IDENT, ENUM, CONST, STATIC, INLINE, EXTERN, UNSIGNED, STRUCT, CLASS, "
                "SEMICOLON, COMMA, RPAR");
        }
    }
}

// type_name = IDENT function_pointer_suffix | (STRUCT | CLASS | ENUM) tag aggregate_body
void Parser::parse_type_name() {
    switch (current_token()) {
    case IDENT:
        match(IDENT);
        parse_function_pointer_suffix();
        break;
    case STRUCT:
    case CLASS:
    case ENUM:
        match(current_token());
        parse_tag();
        parse_aggregate_body();
        break;
    default:
        syntax_error("Expected IDENT, ENUM, STRUCT, CLASS");
    }
}

// function_pointer_suffix = [LPAR pointer_prefix optional_name RPAR LPAR parameter_list RPAR]
// The parameters go to a scratch scope that is thrown away: the form declares nothing.
void Parser::parse_function_pointer_suffix() {
    if (current_token() != LPAR) return;
    match(LPAR);
    parse_pointer_prefix();
    parse_optional_name();
    match(RPAR);
    match(LPAR);
    {
        Scope scratch(nullptr);
        // Parameter lists can nest through further function-pointer forms.
        with_stack_room([&] { parse_parameter_list(scratch); });
    }
    match(RPAR);
}

// optional_name = [IDENT]
void Parser::parse_optional_name() {
    switch (current_token()) {
    case IDENT:
        match(IDENT);
        break;
    case RPAR:
        break;
    default:
        syntax_error("Expected IDENT, RPAR");
    }
}

// tag = [IDENT]
void Parser::parse_tag() {
    switch (current_token()) {
    case IDENT:
        match(IDENT);
        break;
    case BEGIN:
        break;
    default:
        syntax_error("Expected IDENT, BEGIN");
    }
}

// aggregate_body = [BEGIN ... END]
void Parser::parse_aggregate_body() {
    switch (current_token()) {
    case BEGIN:
        skip_balanced(BEGIN, END);
        break;
    case IDENT:
    case ASTERISK:
    case AND:
        break;
    default:
        syntax_error("Expected BEGIN, IDENT, REF, ASTERISK");
    }
}

// balanced = open (balanced | any token but close)* close
// A depth count instead of recursion, so that no nesting depth can exhaust the stack.
void Parser::skip_balanced(TokenKind open, TokenKind close) {
    match(open);
    for (long long depth = 1; depth > 0;) {
        if (current_token() == close) {
            --depth;
        } else if (current_token() == open) {
            ++depth;
        }
        match(current_token());
    }
}

// typedef_rest = pointer_prefix IDENT array_suffix SEMICOLON | SEMICOLON
void Parser::parse_typedef() {
    Scope scratch(nullptr);
    switch (current_token()) {
    case IDENT:
    case ASTERISK:
    case AND:
        parse_pointer_prefix();
        match(IDENT);
        parse_array_suffix(scratch);
        match(SEMICOLON);
        break;
    case SEMICOLON:
        match(SEMICOLON);
        break;
    default:
        syntax_error("Expected IDENT, AND, ASTERISK, SEMICOLON");
    }
}

}  // namespace cullsrc
