#pragma once
// The Lexer reads the input byte by byte, keeps every line, and cuts the text into tokens
// with one character of look-ahead. The Parser extends it with the grammar.

#include <cstdint>
#include <limits>

#include "lexer/line_buffer.h"
#include "lexer/position.h"
#include "lexer/source.h"
#include "lexer/token.h"
#include "support/failure.h"
#include "support/string.h"

namespace cullsrc {

// The largest line and column numbers that positions may reach. A position is printed plus
// one and the end of input stands one column past its line, hence the room kept below the
// 32-bit maximum.
struct LexerLimits {
    std::int32_t max_line = std::numeric_limits<std::int32_t>::max() - 32;
    std::int32_t max_column = std::numeric_limits<std::int32_t>::max() - 32;
};

inline bool is_space(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
inline bool is_line_end(int c) { return c == '\n' || c == '\r'; }
inline bool is_ident_start(int c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
inline bool is_digit(int c) { return c >= '0' && c <= '9'; }
inline bool is_number_suffix(int c) {
    return c == 'x' || c == 'X' || c == 'u' || c == 'U' || c == 'l' || c == 'L';
}
inline bool is_ident_char(int c) { return is_ident_start(c) || is_digit(c); }

class Lexer {
public:
    explicit Lexer(Source& reader, LexerLimits limits = {});
    Lexer(const Lexer&) = delete;
    Lexer& operator=(const Lexer&) = delete;

    TokenKind current_token() const { return token_; }
    // Consumes the current token, which must be of this kind.
    void match(TokenKind kind);
    Position token_start() const { return token_position_; }
    String previous_lexeme() const { return consumed_lexeme_; }
    std::int32_t line() const { return position_.line; }
    std::int32_t column() const { return position_.column; }
    LineBuffer& line_buffer() { return line_buffer_; }

    void set_skip(TokenKind kind) { skip_[kind] = true; }
    // Reads the first character and the first token.
    void prime();

protected:
    [[noreturn]] void lexical_error(const char* message) const;

private:
    // Moves to the next byte. An ordinary byte only moves the column; a line end or the end
    // of input also completes a line.
    void read_char() {
        if (current_char_ == -1) lexical_error("Unexpected EOF");
        current_char_ = reader_.get();
        char_position_ = position_;
        if (current_char_ >= 0 && !is_line_end(current_char_)) {
            if (position_.column >= limits_.max_column) throw InputTooLarge{};
            ++position_.column;
            return;
        }
        complete_line();
    }
    void complete_line();
    void advance();
    void scan();
    void scan_word();
    void scan_number();
    void scan_literal(int close);
    void scan_block_comment();
    bool scan_to_line_end();
    void scan_operator();

    Source& reader_;
    TokenKind token_ = INVALID;
    int current_char_ = 0;
    Position position_{0, 0};
    Position char_position_;
    Position token_position_;
    String consumed_lexeme_;
    String lexeme_;
    bool skip_[token_kind_count] = {};
    LineBuffer line_buffer_;
    LexerLimits limits_;
};

}  // namespace cullsrc
