#include "lexer/lexer.h"

#include <cstdio>
#include <string>

namespace cullsrc {

Lexer::Lexer(Source& reader, LexerLimits limits) : reader_(reader), limits_(limits) {}

void Lexer::complete_line() {
    bool ended_by_byte = current_char_ != -1;
    if (ended_by_byte) {
        if (position_.line >= limits_.max_line) throw InputTooLarge{};
        ++position_.line;
        position_.column = 0;
    } else {
        if (position_.column >= limits_.max_column) throw InputTooLarge{};
        ++position_.column;
    }
    line_buffer_.add_line(reader_.take_line(ended_by_byte));
}

void Lexer::prime() {
    read_char();
    advance();
}

void Lexer::lexical_error(const char* message) const {
    char head[96];
    std::snprintf(head, sizeof head, "Lexical error at line %d, character %d: ",
                  static_cast<int>(position_.line) + 1, static_cast<int>(position_.column) + 1);
    throw Failure{std::string(head) + message + "\n"};
}

void Lexer::match(TokenKind kind) {
    if (kind != token_) {
        std::string expected = std::string(".. expected ") + token_names[kind] + ", found " +
                               token_names[token_] + "\n";
        try {
            lexical_error("Unexpected token");
        } catch (Failure& failure) {
            failure.text.insert(0, expected);
            throw;
        }
    }
    // Swapping keeps both buffers, so consuming a token costs no allocation.
    consumed_lexeme_.swap(lexeme_);
    lexeme_.clear();
    advance();
}

void Lexer::advance() {
    do {
        scan();
    } while (skip_[token_]);
}

}  // namespace cullsrc
