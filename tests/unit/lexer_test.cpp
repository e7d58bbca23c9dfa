// The token vocabulary, the reader's positions and kept lines, the scanner and its errors.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "driver/cull.h"
#include "driver/sink.h"
#include "lexer/keyword_table.h"
#include "lexer/lexer.h"
#include "lexer/source.h"
#include "lexer/token.h"
#include "parser/parser.h"
#include "support/failure.h"
#include "test_support.h"

namespace cullsrc {
namespace {

using testing::mismatch;
using testing::text_of;

bool has_text(TokenKind kind) {
    return kind == IDENT || kind == NUMBER || kind == STRING || kind == CHAR;
}

// Every token of a text, as "KIND" or "KIND(lexeme)" for the kinds that carry text, and the
// start position of each, the final EOI included.
struct Scanned {
    std::string tokens;
    std::string starts;
    std::vector<std::string> lines;
};

Scanned scan_all(std::string_view text, bool skipping = false) {
    Source source(text);
    Lexer lexer(source);
    if (skipping) {
        lexer.set_skip(DIRECTIVE);
        lexer.set_skip(COMMENT);
        lexer.set_skip(_CDECL);
    }
    lexer.prime();
    Scanned out;
    for (;;) {
        TokenKind kind = lexer.current_token();
        if (!out.tokens.empty()) {
            out.tokens += " ";
            out.starts += " ";
        }
        out.tokens += token_names[kind];
        out.starts += testing::at(lexer.token_start());
        if (kind == EOI) break;
        lexer.match(kind);
        if (has_text(kind)) out.tokens += "(" + text_of(lexer.previous_lexeme()) + ")";
    }
    lexer.line_buffer().lines().for_each(
        [&](const String& line) { out.lines.push_back(text_of(line)); });
    return out;
}

// The error text of scanning a whole text, or "" when it scans.
std::string scan_error(std::string_view text) {
    try {
        scan_all(text);
    } catch (const Failure& failure) {
        return failure.text;
    }
    return "";
}

// The error text of matching the given kinds one after another, or "" when all match.
std::string match_error(std::string_view text, std::initializer_list<TokenKind> kinds) {
    Source source(text);
    Lexer lexer(source);
    try {
        lexer.prime();
        for (TokenKind kind : kinds) lexer.match(kind);
    } catch (const Failure& failure) {
        return failure.text;
    }
    return "";
}

// ---- Token kinds and keywords -------------------------------------------------------------------

TEST(TokenNames, EveryKindHasItsFixedNumberAndName) {
    const char* const expected[] = {
        "INVALID",        "IDENT",          "NUMBER",        "STRING",        "CHAR",
        "SEMICOLON",      "COMMA",          "LPAR",          "RPAR",          "PLUS",
        "MINUS",          "ASTERISK",       "DIVIDE",        "EQUALS",        "BEGIN",
        "END",            "ASSIGNMENT",     "DOT",           "DEREFERENCE",   "LESS",
        "LESSOREQUAL",    "GREATER",        "GREATEROREQUAL", "LBRACKET",     "RBRACKET",
        "NEGATION",       "QUESTION",       "COLON",         "DOUBLECOLON",   "TILDE",
        "AND",            "OR",             "LOGICALAND",    "LOGICALOR",     "XOR",
        "TYPEDEF",        "STRUCT",         "CLASS",         "ENUM",          "CONST",
        "UNSIGNED",       "STATIC",         "EXTERN",        "INLINE",        "_CDECL",
        "INCREMENT",      "DECREMENT",      "PLUSASSIGNMENT", "MINUSASSIGNMENT", "MULTASSIGNMENT",
        "DIVASSIGNMENT",  "ANDASSIGNMENT",  "ORASSIGNMENT",  "BREAK",         "CONTINUE",
        "FOR",            "WHILE",          "DO",            "IF",            "ELSE",
        "SWITCH",         "CASE",           "DEFAULT",       "RETURN",        "DIRECTIVE",
        "COMMENT",        "EOI",
    };
    static_assert(sizeof expected / sizeof expected[0] == token_kind_count);
    for (int kind = 0; kind < token_kind_count; ++kind) {
        EXPECT_STREQ(token_names[kind], expected[kind]) << "kind " << kind;
    }
    // The parser tests consecutive ranges, so the numbers matter, not only the names.
    EXPECT_EQ(TYPEDEF, 35);
    EXPECT_EQ(INLINE, 43);
    EXPECT_EQ(_CDECL, 44);
    EXPECT_EQ(EOI, 66);
}

TEST(Keywords, OnlyTheListedWordsAreKeywords) {
    struct Case {
        const char* word;
        TokenKind kind;
    };
    const Case cases[] = {
        {"typedef", TYPEDEF}, {"struct", STRUCT}, {"class", CLASS},       {"enum", ENUM},
        {"const", CONST},     {"unsigned", UNSIGNED}, {"static", STATIC}, {"extern", EXTERN},
        {"inline", INLINE},   {"for", FOR},       {"while", WHILE},       {"do", DO},
        {"if", IF},           {"else", ELSE},     {"switch", SWITCH},     {"case", CASE},
        {"default", DEFAULT}, {"return", RETURN}, {"break", BREAK},       {"continue", CONTINUE},
        {"__cdecl", _CDECL},
        // Everything else is an identifier: type words, other C words, case variants, and
        // keywords with more identifier characters after them.
        {"While", IDENT},     {"WHILE", IDENT},   {"_cdecl", IDENT},      {"forx", IDENT},
        {"if2", IDENT},       {"return_value", IDENT}, {"int", IDENT},    {"char", IDENT},
        {"void", IDENT},      {"long", IDENT},    {"union", IDENT},       {"goto", IDENT},
        {"sizeof", IDENT},    {"___cdecl", IDENT}, {"typedefs", IDENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(keyword_kind(c.word), c.kind);
        std::string expected = token_names[c.kind];
        if (c.kind == IDENT) expected += std::string("(") + c.word + ")";
        EXPECT_EQ(scan_all(c.word).tokens, expected + " EOI");
    }
}

// ---- Scanner: what each text becomes ------------------------------------------------------------

struct TokenCase {
    const char* text;
    const char* tokens;
};

void expect_tokens(const std::vector<TokenCase>& cases, bool skipping) {
    for (const TokenCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(scan_all(c.text, skipping).tokens, c.tokens);
    }
}

TEST(Scanner, OperatorsAndTheTextsThatScanAsSeveralTokens) {
    expect_tokens(
        {
            {"; , ( ) [ ] { } . ! ? ~ ^",
             "SEMICOLON COMMA LPAR RPAR LBRACKET RBRACKET BEGIN END DOT NEGATION QUESTION TILDE "
             "XOR EOI"},
            {"== = -> -- -= - ++ += + *= * /= / <= < >= > && &= & || |= | :: :",
             "EQUALS ASSIGNMENT DEREFERENCE DECREMENT MINUSASSIGNMENT MINUS INCREMENT "
             "PLUSASSIGNMENT PLUS MULTASSIGNMENT ASTERISK DIVASSIGNMENT DIVIDE LESSOREQUAL LESS "
             "GREATEROREQUAL GREATER LOGICALAND ANDASSIGNMENT AND LOGICALOR ORASSIGNMENT OR "
             "DOUBLECOLON COLON EOI"},
            {"a+=b", "IDENT(a) PLUSASSIGNMENT IDENT(b) EOI"},
            {"x!=y", "IDENT(x) NEGATION ASSIGNMENT IDENT(y) EOI"},
            {"a<<2", "IDENT(a) LESS LESS NUMBER(2) EOI"},
            {"a>>2", "IDENT(a) GREATER GREATER NUMBER(2) EOI"},
            {"p->q", "IDENT(p) DEREFERENCE IDENT(q) EOI"},
            {"i---j", "IDENT(i) DECREMENT MINUS IDENT(j) EOI"},
            {"x^=1", "IDENT(x) XOR ASSIGNMENT NUMBER(1) EOI"},
            {"...", "DOT DOT DOT EOI"},
            {"=>", "ASSIGNMENT GREATER EOI"},
            {"-->", "DECREMENT GREATER EOI"},
            {":::", "DOUBLECOLON COLON EOI"},
            {"+++", "INCREMENT PLUS EOI"},
            {"&&&", "LOGICALAND AND EOI"},
            {"|||", "LOGICALOR OR EOI"},
            {"===", "EQUALS ASSIGNMENT EOI"},
            {"**=", "ASTERISK MULTASSIGNMENT EOI"},
            {"<>", "LESS GREATER EOI"},
            {"a/b", "IDENT(a) DIVIDE IDENT(b) EOI"},
            {"a /", "IDENT(a) DIVIDE EOI"},
            {"/", "DIVIDE EOI"},
            {"x-", "IDENT(x) MINUS EOI"},
        },
        false);
}

TEST(Scanner, NumbersTakeOnlyDigitsAndSuffixLetters) {
    expect_tokens(
        {
            {"0x1F", "NUMBER(0x1) IDENT(F) EOI"},
            {"10UL", "NUMBER(10UL) EOI"},
            {"1.5", "NUMBER(1) DOT NUMBER(5) EOI"},
            {"1e5", "NUMBER(1) IDENT(e5) EOI"},
            {"x1", "IDENT(x1) EOI"},
            {"0xff", "NUMBER(0x) IDENT(ff) EOI"},
            {"7lxu", "NUMBER(7lxu) EOI"},
            {"0XuL9", "NUMBER(0XuL9) EOI"},
            {"123abc", "NUMBER(123) IDENT(abc) EOI"},
            {"3_", "NUMBER(3) IDENT(_) EOI"},
            {"_a1 A_Z9", "IDENT(_a1) IDENT(A_Z9) EOI"},
        },
        false);
}

TEST(Scanner, LiteralsDropTheirEscapingBackslashes) {
    expect_tokens(
        {
            {R"("a\"b")", R"(STRING(a"b) EOI)"},
            {R"('\n')", "CHAR(n) EOI"},
            {"''", "CHAR() EOI"},
            {R"("")", "STRING() EOI"},
            {R"('ab')", "CHAR(ab) EOI"},
            {R"("a\\b")", R"(STRING(a\b) EOI)"},
            {R"("%d %s")", "STRING(%d %s) EOI"},
            {R"("it's" '"')", R"(STRING(it's) CHAR(") EOI)"},
            {"\"x\ny\"", "STRING(x\ny) EOI"},
            {"\"\xff\"", "STRING(\xff) EOI"},
            {R"(f("a", 'b'))", "IDENT(f) LPAR STRING(a) COMMA CHAR(b) RPAR EOI"},
        },
        false);
}

TEST(Scanner, CommentsAndDirectives) {
    expect_tokens(
        {
            {"/* a */b", "COMMENT IDENT(b) EOI"},
            {"/*****/x", "COMMENT IDENT(x) EOI"},
            {"/* x **/}", "COMMENT END EOI"},
            {"/*/ x */y", "COMMENT IDENT(y) EOI"},  // the opening star cannot close it
            {"/* /* n */ x */", "COMMENT IDENT(x) ASTERISK DIVIDE EOI"},
            {"/**/", "COMMENT EOI"},
            {"a//b\nc", "IDENT(a) COMMENT IDENT(c) EOI"},
            {"// a \\\nx", "COMMENT IDENT(x) EOI"},  // a trailing backslash joins nothing
            {"#define X 1\nint", "DIRECTIVE IDENT(int) EOI"},
            {"# if \\\nx", "DIRECTIVE IDENT(x) EOI"},
            // A last line without its line end still completes the directive or comment.
            {"#endif", "DIRECTIVE EOI"},
            {"// end", "COMMENT EOI"},
            {"x // end", "IDENT(x) COMMENT EOI"},
            {"__cdecl", "_CDECL EOI"},
            {"\t a \r\n b", "IDENT(a) IDENT(b) EOI"},
        },
        false);
}

TEST(Scanner, SkippedKindsNeverReachTheParser) {
    expect_tokens(
        {
            {"# define X 1\nint", "IDENT(int) EOI"},
            {"int __cdecl f", "IDENT(int) IDENT(f) EOI"},
            {"/* a */ // b\n#x\nq", "IDENT(q) EOI"},
            {"#endif", "EOI"},
            {"x // end", "IDENT(x) EOI"},
            {"  \n /* c */ \n// d\n", "EOI"},
            {"a/**/b", "IDENT(a) IDENT(b) EOI"},
        },
        true);
}

// ---- Reader: positions and kept lines -----------------------------------------------------------

TEST(Positions, TokenStartsAreZeroBasedLineAndByte) {
    struct Case {
        const char* text;
        bool skipping;
        const char* starts;
    };
    const Case cases[] = {
        {"", false, "0:0"},
        {"   ", false, "0:3"},
        {"a\nb", false, "0:0 1:0 1:1"},
        {"a\nb\n", false, "0:0 1:0 2:0"},
        {"a\r\nb", false, "0:0 2:0 2:1"},  // CR and LF each end a line
        {"a\rb", false, "0:0 1:0 1:1"},
        {"\tx", false, "0:1 0:2"},
        {"ab  cd;", false, "0:0 0:4 0:6 0:7"},
        {"\"x\ny\" z", false, "0:0 1:3 1:4"},
        {"\"\xff\" x", false, "0:0 0:4 0:5"},  // 0xFF is a byte like any other, not the end
        {"#endif", false, "0:0 0:6"},
        {"// end", false, "0:0 0:6"},
        {"/* a */b", false, "0:0 0:7 0:8"},
        {"x /* \n */ y", false, "0:0 0:2 1:4 1:5"},
        {"# define X 1\nint", true, "1:0 1:3"},
        {"x\n#endif", true, "0:0 1:6"},
        {"  \n /* c */ \n// d\n", true, "3:0"},
        {"int __cdecl f", true, "0:0 0:12 0:13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(scan_all(c.text, c.skipping).starts, c.starts);
    }
}

TEST(LineBufferTest, KeepsEveryLineWithoutItsLineEnd) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string text;
        Lines lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"a\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b", ""}},
        {"a\r\nb", {"a", "", "b"}},
        {"a\rb\r", {"a", "b", ""}},
        {"x /* \n\n */", {"x /* ", "", " */"}},
        {"// x\xff\n", {"// x\xff", ""}},
        {std::string("// a\0b\nx", 8), {std::string("// a\0b", 6), "x"}},
        {"\"%d\"\t;", {"\"%d\"\t;"}},
        {"#endif", {"#endif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(scan_all(c.text).lines, c.lines);
    }
}

TEST(Positions, LimitsStopInputThatPositionsCannotHold) {
    auto scan_with = [](std::string_view text, LexerLimits limits) {
        Source source(text);
        Lexer lexer(source, limits);
        lexer.prime();
        while (lexer.current_token() != EOI) lexer.match(lexer.current_token());
    };
    LexerLimits narrow;
    narrow.max_column = 4;
    EXPECT_NO_THROW(scan_with("abc", narrow));
    EXPECT_NO_THROW(scan_with("a\nbc\nd", narrow));
    EXPECT_THROW(scan_with("abcdefgh", narrow), InputTooLarge);
    EXPECT_THROW(scan_with("a\n/* long */", narrow), InputTooLarge);

    LexerLimits short_file;
    short_file.max_line = 2;
    EXPECT_NO_THROW(scan_with("a\nb", short_file));
    EXPECT_THROW(scan_with("a\nb\nc\nd\ne", short_file), InputTooLarge);

    // The whole run fails instead of printing wrong positions.
    std::string console;
    std::string output;
    EXPECT_EQ(cull("int main() { return 0; }\n", console, output, narrow), 1);
    EXPECT_EQ(output, "");
}

// ---- Consumed lexemes ---------------------------------------------------------------------------

TEST(PreviousLexeme, IsTheTextOfTheTokenConsumedLast) {
    std::string console;
    StringSink sink(console);

    {
        Source source("int __cdecl ; a ;");
        Parser parser(source, sink);
        EXPECT_EQ(text_of(parser.previous_lexeme()), "");
        parser.match(IDENT);
        EXPECT_EQ(text_of(parser.previous_lexeme()), "int");
        // A skipped __cdecl leaves its text for the operator after it.
        parser.match(SEMICOLON);
        EXPECT_EQ(text_of(parser.previous_lexeme()), "__cdecl");
        parser.match(IDENT);
        parser.match(SEMICOLON);
        EXPECT_EQ(text_of(parser.previous_lexeme()), "");
    }
    {
        Source source("x __cdecl y ( __cdecl ) while 10UL \"s\\\"\" 'c'");
        Parser parser(source, sink);
        struct Step {
            TokenKind kind;
            const char* lexeme;
        };
        const Step steps[] = {{IDENT, "x"},    {IDENT, "y"},     {LPAR, ""},    {RPAR, "__cdecl"},
                              {WHILE, "while"}, {NUMBER, "10UL"}, {STRING, "s\""}, {CHAR, "c"}};
        for (const Step& step : steps) {
            SCOPED_TRACE(token_names[step.kind]);
            parser.match(step.kind);
            EXPECT_EQ(text_of(parser.previous_lexeme()), step.lexeme);
        }
        EXPECT_EQ(parser.current_token(), EOI);
    }
    EXPECT_EQ(console, "");
}

TEST(ParserPriming, TheFirstTokenIsCurrentAfterConstruction) {
    std::string console;
    StringSink sink(console);
    Source source("// banner\n#include <x>\n  __cdecl\n  int");
    Parser parser(source, sink);
    EXPECT_EQ(parser.current_token(), IDENT);
    EXPECT_EQ(testing::at(parser.token_start()), "3:2");

    Source bad("\n  @");
    try {
        Parser failing(bad, sink);
        ADD_FAILURE() << "no error in the first token";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text, "Lexical error at line 2, character 4: Unexpected character\n");
    }
}

// ---- Lexical errors -----------------------------------------------------------------------------

TEST(LexicalErrors, UnexpectedCharacter) {
    struct Case {
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"x%2", "Lexical error at line 1, character 3: Unexpected character\n"},
        {"%", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"@", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"$", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"`", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\\", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\x01", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\v", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\f", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\x7f", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\x80", "Lexical error at line 1, character 2: Unexpected character\n"},
        {"\xff", "Lexical error at line 1, character 2: Unexpected character\n"},
        {std::string("\0", 1), "Lexical error at line 1, character 2: Unexpected character\n"},
        {"a %", "Lexical error at line 1, character 4: Unexpected character\n"},
        {"a\n\t @", "Lexical error at line 2, character 4: Unexpected character\n"},
        {"a\r\n@", "Lexical error at line 3, character 2: Unexpected character\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(scan_error(c.text), c.error);
    }
}

TEST(LexicalErrors, UnexpectedEofInsideAnUnclosedToken) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"\"ab", "Lexical error at line 1, character 5: Unexpected EOF\n"},
        {"'a", "Lexical error at line 1, character 4: Unexpected EOF\n"},
        {"'", "Lexical error at line 1, character 3: Unexpected EOF\n"},
        {"\"a\\", "Lexical error at line 1, character 5: Unexpected EOF\n"},
        {"\"abc\n", "Lexical error at line 2, character 2: Unexpected EOF\n"},
        {"/* a", "Lexical error at line 1, character 6: Unexpected EOF\n"},
        {"/* a *", "Lexical error at line 1, character 8: Unexpected EOF\n"},
        {"/*/", "Lexical error at line 1, character 5: Unexpected EOF\n"},
        {"/*\n", "Lexical error at line 2, character 2: Unexpected EOF\n"},
        {"x /* a */ y /* b", "Lexical error at line 1, character 18: Unexpected EOF\n"},
        // Complete at the end of input, as every other line.
        {"#endif", ""},
        {"// end", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(scan_error(c.text), c.error);
    }
}

TEST(LexicalErrors, MatchReportsTheExpectedAndTheFoundKind) {
    struct Case {
        const char* text;
        std::initializer_list<TokenKind> kinds;
        std::string error;
    };
    const Case cases[] = {
        {"x y", {SEMICOLON}, mismatch("SEMICOLON", "IDENT", "line 1, character 3")},
        // The look-ahead is a line end: the reader already stands on the next line.
        {"x\ny", {SEMICOLON}, mismatch("SEMICOLON", "IDENT", "line 2, character 1")},
        {"x", {IDENT, SEMICOLON}, mismatch("SEMICOLON", "EOI", "line 1, character 3")},
        {"", {LPAR}, mismatch("LPAR", "EOI", "line 1, character 2")},
        {"__cdecl x", {IDENT}, mismatch("IDENT", "_CDECL", "line 1, character 9")},
        {"<=", {LESS}, mismatch("LESS", "LESSOREQUAL", "line 1, character 4")},
        {"*=", {ASTERISK}, mismatch("ASTERISK", "MULTASSIGNMENT", "line 1, character 4")},
        {"a ;", {IDENT, SEMICOLON}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(match_error(c.text, c.kinds), c.error);
    }
}

TEST(LexicalErrors, ConsumingEoiIsUnexpected) {
    struct Case {
        const char* text;
        std::initializer_list<TokenKind> kinds;
        const char* error;
    };
    const Case cases[] = {
        {"", {EOI}, "Lexical error at line 1, character 2: Unexpected EOI\n"},
        {"x", {IDENT, EOI}, "Lexical error at line 1, character 3: Unexpected EOI\n"},
        {"x\n", {IDENT, EOI}, "Lexical error at line 2, character 2: Unexpected EOI\n"},
        {"#endif", {DIRECTIVE, EOI}, "Lexical error at line 1, character 8: Unexpected EOI\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(match_error(c.text, c.kinds), c.error);
    }
}

}  // namespace
}  // namespace cullsrc
