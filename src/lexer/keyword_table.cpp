#include "lexer/keyword_table.h"

namespace cullsrc {

TokenKind keyword_kind(std::string_view word) {
    // Keywords are 2 to 8 bytes long; most identifiers are rejected by length alone.
    if (word.size() < 2 || word.size() > 8) return IDENT;
    for (const Keyword& keyword : keyword_table) {
        // Length and first byte reject almost every row without a comparison call.
        if (keyword.text.size() == word.size() && keyword.text[0] == word[0] &&
            keyword.text == word) {
            return keyword.kind;
        }
    }
    return IDENT;
}

}  // namespace cullsrc
