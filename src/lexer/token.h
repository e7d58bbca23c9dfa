#pragma once
// The token vocabulary. The numbers are fixed: the skip flags and the name table are indexed
// by them, and the parser tests ranges of consecutive kinds.

namespace cullsrc {

enum TokenKind : int {
    INVALID = 0,
    IDENT = 1,
    NUMBER = 2,
    STRING = 3,
    CHAR = 4,
    SEMICOLON = 5,
    COMMA = 6,
    LPAR = 7,
    RPAR = 8,
    PLUS = 9,
    MINUS = 10,
    ASTERISK = 11,
    DIVIDE = 12,
    EQUALS = 13,
    BEGIN = 14,
    END = 15,
    ASSIGNMENT = 16,
    DOT = 17,
    DEREFERENCE = 18,
    LESS = 19,
    LESSOREQUAL = 20,
    GREATER = 21,
    GREATEROREQUAL = 22,
    LBRACKET = 23,
    RBRACKET = 24,
    NEGATION = 25,
    QUESTION = 26,
    COLON = 27,
    DOUBLECOLON = 28,
    TILDE = 29,
    AND = 30,
    OR = 31,
    LOGICALAND = 32,
    LOGICALOR = 33,
    XOR = 34,
    TYPEDEF = 35,
    STRUCT = 36,
    CLASS = 37,
    ENUM = 38,
    CONST = 39,
    UNSIGNED = 40,
    STATIC = 41,
    EXTERN = 42,
    INLINE = 43,
    _CDECL = 44,  // spelled as messages print it
    INCREMENT = 45,
    DECREMENT = 46,
    PLUSASSIGNMENT = 47,
    MINUSASSIGNMENT = 48,
    MULTASSIGNMENT = 49,
    DIVASSIGNMENT = 50,
    ANDASSIGNMENT = 51,
    ORASSIGNMENT = 52,
    BREAK = 53,
    CONTINUE = 54,
    FOR = 55,
    WHILE = 56,
    DO = 57,
    IF = 58,
    ELSE = 59,
    SWITCH = 60,
    CASE = 61,
    DEFAULT = 62,
    RETURN = 63,
    DIRECTIVE = 64,
    COMMENT = 65,
    EOI = 66,
};

constexpr int token_kind_count = 67;

// The name of each kind, as messages print it.
extern const char* const token_names[token_kind_count];

}  // namespace cullsrc
