// Marking from main with its warnings, the scope dump, the unused report and the blanking of
// unused ranges, and the whole pipeline on inputs too deep for any recursion.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "analysis/report.h"
#include "driver/cull.h"
#include "driver/sink.h"
#include "scope/scope.h"
#include "support/string_list.h"
#include "test_support.h"

namespace cullsrc {
namespace {

using testing::LineSink;
using testing::parse;
using testing::Parsed;
using testing::text_of;

// n copies of the byte written over unused ranges.
std::string fill_bytes(std::size_t n) { return std::string(n, FILL_BYTE); }

// The marking as text: each scope as its name, "+" when executed or "-" when not, and in
// braces its variables (name and "+" when used) and its children.
std::string marks(Scope& scope) {
    std::string out = text_of(scope.name) + (scope.executed ? "+" : "-") + "{";
    bool first = true;
    auto add = [&](const std::string& item) {
        if (!first) out += " ";
        out += item;
        first = false;
    };
    scope.variables.for_each([&](Variable* v) { add(text_of(v->name) + (v->used ? "+" : "-")); });
    scope.children.for_each([&](Scope* child) { add(marks(*child)); });
    return out + "}";
}

// Parses and marks as the pipeline does: the global scope is executed, then "main" is
// resolved from it.
struct Marked {
    Parsed parsed;
    std::string warnings;
};

Marked mark(std::string_view source) {
    Marked result{parse(source), {}};
    if (result.parsed.failed) return result;
    StringSink console(result.warnings);
    result.parsed.global->executed = true;
    result.parsed.global->resolve_function(String("main"), console);
    return result;
}

std::string warning(const char* kind, const char* name) {
    return std::string("warning: ") + kind + " " + name + " not declared\n";
}

// ---- Marking ------------------------------------------------------------------------------------

TEST(Marking, DepthFirstReferencesThenCallsThenChildren) {
    // main's own scope holds M (a parameter bound); its body references x and the function b,
    // calls a, an unknown name and c, and holds a nested block.
    Marked m = mark(
        "void a() { wa; }\n"
        "void b() { wb; }\n"
        "void c() { wc; c(); }\n"
        "int main(int n, int v[M]) { x; b; a(); nofn(); c(); { y; } }\n");
    ASSERT_FALSE(m.parsed.failed) << m.parsed.error;
    EXPECT_EQ(m.warnings, warning("variable", "M") + warning("variable", "x") +
                              warning("variable", "wb") + warning("variable", "wa") +
                              warning("function", "nofn") + warning("variable", "wc") +
                              warning("variable", "y"));
    EXPECT_EQ(marks(*m.parsed.global),
              "+{a+{+{}} b+{+{}} c+{+{}} main+{n- v- +{+{}}}}");
}

TEST(Marking, ResolutionOfNamesAndTheirWarnings) {
    struct Case {
        const char* what;
        const char* source;
        std::string warnings;
        const char* marks;
    };
    const Case cases[] = {
        {"no main", "void f() { }", warning("function", "main"), "+{f-{-{}}}"},
        {"main only as a variable", "int main = 0;", warning("function", "main"), "+{main-}"},
        {"the global scope's own names are never resolved",
         "int x = y + f() + g;\nint f() { return 0; }\nint g() { return 0; }\nint main() { }", "",
         "+{x- f-{-{}} g-{-{}} main+{+{}}}"},
        {"every use of an unknown name warns",
         "int main() { h; h(); h; }",
         warning("variable", "h") + warning("variable", "h") + warning("function", "h"),
         "+{main+{+{}}}"},
        {"a library function warns once per call",
         "int main() { printf(a); printf(a); }",
         warning("variable", "a") + warning("variable", "a") + warning("function", "printf") +
             warning("function", "printf"),
         "+{main+{+{}}}"},
        {"a function reached twice is marked once",
         "void h() { zz; }\nint main() { h(); h(); { h(); } }", warning("variable", "zz"),
         "+{h+{+{}} main+{+{+{}}}}"},
        {"a name used in two executed scopes warns for each",
         "void h() { zz; }\nint main() { zz; h(); }",
         warning("variable", "zz") + warning("variable", "zz"), "+{h+{+{}} main+{+{}}}"},
        {"recursion", "void r() { r(); }\nint main() { r(); }", "", "+{r+{+{}} main+{+{}}}"},
        {"mutual recursion", "void a() { b(); }\nvoid b() { a(); }\nint main() { a(); }", "",
         "+{a+{+{}} b+{+{}} main+{+{}}}"},
        {"only the first of two definitions is called",
         "void f() { a; }\nvoid f() { b; }\nint main() { f(); }", warning("variable", "a"),
         "+{f+{+{}} f-{-{}} main+{+{}}}"},
        {"only the first of two definitions is named",
         "void f() { a; }\nvoid f() { b; }\nint main() { f; }", warning("variable", "a"),
         "+{f+{+{}} f-{-{}} main+{+{}}}"},
        {"only the first of two variables is used", "extern int x;\nint x = 1;\nint main() { x; }",
         "", "+{x+ x- main+{+{}}}"},
        {"only the first of two variables among many is used",
         "int v0, v1, v2, v3, v4, v5, v6, v7, v8, dup;\nint dup;\nint main() { dup; v8; }", "",
         "+{v0- v1- v2- v3- v4- v5- v6- v7- v8+ dup+ dup- main+{+{}}}"},
        {"a reference binds the innermost variable",
         "int v;\nint main(int v) { int v; { v; } }", "", "+{v- main+{v- +{v+ +{}}}}"},
        {"a parameter hides a global", "int v;\nint main(int v) { v; }", "",
         "+{v- main+{v+ +{}}}"},
        {"a sibling block's variable is out of reach",
         "int main() { { int s; } { s; } }", warning("variable", "s"),
         "+{main+{+{+{s-} +{}}}}"},
        {"a use before the declaration still binds", "int main() { v = 1; int v; }", "",
         "+{main+{+{v+}}}"},
        {"a function that never runs marks nothing", "int g;\nvoid f() { g; }\nint main() { }",
         "", "+{g- f-{-{}} main+{+{}}}"},
        // A function named without a call is used (a callback); a call through a variable
        // uses that variable.
        {"a function passed by name",
         "int cmp(int a, int b) { return a - b; }\nint main() { qsort(v, n, 4, cmp); }",
         warning("variable", "v") + warning("variable", "n") + warning("function", "qsort"),
         "+{cmp+{a+ b+ +{}} main+{+{}}}"},
        {"a function stored in a local and called through it",
         "typedef int (*FP)(int);\nint g(int x) { return x; }\nint main() { FP fp = g; fp(1); }",
         "", "+{g+{x+ +{}} main+{+{fp+}}}"},
        {"a call through a parameter",
         "typedef int (*FP)(int);\nvoid run(FP cb) { cb(1); }\nint main() { run(0); }", "",
         "+{run+{cb+ +{}} main+{+{}}}"},
        {"a call through a global from a nested block",
         "typedef void (*H)();\nH handler;\nint main() { { handler(); } }", "",
         "+{handler+ main+{+{+{}}}}"},
        {"a function named only by itself", "void a() { a; }\nint main() { a; }", "",
         "+{a+{+{}} main+{+{}}}"},
        // The innermost declaration of the name's own kind wins.
        {"a local variable takes the reference from a function",
         "int g() { return 0; }\nint main() { int g = 1; x = g; }", warning("variable", "x"),
         "+{g-{-{}} main+{+{g+}}}"},
        {"a global variable takes the reference from a function",
         "int h;\nvoid h() { }\nint main() { h; }", "", "+{h+ h-{-{}} main+{+{}}}"},
        {"a function takes the call from a local variable",
         "int g() { return 0; }\nint main() { int g = 1; g(); }", "",
         "+{g+{+{}} main+{+{g-}}}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Marked m = mark(c.source);
        ASSERT_FALSE(m.parsed.failed) << m.parsed.error;
        EXPECT_EQ(m.warnings, c.warnings);
        EXPECT_EQ(marks(*m.parsed.global), c.marks);
    }
}

TEST(Marking, OperationsOnAScopeBuiltByHand) {
    std::string console;
    StringSink sink(console);
    Scope global(nullptr);
    global.add_variable(String("g"), Position{0, 4}, Position{0, 5});
    Scope& f = Scope::open_function(global, String("f"), Position{1, 0});
    Scope& body = Scope::open_child(f);
    body.add_variable(String("g"), Position{2, 4}, Position{2, 5});
    Scope& inner = Scope::open_child(body);

    inner.resolve_variable(String("g"), sink);  // climbs to the body's g, not the global
    EXPECT_TRUE(body.variables.at(0)->used);
    EXPECT_FALSE(global.variables.at(0)->used);
    inner.resolve_variable(String("nothing"), sink);
    EXPECT_EQ(console, warning("variable", "nothing"));

    console.clear();
    inner.resolve_function(String("f"), sink);  // settled among the global scope's children
    EXPECT_TRUE(f.executed);
    EXPECT_TRUE(body.executed);
    EXPECT_TRUE(inner.executed);
    EXPECT_FALSE(global.executed);
    inner.resolve_function(String("F"), sink);  // case matters
    EXPECT_EQ(console, warning("function", "F"));

    // Marking a scope directly resolves its own names; a second time it does nothing.
    console.clear();
    Scope& g = Scope::open_function(global, String("g"), Position{4, 0});
    g.add_reference(String("g"));  // the global variable, not the function of that name
    g.add_reference(String("unknown"));
    g.add_call(String("f"));
    g.mark_executed(sink);
    EXPECT_TRUE(g.executed);
    EXPECT_TRUE(global.variables.at(0)->used);
    EXPECT_EQ(console, warning("variable", "unknown"));
    g.mark_executed(sink);
    EXPECT_EQ(console, warning("variable", "unknown"));
}

// ---- Dump ---------------------------------------------------------------------------------------

const char* const dump_example =
    "CONTEXT  EXECUTED {\n"
    "  VARIABLES: g-USED h-UNUSED \n"
    "  REFERENCES: \n"
    "  CALLS: \n"
    "  CONTEXT f NOT EXECUTED {\n"
    "    VARIABLES: \n"
    "    REFERENCES: \n"
    "    CALLS: \n"
    "    CONTEXT  NOT EXECUTED {\n"
    "      VARIABLES: \n"
    "      REFERENCES: h \n"
    "      CALLS: p \n"
    "    }\n"
    "  }\n"
    "  CONTEXT main EXECUTED {\n"
    "    VARIABLES: \n"
    "    REFERENCES: \n"
    "    CALLS: \n"
    "    CONTEXT  EXECUTED {\n"
    "      VARIABLES: i-UNUSED \n"
    "      REFERENCES: g \n"
    "      CALLS: \n"
    "    }\n"
    "  }\n"
    "}\n";

TEST(Dump, TheExampleTree) {
    Scope global(nullptr);
    global.add_variable(String("g"), Position{0, 4}, Position{0, 7});
    global.add_variable(String("h"), Position{0, 5}, Position{0, 8});
    Scope& f = Scope::open_function(global, String("f"), Position{1, 0});
    Scope& f_body = Scope::open_child(f);
    f_body.add_reference(String("h"));
    f_body.add_call(String("p"));
    Scope& main = Scope::open_function(global, String("main"), Position{2, 0});
    Scope& main_body = Scope::open_child(main);
    main_body.add_variable(String("i"), Position{2, 17}, Position{2, 18});
    main_body.add_reference(String("g"));
    global.executed = main.executed = main_body.executed = true;
    global.variables.at(0)->used = true;

    std::string console;
    StringSink sink(console);
    global.dump(String(), sink);
    EXPECT_EQ(console, dump_example);

    // A prefix indents every line of the scope it is given.
    console.clear();
    main_body.dump(String("    "), sink);
    EXPECT_EQ(console,
              "    CONTEXT  EXECUTED {\n"
              "      VARIABLES: i-UNUSED \n"
              "      REFERENCES: g \n"
              "      CALLS: \n"
              "    }\n");

    // Names are listed as recorded, repetitions included; a parameter shows its flag only.
    Scope leaf(nullptr);
    leaf.add_parameter(String("arg"), Position{0, 0}, Position{0, 1});
    for (int i = 0; i < 3; ++i) leaf.add_reference(String("n"));
    leaf.add_call(String("k"));
    leaf.add_call(String("k"));
    console.clear();
    leaf.dump(String(), sink);
    EXPECT_EQ(console,
              "CONTEXT  NOT EXECUTED {\n"
              "  VARIABLES: arg-UNUSED \n"
              "  REFERENCES: n n n \n"
              "  CALLS: k k \n"
              "}\n");
}

TEST(Dump, FiveThousandLevelsDeep) {
    // A chain of scopes: at depth d, executed unless d is a multiple of 3, one variable used
    // when d is even, one reference; every line is derived from d alone.
    constexpr int depth = 5000;
    Scope global(nullptr);
    Scope* scope = &global;
    for (int d = 0; d < depth; ++d) {
        if (d > 0) scope = &Scope::open_child(*scope);
        scope->executed = d % 3 != 0;
        scope->add_variable(String("v"), Position{0, 0}, Position{0, 1});
        scope->variables.at(0)->used = d % 2 == 0;
        scope->add_reference(String("r"));
    }
    global.executed = true;

    auto expected_line = [&](long index) {
        if (index < 4L * depth) {
            int d = static_cast<int>(index / 4);
            std::string prefix(static_cast<std::size_t>(2 * d), ' ');
            switch (index % 4) {
            case 0:
                return prefix + "CONTEXT  " + (d == 0 || d % 3 != 0 ? "EXECUTED" : "NOT EXECUTED") +
                       " {";
            case 1:
                return prefix + "  VARIABLES: v-" + (d % 2 == 0 ? "USED " : "UNUSED ");
            case 2:
                return prefix + "  REFERENCES: r ";
            default:
                return prefix + "  CALLS: ";
            }
        }
        int d = depth - 1 - static_cast<int>(index - 4L * depth);
        return std::string(static_cast<std::size_t>(2 * d), ' ') + "}";
    };
    long index = 0;
    long mismatches = 0;
    LineSink sink([&](std::string_view line) {
        if (line != expected_line(index) && ++mismatches <= 3) {
            ADD_FAILURE() << "line " << index << ": \"" << line << "\"";
        }
        ++index;
    });
    global.dump(String(), sink);
    EXPECT_EQ(index, 5L * depth);
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(sink.pending(), "");
}

// ---- Report and blanking ------------------------------------------------------------------------

void load(StringList& lines, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) lines.push(String(std::string_view(text)));
}

std::vector<std::string> texts_of(StringList& lines) {
    std::vector<std::string> texts;
    lines.for_each([&](const String& line) { texts.push_back(text_of(line)); });
    return texts;
}

TEST(Report, BlanksExactlyTheRangeAndSkipsRefusedParts) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        Position start;
        Position end;
        std::vector<std::string> blanked;
    };
    const std::string F = fill_bytes(1);
    const std::vector<Case> cases = {
        {"one line", {"int abc = 1;"}, {0, 4}, {0, 11}, {"int " + fill_bytes(7) + ";"}},
        {"end column 0 leaves the end line; an empty middle line stays empty",
         {"int main() {}", "", "// x", "void f()", "{", "", "}", "int y;"},
         {3, 0},
         {7, 0},
         {"int main() {}", "", "// x", fill_bytes(8), F, "", F, "int y;"}},
        {"middle and end lines",
         {"ab", "cdef", "ghi"},
         {0, 1},
         {2, 2},
         {"a" + F, fill_bytes(4), F + F + "i"}},
        {"an empty single-line range", {"abcdef"}, {0, 5}, {0, 5}, {"abcdef"}},
        {"a reversed single-line range", {"abcdef"}, {0, 6}, {0, 2}, {"abcdef"}},
        {"start at the end of its line",
         {"abc", "defg", "hi"},
         {0, 3},
         {2, 1},
         {"abc", fill_bytes(4), F + "i"}},
        {"start past the end of its line", {"abc", "de"}, {0, 9}, {1, 1}, {"abc", F + "e"}},
        {"end past the end of its line: no clamping",
         {"abcd", "ef"},
         {0, 2},
         {1, 5},
         {"ab" + F + F, "ef"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StringList lines;
        load(lines, c.lines);
        Scope global(nullptr);
        global.executed = true;
        global.add_variable(String("v"), c.start, c.end);
        std::string console;
        StringSink sink(console);
        global.report_unused(lines, sink);
        EXPECT_EQ(console, "unused variable: v from (" + std::to_string(c.start.line) + "," +
                               std::to_string(c.start.column) + ") to (" +
                               std::to_string(c.end.line) + "," + std::to_string(c.end.column) +
                               ")\n");
        EXPECT_EQ(texts_of(lines), c.blanked);
    }
}

TEST(Report, WhatIsReportedAndInWhichOrder) {
    // Each declaration on a line of its own, so that what was blanked shows which was reported.
    StringList lines;
        load(lines, {"g1", "g2", "dead", "p", "d", "argc", "i", "j", "k", "z", "late"});
    auto on = [](int line) { return std::pair{Position{line, 0}, Position{line, 1}}; };
    Scope global(nullptr);
    global.executed = true;
    global.add_variable(String("g1"), on(0).first, on(0).second);
    global.add_variable(String("g2"), on(1).first, on(1).second);
    global.variables.at(0)->used = true;

    Scope& dead = Scope::open_function(global, String("dead"), Position{2, 0});
    dead.set_end(Position{2, 2});
    dead.add_parameter(String("p"), on(3).first, on(3).second);
    Scope& dead_body = Scope::open_child(dead);
    dead_body.add_variable(String("d"), on(4).first, on(4).second);

    Scope& main = Scope::open_function(global, String("main"), Position{5, 0});
    main.set_end(Position{5, 0});  // an empty range: reported only if main were unused
    main.executed = true;
    main.add_parameter(String("argc"), on(5).first, on(5).second);
    Scope& body = Scope::open_child(main);
    body.executed = true;
    body.add_variable(String("i"), on(6).first, on(6).second);
    body.add_variable(String("j"), on(7).first, on(7).second);
    body.variables.at(1)->used = true;
    Scope& nested = Scope::open_child(body);
    nested.executed = true;
    nested.add_variable(String("k"), on(8).first, on(8).second);
    Scope& unreached = Scope::open_child(body);
    unreached.add_variable(String("z"), on(9).first, on(9).second);

    Scope& late = Scope::open_function(global, String("late"), Position{10, 0});
    late.set_end(Position{10, 4});

    std::string console;
    StringSink sink(console);
    global.report_unused(lines, sink);
    EXPECT_EQ(console,
              "unused variable: g2 from (1,0) to (1,1)\n"
              "unused function: dead from (2,0) to (2,2)\n"
              "unused variable: i from (6,0) to (6,1)\n"
              "unused variable: k from (8,0) to (8,1)\n"
              "unused function: late from (10,0) to (10,4)\n");
    const std::string F = fill_bytes(1);
    EXPECT_EQ(texts_of(lines), (std::vector<std::string>{"g1", F + "2", fill_bytes(2) + "ad", "p",
                                                         "d", "argc", F, "j", F, "z",
                                                         fill_bytes(4)}));
}

TEST(Report, NothingUnusedPrintsNothing) {
    StringList lines;
        load(lines, {"int x;"});
    Scope global(nullptr);
    global.executed = true;
    global.add_variable(String("x"), Position{0, 4}, Position{0, 5});
    global.variables.at(0)->used = true;
    std::string console;
    StringSink sink(console);
    global.report_unused(lines, sink);
    EXPECT_EQ(console, "");
    EXPECT_EQ(texts_of(lines), std::vector<std::string>{"int x;"});
}

// ---- The whole pipeline -------------------------------------------------------------------------

TEST(Pipeline, TheDumpExampleFromSource) {
    std::string console;
    std::string output;
    int status = cull("int g, h;\nvoid f() { h; p(); }\nint main() { int i; g; }", console, output);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(console, std::string(dump_example) +
                           "unused variable: h from (0,5) to (0,8)\n"
                           "unused function: f from (1,0) to (2,0)\n"
                           "unused variable: i from (2,17) to (2,18)\n");
    EXPECT_EQ(output, "int g" + fill_bytes(3) + ";\n" + fill_bytes(20) + "\nint main() { int " +
                          fill_bytes(1) + "; g; }\n");
}

TEST(Pipeline, EmptyInputAndErrors) {
    std::string console;
    std::string output;
    EXPECT_EQ(cull("", console, output), 0);
    EXPECT_EQ(console, warning("function", "main") +
                           "CONTEXT  EXECUTED {\n  VARIABLES: \n  REFERENCES: \n  CALLS: \n}\n");
    EXPECT_EQ(output, "\n");

    console.clear();
    output.clear();
    EXPECT_EQ(cull("int f();\nint main() { 1; }\n", console, output), 1);
    EXPECT_EQ(console,
              "ANULOVAT FUNKCI, JEN FORWARD\nSyntax error at line 2, character 16: XXXXX\n");
    EXPECT_EQ(output, "");
}

// f0 calls f1, ..., the last calls f0 again: a chain from main that is also one long cycle.
std::string call_cycle(int n) {
    std::string source;
    source.reserve(static_cast<std::size_t>(n) * 32);
    for (int i = 0; i < n; ++i) {
        source.append("void f").append(std::to_string(i)).append("() { f");
        source.append(std::to_string((i + 1) % n)).append("(); }\n");
    }
    source += "int main() { f0(); }\n";
    return source;
}

TEST(DeepAnalysis, MillionFunctionCallChain) {
    constexpr int n = 1000000;
    std::string source = call_cycle(n);
    std::string console;
    std::string output;
    ASSERT_EQ(cull(source, console, output), 0);
    EXPECT_EQ(console.find("warning:"), std::string::npos);
    EXPECT_EQ(console.find("unused "), std::string::npos);
    EXPECT_EQ(console.find("NOT EXECUTED"), std::string::npos);
    // Only the dump: the global scope and, for each function, its scope and its body, 5 lines
    // each.
    EXPECT_EQ(std::count(console.begin(), console.end(), '\n'), 5L * (1 + 2 * (n + 1)));
    EXPECT_EQ(output, source + "\n");
}

TEST(DeepAnalysis, HundredThousandNestedBlocksMarkedAndReported) {
    constexpr int n = 100000;
    std::string source =
        "int main() " + std::string(n + 1, '{') + " int v; int w; w; " + std::string(n + 1, '}');
    Parsed parsed = parse(source);
    ASSERT_FALSE(parsed.failed) << parsed.error;
    std::string console;
    StringSink sink(console);
    Scope& global = *parsed.global;
    global.executed = true;
    global.resolve_function(String("main"), sink);

    int executed_blocks = 0;
    for (Scope* scope = global.children.at(0)->children.at(0); scope != nullptr;
         scope = scope->children.size() > 0 ? scope->children.at(0) : nullptr) {
        if (scope->executed) ++executed_blocks;
    }
    EXPECT_EQ(executed_blocks, n + 1);

    int v = 11 + n + 1 + 5;  // "int main() ", the braces, " int "
    StringList lines;
        load(lines, {source});
    global.report_unused(lines, sink);
    EXPECT_EQ(console, "unused variable: v from (0," + std::to_string(v) + ") to (0," +
                           std::to_string(v + 1) + ")\n");
    std::string blanked = source;
    blanked[static_cast<std::size_t>(v)] = FILL_BYTE;
    EXPECT_EQ(texts_of(lines), std::vector<std::string>{blanked});
}

}  // namespace
}  // namespace cullsrc
