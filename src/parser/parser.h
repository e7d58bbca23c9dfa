#pragma once
// The recursive-descent parser: one operation per grammar rule, one token of look-ahead, no
// backtracking. It builds no syntax tree, only the scope tree with the variables declared and
// the names used in each scope.

#include "lexer/lexer.h"
#include "scope/scope.h"

namespace cullsrc {

class TextSink;

class Parser : public Lexer {
public:
    // Marks the kinds the grammar never sees as skipped and reads the first token.
    Parser(Source& reader, TextSink& console, LexerLimits limits = {});

    // The whole run over the input: parse, mark, dump, report, write the kept lines.
    void process(TextSink& output);

    // translation_unit.cpp
    void parse_translation_unit(Scope& scope);

private:
    [[noreturn]] void syntax_error(const char* message) const;

    // specifiers.cpp
    void parse_specifiers();
    void parse_type_name();
    void parse_function_pointer_suffix();
    void parse_optional_name();
    void parse_tag();
    void parse_aggregate_body();
    void skip_balanced(TokenKind open, TokenKind close);
    void parse_typedef();

    // declarators.cpp
    void parse_parameter_list(Scope& scope);
    void parse_more_parameters(Scope& scope);
    void parse_parameter_declarator(Scope& scope, Position start);
    void parse_parameter_name(Scope& scope, Position start);
    void parse_pointer_prefix();
    void parse_array_suffix(Scope& scope);
    void parse_call_initializer(Scope& scope);
    void parse_declarators(Scope& scope, const String& name, Position start);
    void parse_initializer(Scope& scope);
    void parse_more_declarators(Scope& scope, String name, Position start, Position pending_end);

    // translation_unit.cpp
    void parse_external_declaration(Scope& scope);
    void parse_global_declarator(Scope& scope, Position declaration_start, Position declarator_start);
    void parse_global_tail(Scope& scope, const String& name, Position declaration_start,
                           Position declarator_start);
    void parse_function(Scope& scope, const String& name, Position start);
    bool parse_function_rest(Scope& function);

    // blocks.cpp
    void parse_block(Scope& scope);
    void parse_statements(Scope& scope);
    void parse_local_declaration(Scope& scope);

    // statements.cpp
    void parse_statement(Scope& scope);
    void parse_statement_here(Scope& scope);
    void parse_for_statement(Scope& scope);
    void parse_while_statement(Scope& scope);
    void parse_do_statement(Scope& scope);
    void parse_if_statement(Scope& scope);
    void parse_switch_statement(Scope& scope);
    void parse_case_clauses(Scope& scope);
    void parse_clause_statements(Scope& scope);
    void parse_name_statement(Scope& scope, const String& name);
    void parse_assignment_statement(Scope& scope, const String& name);
    void parse_call_statement(Scope& scope, const String& name);

    // expressions.cpp
    void scan_expression(Scope& scope);
    void record_use(Scope& scope, const String& name);
    void parse_arguments(Scope& scope);

    // Prototypes are announced on the console while parsing; a Parser otherwise keeps only
    // the Lexer's state.
    TextSink& console_;
};

}  // namespace cullsrc
