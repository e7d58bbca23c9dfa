// Declarators, declarator lists and parameter lists: where every Variable is created, with
// the source range that is cut out when it turns out unused.

#include "parser/parser.h"

namespace cullsrc {

// parameter_list = specifiers parameter_declarator more_parameters | (empty, before RPAR)
void Parser::parse_parameter_list(Scope& scope) {
    Position first = token_start();
    switch (current_token()) {
    case IDENT:
    case STRUCT:
    case CLASS:
    case ENUM:
    case CONST:
    case UNSIGNED:
    case STATIC:
    case EXTERN:
    case INLINE:
        parse_specifiers();
        parse_parameter_declarator(scope, first);
        parse_more_parameters(scope);
        break;
    case RPAR:
        break;
    default:
        syntax_error("Expected IDENT, CONST, UNSIGNED, EXTERN, STATIC, INLINE, RPAR");
    }
}

// more_parameters = (COMMA specifiers parameter_declarator)* ; each starts at its COMMA
void Parser::parse_more_parameters(Scope& scope) {
    for (;;) {
        switch (current_token()) {
        case COMMA: {
            Position next = token_start();
            match(COMMA);
            parse_specifiers();
            parse_parameter_declarator(scope, next);
            break;
        }
        case RPAR:
            return;
        default:
            syntax_error("Expected COMMA, RPAR");
        }
    }
}

// parameter_declarator = pointer_prefix parameter_name | (no name, before COMMA or RPAR)
void Parser::parse_parameter_declarator(Scope& scope, Position start) {
    switch (current_token()) {
    case IDENT:
    case ASTERISK:
    case AND:
        parse_pointer_prefix();
        parse_parameter_name(scope, start);
        break;
    case COMMA:
    case RPAR:
        break;
    default:
        syntax_error("Expected AND, ASTERISK, IDENT, RPAR, COMMA");
    }
}

// parameter_name = IDENT array_suffix call_initializer | (no name, before COMMA or RPAR)
void Parser::parse_parameter_name(Scope& scope, Position start) {
    switch (current_token()) {
    case IDENT: {
        match(IDENT);
        String name = previous_lexeme();
        parse_array_suffix(scope);
        parse_call_initializer(scope);
        scope.add_parameter(name, start, token_start());
        break;
    }
    case COMMA:
    case RPAR:
        break;
    default:
        syntax_error("Expected IDENT, RPAR, COMMA");
    }
}

// pointer_prefix = (ASTERISK | AND)*
void Parser::parse_pointer_prefix() {
    for (;;) {
        switch (current_token()) {
        case ASTERISK:
        case AND:
            match(current_token());
            break;
        case IDENT:
        case SEMICOLON:
        case COMMA:
        case RPAR:
            return;
        default:
            syntax_error("Expected ASTERISK, AND, IDENT, RPAR, COMMA, SEMICOLON");
        }
    }
}

// array_suffix = [LBRACKET expression RBRACKET]
void Parser::parse_array_suffix(Scope& scope) {
    switch (current_token()) {
    case LBRACKET:
        match(LBRACKET);
        scan_expression(scope);
        match(RBRACKET);
        break;
    case SEMICOLON:
    case COMMA:
    case LPAR:
    case RPAR:
    case ASSIGNMENT:
        break;
    default:
        syntax_error("Expected COMMA, SEMICOLON, LBRACKET, ASSIGNMENT, LPAR, RPAR");
    }
}

// call_initializer = [LPAR arguments RPAR]
void Parser::parse_call_initializer(Scope& scope) {
    switch (current_token()) {
    case LPAR:
        match(LPAR);
        parse_arguments(scope);
        match(RPAR);
        break;
    case SEMICOLON:
    case COMMA:
    case RPAR:
    case ASSIGNMENT:
        break;
    default:
        syntax_error("Expected COMMA, SEMICOLON, ASSIGNMENT, LPAR, RPAR");
    }
}

// declarators = array_suffix call_initializer initializer more_declarators
// Entered after the first declarator's IDENT; leaves the closing SEMICOLON current.
void Parser::parse_declarators(Scope& scope, const String& name, Position start) {
    parse_array_suffix(scope);
    parse_call_initializer(scope);
    parse_initializer(scope);
    parse_more_declarators(scope, name, start, Position{});
}

// initializer = [ASSIGNMENT expression]
void Parser::parse_initializer(Scope& scope) {
    switch (current_token()) {
    case SEMICOLON:
    case COMMA:
        break;
    case ASSIGNMENT:
        match(ASSIGNMENT);
        scan_expression(scope);
        break;
    default:
        syntax_error("Expected ASSIGNMENT, COMMA, SEMICOLON");
    }
}

// more_declarators = (COMMA pointer_prefix IDENT array_suffix call_initializer initializer)*
// Each declarator's Variable is added once the token after it is known: the first one ends
// at the token after its COMMA, every later one at the COMMA or SEMICOLON after it.
void Parser::parse_more_declarators(Scope& scope, String name, Position start,
                                    Position pending_end) {
    for (;;) {
        Position here = token_start();
        switch (current_token()) {
        case SEMICOLON:
            scope.add_variable(name, start, token_start());
            return;
        case COMMA:
            match(COMMA);
            if (!pending_end.is_set()) pending_end = token_start();
            scope.add_variable(name, start, pending_end);
            parse_pointer_prefix();
            match(IDENT);
            name = previous_lexeme();
            parse_array_suffix(scope);
            parse_call_initializer(scope);
            parse_initializer(scope);
            start = here;
            pending_end = token_start();
            break;
        default:
            syntax_error("Expected COMMA, SEMICOLON");
        }
    }
}

}  // namespace cullsrc
