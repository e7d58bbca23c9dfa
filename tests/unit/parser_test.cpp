// The grammar, checked against the scope tree it builds or the error it reports.
//
// Trees are rendered by testing::render: `name[start-end]{...}` for a function, `{...}` for
// any other scope; inside, "par"/"var" name@start-end for each variable, "ref"/"call" name
// for each recorded use, then the child scopes. Positions are 0-based line:column.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scope/scope.h"
#include "test_support.h"

namespace cullsrc {
namespace {

using testing::parse;
using testing::Parsed;
using testing::render;
using testing::mismatch;
using testing::text_of;

// The whole global scope, or the error text.
std::string tree(std::string_view source) {
    Parsed parsed = parse(source);
    return parsed.failed ? parsed.error : render(*parsed.global);
}

// The statements are put into a function body on a line of their own (line 1, column 0):
// the result is the body's block scope, or the error text.
std::string body(const std::string& statements) {
    Parsed parsed = parse("void f() {\n" + statements + "\n}");
    if (parsed.failed) return parsed.error;
    Scope* function = parsed.global->children.at(0);
    return render(*function->children.at(0));
}

const std::string call_initializer_message =
    "Expected COMMA, SEMICOLON, ASSIGNMENT, LPAR, RPAR\n";

struct Case {
    std::string source;
    std::string expected;
};

void expect_trees(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(tree(c.source), c.expected);
    }
}

void expect_bodies(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(body(c.source), c.expected);
    }
}

// ---- Global declarations ------------------------------------------------------------------------

TEST(GlobalDeclarations, VariablesAndTheirRanges) {
    expect_trees({
        {"", "{}"},
        {"// only\n#define X\n/* c */\n", "{}"},
        {"int a = 1, b, c[2];", "{var a@0:4-0:11 var b@0:9-0:12 var c@0:12-0:18}"},
        {"int g1, g2 = 2, g3[3];", "{var g1@0:4-0:8 var g2@0:6-0:14 var g3@0:14-0:21}"},
        {"int *p, *q;", "{var p@0:4-0:8 var q@0:6-0:10}"},
        {"char *p;", "{var p@0:5-0:7}"},
        {"int **&r;", "{var r@0:4-0:8}"},
        {"int x /* c */;", "{var x@0:4-0:13}"},  // the comment lies inside the range
        {"const const int v;", "{var v@0:16-0:17}"},
        {"unsigned int x;", "{var x@0:13-0:14}"},
        {"unsigned x;", "{}"},  // x is the type name
        {"extern int x;\nint x = 1;", "{var x@0:11-0:12 var x@1:4-1:9}"},
        {"struct S *p;", "{var p@0:9-0:11}"},
        {"enum E e;", "{var e@0:7-0:8}"},
        {"int x; int main() {} int y;", "{var x@0:4-0:5 var y@0:25-0:26 main[0:7-0:21]{{}}}"},
    });
}

TEST(GlobalDeclarations, NamesInBoundsAndInitializersGoToTheGlobalScope) {
    expect_trees({
        {"int v[N], w = f(x) + y;", "{var v@0:4-0:10 var w@0:8-0:22 ref N ref x ref y call f}"},
        {"int v[] = {a, b};", "{var v@0:4-0:16 ref a ref b}"},
        {"int x = (a; b);", "{var x@0:4-0:14 ref a ref b}"},
        {"int t = c ? u : v;", "{var t@0:4-0:17 ref c ref u ref v}"},
    });
}

TEST(GlobalDeclarations, TypesAndTypedefsDeclareNothing) {
    expect_trees({
        {"struct S { int a; };", "{}"},
        {"enum E { A, B };", "{}"},
        {"int;", "{}"},
        {"int *;", "{}"},
        {"class K { void f() { g(); } };", "{}"},
        {"struct S { int a; struct T { int b; } t; } s;", "{var s@0:43-0:44}"},
        {"typedef int T;\ntypedef char *PSTR;\ntypedef int Arr[N];\ntypedef struct { int a; } S;\n"
         "typedef int (*FP)(int x);\ntypedef const unsigned U;",
         "{}"},
        {"int (*fp)(int a);", "{}"},
        {"void (*handlers)(int (*inner)(char c), long n);", "{}"},
    });
}

// ---- Functions ----------------------------------------------------------------------------------

TEST(Functions, ScopesParametersAndRanges) {
    expect_trees({
        {"int main(int argc, char *argv[]) {}",
         "{main[0:0-0:35]{par argc@0:9-0:17 par argv@0:17-0:31 {}}}"},
        {"void f(void) {}", "{f[0:0-0:15]{{}}}"},
        {"void f() {}", "{f[0:0-0:11]{{}}}"},
        {"void f(int) {}", "{f[0:0-0:14]{{}}}"},
        {"void f(int *) {}", "{f[0:0-0:16]{{}}}"},
        {"void f(int n, int v[N]) {}", "{f[0:0-0:26]{par n@0:7-0:12 par v@0:12-0:22 ref N {}}}"},
        {"void f(int (*cb)(int x), int y) {}", "{f[0:0-0:34]{par y@0:23-0:30 {}}}"},
        {"void f(struct S s, enum E e, const int c) {}",
         "{f[0:0-0:44]{par s@0:7-0:17 par e@0:17-0:27 par c@0:27-0:40 {}}}"},
        {"void f(class C *c) {}", "{f[0:0-0:21]{par c@0:7-0:17 {}}}"},
        {"void f(int a, int a) {}", "{f[0:0-0:23]{par a@0:7-0:12 par a@0:12-0:19 {}}}"},
        {"void f(Obj o(x)) {}", "{f[0:0-0:19]{par o@0:7-0:15 ref x {}}}"},
        {"extern int f(int a) { }", "{f[0:0-0:23]{par a@0:13-0:18 {}}}"},
        {"inline int *f() {}", "{f[0:0-0:18]{{}}}"},
        {"int __cdecl main() {}", "{main[0:0-0:21]{{}}}"},
        // A function reaches up to the next token, over comments and directives.
        {"static int twice(int v) { return v; }\n// note\nint main() {}",
         "{twice[0:0-2:0]{par v@0:17-0:22 {ref v}} main[2:0-2:13]{{}}}"},
        {"void g() {}\n\n/* c */\n#define X\nint main() {}\n",
         "{g[0:0-4:0]{{}} main[4:0-5:0]{{}}}"},
        {"void f() {}\nvoid f() {}", "{f[0:0-1:0]{{}} f[1:0-1:11]{{}}}"},
    });
}

TEST(Functions, PrototypesLeaveNoScopeAndAreAnnounced) {
    struct Prototype {
        const char* source;
        const char* tree;
        const char* console;
    };
    const Prototype cases[] = {
        {"int f(int a);\nint f(int a) { return a; }", "{f[1:0-1:26]{par a@1:6-1:11 {ref a}}}",
         "ANULOVAT FUNKCI, JEN FORWARD\n"},
        {"void f();\nvoid g(int x, int v[N]);", "{}",
         "ANULOVAT FUNKCI, JEN FORWARD\nANULOVAT FUNKCI, JEN FORWARD\n"},
        {"void f() {}\nvoid g();\nint x;", "{var x@2:4-2:5 f[0:0-1:0]{{}}}",
         "ANULOVAT FUNKCI, JEN FORWARD\n"},
    };
    for (const Prototype& c : cases) {
        SCOPED_TRACE(c.source);
        Parsed parsed = parse(c.source);
        ASSERT_FALSE(parsed.failed) << parsed.error;
        EXPECT_EQ(render(*parsed.global), c.tree);
        EXPECT_EQ(parsed.console, c.console);
    }

    // What was announced stays printed when a later error ends the run.
    Parsed failing = parse("int f();\n}");
    EXPECT_EQ(failing.console, "ANULOVAT FUNKCI, JEN FORWARD\n");
    EXPECT_EQ(failing.error,
              "Syntax error at line 2, character 3: Expected IDENT, TYPEDEF, CONST, UNSIGNED, "
              "STATIC, INLINE, CLASS, STRUCT, ENUM, EOI\n");
}

// ---- Blocks and statements ----------------------------------------------------------------------

TEST(Statements, LocalDeclarations) {
    expect_bodies({
        {"", "{}"},
        {"{ }", "{{}}"},
        {"int a; { int a; }", "{var a@1:4-1:5 {var a@1:13-1:14}}"},
        {"static int n = 0;", "{var n@1:11-1:16}"},
        {"int a = 1, b, c[2];", "{var a@1:4-1:11 var b@1:9-1:12 var c@1:12-1:18}"},
        {"int *p, *q;", "{var p@1:4-1:8 var q@1:6-1:10}"},
        {"struct S s; enum E e; class C *c; const int k = 1;",
         "{var s@1:9-1:10 var e@1:19-1:20 var c@1:30-1:32 var k@1:44-1:49}"},
        {"int __cdecl x;", "{var x@1:12-1:13}"},
        {"int x = 1 y;", "{var x@1:4-1:11 ref y}"},
        // An identifier followed by *, & or an identifier always begins a declaration.
        {"a * b;", "{var b@1:2-1:5}"},
        {"a & b;", "{var b@1:2-1:5}"},
        {"delete p;", "{var p@1:7-1:8}"},
        {"goto done;", "{var done@1:5-1:9}"},
        {"throw e;", "{var e@1:6-1:7}"},
        {"a.b c;", "{var c@1:4-1:5}"},
        {"Foo f(1);", "{var f@1:4-1:8}"},
        {"Foo f(a, g(b));", "{var f@1:4-1:14 ref a ref b call g}"},
        {"int v[] = {a, b};", "{var v@1:4-1:16 ref a ref b}"},
        {"typedef int T; typedef int A[N];", "{}"},
    });
}

TEST(Statements, AssignmentsCallsAndTheLeadingIdentifier) {
    expect_bodies({
        {"x = y + x;", "{ref x ref y ref x}"},
        {"x += 1; x -= 1; x *= 2; x /= 2; x &= 1; x |= 1;",
         "{ref x ref x ref x ref x ref x ref x}"},
        {"f(a, g(b));", "{ref a ref b call f call g}"},
        {"g(\"s\", 'c', 1);", "{call g}"},
        {"g(a, ); g(, a); g();", "{ref a ref a call g call g call g}"},
        // The leading identifier of any other statement is a use of that name.
        {"i++;", "{ref i}"},
        {"i--;", "{ref i}"},
        {"x;", "{ref x}"},
        {"a[i] = 0;", "{ref a ref i}"},
        {"p->n = 0;", "{ref p ref n}"},
        {"p->f(x);", "{ref p ref x call f}"},
        {"K::f();", "{ref K call f}"},
        // A member chain is followed; the member names themselves are not recorded.
        {"s.n++;", "{ref s}"},
        {"s.n = 0;", "{ref s}"},
        {"a.b.c = 1;", "{ref a}"},
        {"obj.run();", "{call obj}"},
        {"a.b.c(x);", "{ref x call a}"},
    });
}

TEST(Statements, ControlStatements) {
    expect_bodies({
        {"for (int i = 0; i < n; i++) s += i;", "{ref int ref i ref i ref n ref i ref s ref i}"},
        {"for (;;) ;", "{}"},
        {"for (;;) { int t; }", "{{var t@1:15-1:16}}"},
        {"while (x) y = 1;", "{ref x ref y}"},
        {"do x--; while (x);", "{ref x ref x}"},
        {"do { int t; } while (t);", "{ref t {var t@1:9-1:10}}"},
        {"if (a) b = 1; else { c = 2; }", "{ref a ref b {ref c}}"},
        {"if (a) { } else if (b) { } else { }", "{ref a ref b {} {} {}}"},
        // The braces of a switch open no scope.
        {"switch (k) { case A: case B: f(); break; default: ; }", "{ref k ref A ref B call f}"},
        {"switch (k) { case 1: { int v; } default: int w; }",
         "{var w@1:45-1:46 ref k {var v@1:27-1:28}}"},
        {"switch (k) { case c ? 1 : 2: x = 1; }", "{ref k ref c ref x}"},
        {"switch (k) { }", "{ref k}"},
        {"return; return (a + b); break; continue;", "{ref a ref b}"},
    });
}

TEST(Statements, NamesInsideExpressions) {
    expect_bodies({
        {"y = f (x); y = f /* note */ (x);", "{ref y ref x ref y ref x call f call f}"},
        {"y = a.b.c;", "{ref y ref a ref b ref c}"},
        {"y = obj.m(x);", "{ref y ref obj ref x call m}"},
        {"y = p->g(x);", "{ref y ref p ref x call g}"},
        {"y = (*fp)(x);", "{ref y ref fp ref x}"},
        {"y = (int)x + sizeof(int);", "{ref y ref int ref x ref int call sizeof}"},
        {"y = n + n + n;", "{ref y ref n ref n ref n}"},
        {"x = {1, 2};", "{ref x}"},
        {"y = c ? x : z;", "{ref y ref c ref x ref z}"},
        {"x = (a; b);", "{ref x ref a ref b}"},
        {"x = a[i] + m[j][k];", "{ref x ref a ref i ref m ref j ref k}"},
    });
}

// ---- Errors -------------------------------------------------------------------------------------

TEST(SyntaxErrors, StatementsThatCannotBegin) {
    const std::string xxxxx = ": XXXXX\n";
    expect_bodies({
        {"1;", "Syntax error at line 2, character 3" + xxxxx},
        {"\"s\";", "Syntax error at line 2, character 5" + xxxxx},
        {"'c';", "Syntax error at line 2, character 5" + xxxxx},
        {"(x) = 1;", "Syntax error at line 2, character 3" + xxxxx},
        {"*p = 1;", "Syntax error at line 2, character 3" + xxxxx},
        {"++i;", "Syntax error at line 2, character 4" + xxxxx},
        {"--i;", "Syntax error at line 2, character 4" + xxxxx},
        {"::f();", "Syntax error at line 2, character 4" + xxxxx},
        {"~x;", "Syntax error at line 2, character 3" + xxxxx},
        {"!x;", "Syntax error at line 2, character 3" + xxxxx},
        {"-x;", "Syntax error at line 2, character 3" + xxxxx},
        {"else x = 1;", "Syntax error at line 2, character 6" + xxxxx},
        {"case 1: ;", "Syntax error at line 2, character 6" + xxxxx},
        {"default: ;", "Syntax error at line 2, character 9" + xxxxx},
        // The } ends its line: the reader already stands at the start of the next one.
        {"if (x) }", "Syntax error at line 3, character 1" + xxxxx},
        // The do statement leaves its ; as an empty statement between the body and else.
        {"if (c) do x--; while (x); else y = 0;", "Syntax error at line 2, character 32" + xxxxx},
    });
    EXPECT_EQ(tree("void f() {"), "Syntax error at line 1, character 12: XXXXX\n");
}

TEST(SyntaxErrors, MissingTokensInStatements) {
    expect_bodies({
        {"a = b, c = d;", mismatch("SEMICOLON", "COMMA", "line 2, character 8")},
        {"if (a, b) x = 1;", mismatch("RPAR", "COMMA", "line 2, character 8")},
        {"f(x) + 1;", mismatch("SEMICOLON", "PLUS", "line 2, character 8")},
        {"done: x = 1;", mismatch("SEMICOLON", "COLON", "line 2, character 7")},
        {"struct S { int i; };", mismatch("IDENT", "SEMICOLON", "line 3, character 1")},
        {"unsigned x;", mismatch("IDENT", "SEMICOLON", "line 3, character 1")},
        {"do x--; y = 1;", mismatch("WHILE", "IDENT", "line 2, character 11")},
        {"switch (k) x;", mismatch("BEGIN", "IDENT", "line 2, character 14")},
        {"s.1 = 2;", mismatch("IDENT", "NUMBER", "line 2, character 5")},
        {"switch (k) { case 1; }", mismatch("COLON", "SEMICOLON", "line 2, character 22")},
        {"int a, ;", mismatch("IDENT", "SEMICOLON", "line 3, character 1")},
        {"break }", mismatch("SEMICOLON", "END", "line 3, character 1")},
        {"return x", mismatch("SEMICOLON", "END", "line 3, character 3")},
        {"if x;", mismatch("LPAR", "IDENT", "line 2, character 6")},
        {"switch (k) { f(); }",
         "Syntax error at line 2, character 16: Expected CASE, DEFAULT, END\n"},
        {"g(a; b);", "Syntax error at line 2, character 6: Expected COMMA, RPAR\n"},
        {"Foo f(1)[2];",
         "Syntax error at line 2, character 11: Expected ASSIGNMENT, COMMA, SEMICOLON\n"},
        {"int m[2][3];", "Syntax error at line 2, character 11: " + call_initializer_message},
    });
}

TEST(SyntaxErrors, DeclarationsAndTheTranslationUnit) {
    const std::string unit_message =
        "Expected IDENT, TYPEDEF, CONST, UNSIGNED, STATIC, INLINE, CLASS, STRUCT, ENUM, EOI\n";
    const std::string prefix_message = "Expected ASTERISK, AND, IDENT, RPAR, COMMA, SEMICOLON\n";
    const std::string specifier_message =
        "Expected IDENT, ENUM, CONST, STATIC, INLINE, EXTERN, UNSIGNED, STRUCT, CLASS, "
        "SEMICOLON, COMMA, RPAR\n";
    const std::string tail_message = "Expected COMMA, SEMICOLON, LPAR, ASSIGNMENT\n";
    const std::string parameters_message =
        "Expected IDENT, CONST, UNSIGNED, EXTERN, STATIC, INLINE, RPAR\n";
    const std::string rest_message = "Expected BEGIN, SEMICOLON\n";
    const std::string body_message = "Expected BEGIN, IDENT, REF, ASTERISK\n";
    expect_trees({
        {"int 5;", "Syntax error at line 1, character 7: " + prefix_message},
        {"int 5\n;", "Syntax error at line 2, character 1: " + prefix_message},
        {";", "Syntax error at line 1, character 3: " + unit_message},
        {"}", "Syntax error at line 1, character 3: " + unit_message},
        {"int x", "Syntax error at line 1, character 7: " + tail_message},
        {"int x = 1);", "Syntax error at line 1, character 12: Expected COMMA, SEMICOLON\n"},
        {"void K::m() {}", "Syntax error at line 1, character 10: " + tail_message},
        {"long long x;", "Syntax error at line 1, character 13: " + tail_message},
        {"Obj o(1, 2);", "Syntax error at line 1, character 9: " + parameters_message},
        {"void f(5) {}", "Syntax error at line 1, character 10: " + parameters_message},
        {"int f(a) int a; { }", "Syntax error at line 1, character 14: " + rest_message},
        {"int f(int x)", "Syntax error at line 1, character 14: " + rest_message},
        {"struct S;", "Syntax error at line 1, character 11: " + body_message},
        {"class K : B {};", "Syntax error at line 1, character 11: " + body_message},
        {"struct *p;", "Syntax error at line 1, character 10: Expected IDENT, BEGIN\n"},
        {"unsigned *p;", "Syntax error at line 1, character 12: " + specifier_message},
        {"void f(int n, ...) {}", "Syntax error at line 1, character 17: " + specifier_message},
        {"int const x;", "Syntax error at line 1, character 11: " + prefix_message},
        {"char * const p;", "Syntax error at line 1, character 14: " + prefix_message},
        {"int (*fp)(int) = g;", "Syntax error at line 1, character 18: " + prefix_message},
        {"int (*,)(int);", "Syntax error at line 1, character 9: Expected IDENT, RPAR\n"},
        {"int (*fp)(int a = 1);", "Syntax error at line 1, character 19: Expected COMMA, RPAR\n"},
        {"int (*fp) x;", mismatch("LPAR", "IDENT", "line 1, character 13")},
        {"main() { }", mismatch("LPAR", "BEGIN", "line 1, character 10")},
        {"typedef int 5;",
         "Syntax error at line 1, character 15: Expected IDENT, AND, ASTERISK, SEMICOLON\n"},
        {"typedef int T, *PT;", mismatch("SEMICOLON", "COMMA", "line 1, character 16")},
        {"int ,x;", "Syntax error at line 1, character 7: Expected IDENT, SEMICOLON\n"},
        {"int a, ;", mismatch("IDENT", "SEMICOLON", "line 1, character 10")},
        {"int m[2][3];", "Syntax error at line 1, character 11: " + call_initializer_message},
        {"void f(int a = 5) {}", "Syntax error at line 1, character 16: Expected COMMA, RPAR\n"},
        {"int f(int a; int b) {}", "Syntax error at line 1, character 14: Expected COMMA, RPAR\n"},
        {"void f(int m[2][3]) {}",
         "Syntax error at line 1, character 18: " + call_initializer_message},
        {"void f(char[]) {}",
         "Syntax error at line 1, character 14: Expected AND, ASTERISK, IDENT, RPAR, COMMA\n"},
        {"void f(int *[]) {}", "Syntax error at line 1, character 15: " + prefix_message},
        {"void f(int *;) {}",
         "Syntax error at line 1, character 15: Expected IDENT, RPAR, COMMA\n"},
        {"int f(int a b) {}",
         "Syntax error at line 1, character 15: Expected COMMA, SEMICOLON, LBRACKET, ASSIGNMENT, "
         "LPAR, RPAR\n"},
    });
}

TEST(SyntaxErrors, InputEndingInsideAConstruct) {
    expect_trees({
        // An expression or a skipped body consumes EOI, and the scan after it fails.
        {"int x = (a;", "Lexical error at line 1, character 13: Unexpected EOI\n"},
        {"int x = 1", "Lexical error at line 1, character 11: Unexpected EOI\n"},
        {"void f() { x = (a; y = b;", "Lexical error at line 1, character 27: Unexpected EOI\n"},
        {"struct S { int a;", "Lexical error at line 1, character 19: Unexpected EOI\n"},
        {"int x; /* open", "Lexical error at line 1, character 16: Unexpected EOF\n"},
    });
}

// ---- The scope records --------------------------------------------------------------------------

TEST(ScopeRecords, ChildrenJoinTheirParentAndTheLastCanBeDiscarded) {
    Scope global(nullptr);
    EXPECT_EQ(global.parent, nullptr);
    EXPECT_EQ(testing::at(global.start), "-1:-1");
    Scope& f = Scope::open_function(global, String("f"), Position{2, 0});
    Scope& g = Scope::open_function(global, String("g"), Position{5, 1});
    Scope& block = Scope::open_child(g);
    block.add_variable(String("v"), Position{6, 4}, Position{6, 5});
    g.add_parameter(String("p"), Position{5, 7}, Position{5, 12});
    EXPECT_EQ(f.parent, &global);
    EXPECT_EQ(text_of(g.name), "g");
    EXPECT_EQ(testing::at(g.start), "5:1");
    EXPECT_EQ(testing::at(g.end), "-1:-1");
    EXPECT_FALSE(g.executed);
    ASSERT_EQ(global.children.size(), 2);
    EXPECT_EQ(global.children.at(1), &g);  // cursor now on the last child

    global.discard_last_child();
    ASSERT_EQ(global.children.size(), 1);
    EXPECT_EQ(global.children.at(0), &f);
    EXPECT_EQ(global.children.at(1), &f);  // out of range: the first
    Scope& h = Scope::open_function(global, String("h"), Position{9, 0});
    EXPECT_EQ(global.children.at(1), &h);
    EXPECT_EQ(render(global), "{f[2:0--1:-1]{} h[9:0--1:-1]{}}");
}

// ---- Deep input: every nesting parses without exhausting the stack ------------------------------

TEST(DeepInput, MillionLongElseIfChain) {
    constexpr int n = 1000000;
    std::string source = "void f() { ";
    source.reserve(16 * n);
    for (int i = 0; i < n; ++i) source += "if (a) ; else ";
    source += "; }";
    Parsed parsed = parse(source);
    ASSERT_FALSE(parsed.failed) << parsed.error;
    ASSERT_EQ(parsed.global->children.size(), 1);
    Scope& block = *parsed.global->children.at(0)->children.at(0);
    EXPECT_EQ(block.children.size(), 0);
    ASSERT_EQ(block.references.size(), n);
    EXPECT_EQ(text_of(*block.references.at(0)), "a");
    EXPECT_EQ(text_of(*block.references.at(n - 1)), "a");
    EXPECT_EQ(block.calls.size(), 0);
}

TEST(DeepInput, StructBodyNestedAMillionBracesDeep) {
    constexpr int n = 1000000;
    std::string source = "struct S " + std::string(n, '{') + std::string(n, '}') + " s;";
    EXPECT_EQ(tree(source), "{var s@0:" + std::to_string(2 * n + 10) + "-0:" +
                                std::to_string(2 * n + 11) + "}");
}

TEST(DeepInput, MillionNestedParenthesesInAnInitializer) {
    constexpr int n = 1000000;
    std::string source = "int x = " + std::string(n, '(') + "y" + std::string(n, ')') + ";";
    EXPECT_EQ(tree(source), "{var x@0:4-0:" + std::to_string(2 * n + 9) + " ref y}");
}

TEST(DeepInput, HundredThousandNestedBlocks) {
    constexpr int n = 100000;
    std::string source =
        "void f() " + std::string(n + 1, '{') + " int v; " + std::string(n + 1, '}');
    Parsed parsed = parse(source);
    ASSERT_FALSE(parsed.failed) << parsed.error;
    Scope& f = *parsed.global->children.at(0);
    EXPECT_EQ(testing::at(f.end), "0:" + std::to_string(source.size()));
    Scope* scope = f.children.at(0);  // the body
    int depth = 0;
    while (scope->children.size() == 1) {
        EXPECT_EQ(scope->variables.size(), 0);
        scope = scope->children.at(0);
        ++depth;
    }
    EXPECT_EQ(depth, n);
    EXPECT_EQ(scope->children.size(), 0);
    int column = 9 + n + 1 + 5;  // "void f() ", the braces, " int "
    EXPECT_EQ(render(*scope), "{var v@0:" + std::to_string(column) + "-0:" +
                                  std::to_string(column + 1) + "}");
}

}  // namespace
}  // namespace cullsrc
