// Expressions are not parsed but scanned as token runs: four nesting counters decide where an
// expression ends, and every identifier in it is recorded as a use of a name.

#include "parser/parser.h"

namespace cullsrc {

// expression = token*, up to a SEMICOLON or COMMA outside every nesting, or a closing token
// that closes nothing opened inside it. The ending token is left current.
void Parser::scan_expression(Scope& scope) {
    long long paren_depth = 0;
    long long bracket_depth = 0;
    long long brace_depth = 0;
    long long conditional_depth = 0;
    for (;;) {
        switch (current_token()) {
        case IDENT:
            match(IDENT);
            record_use(scope, previous_lexeme());
            continue;
        case SEMICOLON:
        case COMMA:
            if (paren_depth == 0 && bracket_depth == 0 && brace_depth == 0 &&
                conditional_depth == 0) {
                return;
            }
            break;
        case LPAR:
            ++paren_depth;
            break;
        case LBRACKET:
            ++bracket_depth;
            break;
        case BEGIN:
            ++brace_depth;
            break;
        case QUESTION:
            ++conditional_depth;
            break;
        case RPAR:
            if (--paren_depth < 0) return;
            break;
        case RBRACKET:
            if (--bracket_depth < 0) return;
            break;
        case END:
            if (--brace_depth < 0) return;
            break;
        case COLON:
            if (--conditional_depth < 0) return;
            break;
        default:
            break;
        }
        match(current_token());
    }
}

// An identifier followed by LPAR is a call, any other a reference.
void Parser::record_use(Scope& scope, const String& name) {
    if (current_token() == LPAR) {
        scope.add_call(name);
    } else {
        scope.add_reference(name);
    }
}

// arguments = [expression (COMMA expression)*]   (the closing RPAR is left current)
void Parser::parse_arguments(Scope& scope) {
    if (current_token() == RPAR) return;
    for (;;) {
        scan_expression(scope);
        switch (current_token()) {
        case COMMA:
            match(COMMA);
            break;
        case RPAR:
            return;
        default:
            syntax_error("Expected COMMA, RPAR");
        }
    }
}

}  // namespace cullsrc
