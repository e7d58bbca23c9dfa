// Statements: what each declares and which names it uses go into the scope it is given.

#include "parser/parser.h"
#include "support/stack_room.h"

namespace cullsrc {

// Every nesting of statements (blocks, bodies, else branches) passes through here, so this is
// where a deep input moves on to fresh stack.
void Parser::parse_statement(Scope& scope) {
    with_stack_room([&] { parse_statement_here(scope); });
}

// statement = IDENT name_statement | SEMICOLON | block | TYPEDEF specifiers typedef_rest
//           | local_declaration | BREAK SEMICOLON | CONTINUE SEMICOLON | for | while | do
//           | if | switch | RETURN [expression] SEMICOLON
void Parser::parse_statement_here(Scope& scope) {
    switch (current_token()) {
    case IDENT:
        match(IDENT);
        parse_name_statement(scope, previous_lexeme());
        break;
    case SEMICOLON:
        match(SEMICOLON);
        break;
    case BEGIN:
        parse_block(scope);
        break;
    case TYPEDEF:
        match(TYPEDEF);
        parse_specifiers();
        parse_typedef();
        break;
    case STRUCT:
    case CLASS:
    case ENUM:
    case CONST:
    case UNSIGNED:
    case STATIC:
    case EXTERN:
    case INLINE:
        parse_local_declaration(scope);
        break;
    case BREAK:
    case CONTINUE:
        match(current_token());
        match(SEMICOLON);
        break;
    case FOR:
        parse_for_statement(scope);
        break;
    case WHILE:
        parse_while_statement(scope);
        break;
    case DO:
        parse_do_statement(scope);
        break;
    case IF:
        parse_if_statement(scope);
        break;
    case SWITCH:
        parse_switch_statement(scope);
        break;
    case RETURN:
        match(RETURN);
        if (current_token() != SEMICOLON) scan_expression(scope);
        match(SEMICOLON);
        break;
    default:
        syntax_error("XXXXX");
    }
}

// for = FOR LPAR expression SEMICOLON expression SEMICOLON expression RPAR statement
void Parser::parse_for_statement(Scope& scope) {
    match(FOR);
    match(LPAR);
    scan_expression(scope);
    match(SEMICOLON);
    scan_expression(scope);
    match(SEMICOLON);
    scan_expression(scope);
    match(RPAR);
    parse_statement(scope);
}

// while = WHILE LPAR expression RPAR statement
void Parser::parse_while_statement(Scope& scope) {
    match(WHILE);
    match(LPAR);
    scan_expression(scope);
    match(RPAR);
    parse_statement(scope);
}

// do = DO statement WHILE LPAR expression RPAR   (the SEMICOLON after it is a statement of
// its own)
void Parser::parse_do_statement(Scope& scope) {
    match(DO);
    parse_statement(scope);
    match(WHILE);
    match(LPAR);
    scan_expression(scope);
    match(RPAR);
}

// if = IF LPAR expression RPAR statement [ELSE statement]
void Parser::parse_if_statement(Scope& scope) {
    match(IF);
    match(LPAR);
    scan_expression(scope);
    match(RPAR);
    parse_statement(scope);
    if (current_token() == ELSE) {
        match(ELSE);
        parse_statement(scope);
    }
}

// switch = SWITCH LPAR expression RPAR BEGIN case_clauses END   (the braces open no scope)
void Parser::parse_switch_statement(Scope& scope) {
    match(SWITCH);
    match(LPAR);
    scan_expression(scope);
    match(RPAR);
    match(BEGIN);
    parse_case_clauses(scope);
    match(END);
}

// case_clauses = ((CASE expression COLON | DEFAULT COLON) clause_statements)*
void Parser::parse_case_clauses(Scope& scope) {
    for (;;) {
        switch (current_token()) {
        case END:
            return;
        case CASE:
            match(CASE);
            scan_expression(scope);
            match(COLON);
            parse_clause_statements(scope);
            break;
        case DEFAULT:
            match(DEFAULT);
            match(COLON);
            parse_clause_statements(scope);
            break;
        default:
            syntax_error("Expected CASE, DEFAULT, END");
        }
    }
}

// clause_statements = statement*   (up to END, CASE or DEFAULT)
void Parser::parse_clause_statements(Scope& scope) {
    while (current_token() != END && current_token() != CASE && current_token() != DEFAULT) {
        parse_statement(scope);
    }
}

// name_statement = pointer_prefix IDENT declarators SEMICOLON    (a declaration of type name)
//                | call_statement | assignment_operator assignment_statement
//                | DOT IDENT name_statement | expression SEMICOLON
// A member chain is followed one DOT at a time; what comes after the last member is read as
// if it followed the leading name.
void Parser::parse_name_statement(Scope& scope, const String& name) {
    for (;;) {
        Position start = token_start();
        switch (current_token()) {
        case IDENT:
        case ASTERISK:
        case AND:
            parse_pointer_prefix();
            match(IDENT);
            parse_declarators(scope, previous_lexeme(), start);
            match(SEMICOLON);
            return;
        case LPAR:
            parse_call_statement(scope, name);
            return;
        case ASSIGNMENT:
        case PLUSASSIGNMENT:
        case MINUSASSIGNMENT:
        case MULTASSIGNMENT:
        case DIVASSIGNMENT:
        case ANDASSIGNMENT:
        case ORASSIGNMENT:
            match(current_token());
            parse_assignment_statement(scope, name);
            return;
        case DOT:
            match(DOT);
            match(IDENT);
            break;
        default:
            // The leading name is a use too (i++; a[i] = 0; p->n = 0;): left unrecorded, a
            // variable written only this way would be cut and the output would not compile.
            scope.add_reference(name);
            scan_expression(scope);
            match(SEMICOLON);
            return;
        }
    }
}

// assignment_statement = expression SEMICOLON   (the assigned name is recorded first)
void Parser::parse_assignment_statement(Scope& scope, const String& name) {
    scope.add_reference(name);
    scan_expression(scope);
    match(SEMICOLON);
}

// call_statement = LPAR arguments RPAR SEMICOLON
void Parser::parse_call_statement(Scope& scope, const String& name) {
    scope.add_call(name);
    match(LPAR);
    parse_arguments(scope);
    match(RPAR);
    match(SEMICOLON);
}

}  // namespace cullsrc
