// Cutting the character stream into tokens.

#include <array>

#include "lexer/keyword_table.h"
#include "lexer/lexer.h"

namespace cullsrc {

namespace {

// Operators decided by a second character: the kind of the first character alone, and the
// kinds that the listed second characters make of it.
struct OperatorRow {
    char first;
    TokenKind alone;
    struct {
        char second;
        TokenKind kind;
    } pairs[3];
};

constexpr OperatorRow operator_rows[] = {
    {'=', ASSIGNMENT, {{'=', EQUALS}}},
    {'-', MINUS, {{'>', DEREFERENCE}, {'-', DECREMENT}, {'=', MINUSASSIGNMENT}}},
    {'+', PLUS, {{'+', INCREMENT}, {'=', PLUSASSIGNMENT}}},
    {'*', ASTERISK, {{'=', MULTASSIGNMENT}}},
    {'<', LESS, {{'=', LESSOREQUAL}}},
    {'>', GREATER, {{'=', GREATEROREQUAL}}},
    {'&', AND, {{'&', LOGICALAND}, {'=', ANDASSIGNMENT}}},
    {'|', OR, {{'|', LOGICALOR}, {'=', ORASSIGNMENT}}},
    {':', COLON, {{':', DOUBLECOLON}}},
};

constexpr std::array<TokenKind, 256> single_kinds = [] {
    std::array<TokenKind, 256> kinds{};
    kinds[';'] = SEMICOLON;
    kinds[','] = COMMA;
    kinds['('] = LPAR;
    kinds[')'] = RPAR;
    kinds['['] = LBRACKET;
    kinds[']'] = RBRACKET;
    kinds['{'] = BEGIN;
    kinds['}'] = END;
    kinds['.'] = DOT;
    kinds['!'] = NEGATION;
    kinds['?'] = QUESTION;
    kinds['~'] = TILDE;
    kinds['^'] = XOR;
    return kinds;
}();

const OperatorRow* operator_row(int c) {
    for (const OperatorRow& row : operator_rows) {
        if (row.first == c) return &row;
    }
    return nullptr;
}

}  // namespace

// token = word | number | literal | directive | comment | operator | EOI
void Lexer::scan() {
    while (is_space(current_char_)) read_char();
    token_position_ = char_position_;
    int c = current_char_;
    if (is_ident_start(c)) return scan_word();
    if (is_digit(c)) return scan_number();
    switch (c) {
    case '"':
        token_ = STRING;
        scan_literal('"');
        break;
    case '\'':
        token_ = CHAR;
        scan_literal('\'');
        break;
    case '#':
        token_ = DIRECTIVE;
        if (!scan_to_line_end()) return;
        break;
    case '/':
        read_char();
        if (current_char_ == '/') {
            token_ = COMMENT;
            if (!scan_to_line_end()) return;
        } else if (current_char_ == '*') {
            token_ = COMMENT;
            scan_block_comment();
        } else if (current_char_ == '=') {
            token_ = DIVASSIGNMENT;
        } else {
            token_ = DIVIDE;
            return;
        }
        break;
    case -1:
        if (token_ == EOI) lexical_error("Unexpected EOI");
        token_ = EOI;
        return;
    default:
        if (operator_row(c) != nullptr) return scan_operator();
        if (c < 0 || single_kinds[static_cast<unsigned>(c)] == INVALID) {
            lexical_error("Unexpected character");
        }
        token_ = single_kinds[static_cast<unsigned>(c)];
        break;
    }
    read_char();  // past the token's last character
}

// word = ident_start ident_char*, then a keyword or an IDENT
void Lexer::scan_word() {
    lexeme_.clear();
    do {
        lexeme_.append(static_cast<char>(current_char_));
        read_char();
    } while (is_ident_char(current_char_));
    token_ = keyword_kind(lexeme_.view());
}

// number = digit (digit | x | X | u | U | l | L)*
void Lexer::scan_number() {
    lexeme_.clear();
    do {
        lexeme_.append(static_cast<char>(current_char_));
        read_char();
    } while (is_digit(current_char_) || is_number_suffix(current_char_));
    token_ = NUMBER;
}

// literal = quote (backslash any | other)* quote; the lexeme drops the escaping backslashes.
// Stops on the closing quote, which the caller's final step moves past.
void Lexer::scan_literal(int close) {
    lexeme_.clear();
    for (;;) {
        read_char();
        if (current_char_ == '\\') {
            read_char();
        } else if (current_char_ == close) {
            return;
        }
        lexeme_.append(static_cast<char>(current_char_));
    }
}

// Reads up to the line end that ends a directive or a line comment. A file may end without
// one: the token then ends at the end of input, and false says there is nothing to move past.
bool Lexer::scan_to_line_end() {
    while (!is_line_end(current_char_)) {
        if (current_char_ == -1) return false;
        read_char();
    }
    return true;
}

// block comment = "/*" ... "*/"; the opening star cannot close it. Stops on the closing '/'.
void Lexer::scan_block_comment() {
    bool after_star = false;
    read_char();
    while (!(after_star && current_char_ == '/')) {
        after_star = current_char_ == '*';
        read_char();
    }
}

// operator = first [second]; a second character that makes no pair is left as look-ahead.
void Lexer::scan_operator() {
    const OperatorRow* row = operator_row(current_char_);
    read_char();
    for (const auto& pair : row->pairs) {
        if (pair.kind != INVALID && pair.second == current_char_) {
            token_ = pair.kind;
            read_char();
            return;
        }
    }
    token_ = row->alone;
}

}  // namespace cullsrc
