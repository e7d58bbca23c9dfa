#include "lexer/token.h"

namespace cullsrc {

const char* const token_names[token_kind_count] = {
    "INVALID",        "IDENT",           "NUMBER",          "STRING",        "CHAR",
    "SEMICOLON",      "COMMA",           "LPAR",            "RPAR",          "PLUS",
    "MINUS",          "ASTERISK",        "DIVIDE",          "EQUALS",        "BEGIN",
    "END",            "ASSIGNMENT",      "DOT",             "DEREFERENCE",   "LESS",
    "LESSOREQUAL",    "GREATER",         "GREATEROREQUAL",  "LBRACKET",      "RBRACKET",
    "NEGATION",       "QUESTION",        "COLON",           "DOUBLECOLON",   "TILDE",
    "AND",            "OR",              "LOGICALAND",      "LOGICALOR",     "XOR",
    "TYPEDEF",        "STRUCT",          "CLASS",           "ENUM",          "CONST",
    "UNSIGNED",       "STATIC",          "EXTERN",          "INLINE",        "_CDECL",
    "INCREMENT",      "DECREMENT",       "PLUSASSIGNMENT",  "MINUSASSIGNMENT", "MULTASSIGNMENT",
    "DIVASSIGNMENT",  "ANDASSIGNMENT",   "ORASSIGNMENT",    "BREAK",         "CONTINUE",
    "FOR",            "WHILE",           "DO",              "IF",            "ELSE",
    "SWITCH",         "CASE",            "DEFAULT",         "RETURN",        "DIRECTIVE",
    "COMMENT",        "EOI",
};

}  // namespace cullsrc
