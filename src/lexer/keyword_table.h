#pragma once
// The words that the scanner turns into keyword kinds; every other word is an IDENT.

#include <string_view>

#include "lexer/token.h"

namespace cullsrc {

struct Keyword {
    std::string_view text;
    TokenKind kind;
};

inline constexpr Keyword keyword_table[] = {
    {"typedef", TYPEDEF}, {"struct", STRUCT},   {"class", CLASS},     {"enum", ENUM},
    {"const", CONST},     {"unsigned", UNSIGNED}, {"static", STATIC}, {"extern", EXTERN},
    {"inline", INLINE},   {"for", FOR},         {"while", WHILE},     {"do", DO},
    {"if", IF},           {"else", ELSE},       {"switch", SWITCH},   {"case", CASE},
    {"default", DEFAULT}, {"return", RETURN},   {"break", BREAK},     {"continue", CONTINUE},
    {"__cdecl", _CDECL},
};

// The keyword's kind, or IDENT. The comparison is by the text up to its first NUL byte,
// which an identifier never holds.
TokenKind keyword_kind(std::string_view word);

}  // namespace cullsrc
