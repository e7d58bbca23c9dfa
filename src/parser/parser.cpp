// Parser construction and the syntax-error reporter that every rule uses.

#include "parser/parser.h"

#include <cstdio>
#include <string>

namespace cullsrc {

Parser::Parser(Source& reader, TextSink& console, LexerLimits limits)
    : Lexer(reader, limits), console_(console) {
    set_skip(DIRECTIVE);
    set_skip(COMMENT);
    set_skip(_CDECL);
    prime();
}

void Parser::syntax_error(const char* message) const {
    char head[96];
    std::snprintf(head, sizeof head, "Syntax error at line %d, character %d: ",
                  static_cast<int>(line()) + 1, static_cast<int>(column()) + 1);
    throw Failure{std::string(head) + message + "\n"};
}

}  // namespace cullsrc
