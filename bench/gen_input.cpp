// cullsrc_gen: writes inputs for the benchmarks and the giant tests.
//
//   cullsrc_gen realistic BYTES [--seed S] [--input PATH]
//   cullsrc_gen SHAPE N [--input PATH] [--stdout PATH] [--output PATH]
//
// "realistic" writes a program of about BYTES bytes in the accepted language
// (many functions, some never reached from main, globals, locals, nested
// blocks, every statement form, comments, directives, long and short lines).
// The other modes write one regular, very large or very deep shape; for those
// the tool's exact standard output and output file are known in advance, and
// --stdout / --output write them (a path may be a FIFO, so that a 50 GB dump
// can be compared as a stream). Without any path option the input goes to
// standard output.
//
// Shapes (N is the count or depth; BYTES for longline):
//   decls N        N external declarations
//   declarators N  one global declaration with N declarators
//   statements N   N statements in one block
//   elseif N       an else-if chain of N ifs
//   callchain N    main -> f0 -> f1 -> ... -> fN-1
//   parens N       N nested parentheses in a global and in a local initializer
//   struct N       a global and a local struct body nested N braces deep
//   blocks N       N nested blocks inside main
//   longline BYTES everything on one line of at least BYTES bytes, no line end

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "realistic.h"

namespace {

using cullsrc_bench::num;
using cullsrc_bench::Realistic;

constexpr char FILL = '\xFE';

// Buffered writer over a FILE*; large writes keep FIFOs and pipes busy.
class Sink {
public:
    explicit Sink(const std::string& path) {
        if (path == "-") {
            file_ = stdout;
        } else {
            file_ = std::fopen(path.c_str(), "wb");
            owned_ = true;
        }
        if (!file_) {
            std::perror(path.c_str());
            std::exit(2);
        }
        buffer_.reserve(kFlushAt + 4096);
    }
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;
    ~Sink() {
        flush();
        if (owned_)
            std::fclose(file_);
        else
            std::fflush(file_);
    }

    Sink& operator<<(std::string_view s) {
        if (s.size() >= kFlushAt) {
            flush();
            put(s.data(), s.size());
        } else {
            buffer_.append(s);
            if (buffer_.size() >= kFlushAt) flush();
        }
        return *this;
    }
    Sink& operator<<(char c) {
        buffer_.push_back(c);
        if (buffer_.size() >= kFlushAt) flush();
        return *this;
    }
    Sink& operator<<(long long v) { return *this << std::to_string(v); }
    Sink& operator<<(long v) { return *this << static_cast<long long>(v); }
    Sink& operator<<(int v) { return *this << static_cast<long long>(v); }

    // n copies of byte c, without building them in memory.
    void repeat(char c, long long n) {
        static const std::string chunk(1 << 16, ' ');
        if (c == ' ') {
            while (n > 0) {
                long long take = n < static_cast<long long>(chunk.size())
                                     ? n
                                     : static_cast<long long>(chunk.size());
                *this << std::string_view(chunk.data(), static_cast<size_t>(take));
                n -= take;
            }
        } else {
            while (n-- > 0) *this << c;
        }
    }

    void flush() {
        if (!buffer_.empty()) put(buffer_.data(), buffer_.size());
        buffer_.clear();
    }

private:
    void put(const char* p, size_t n) {
        if (std::fwrite(p, 1, n, file_) != n) {
            // The reader of a FIFO may stop early (the comparison found a
            // difference); that is not this program's failure to report.
            std::exit(3);
        }
    }

    static constexpr size_t kFlushAt = 1 << 20;
    FILE* file_ = nullptr;
    bool owned_ = false;
    std::string buffer_;
};

std::string name(const char* prefix, long long k) {
    std::string s(prefix);
    s += num(k);
    return s;
}

// ---------------------------------------------------------------------------
// Expected results of the regular shapes.

struct Pos {
    long long line;
    long long col;
};

// The kept lines of an input: the text between line ends, plus the text after
// the last line end (empty when the input ends with one).
struct Source {
    std::vector<std::string> lines;
    Sink* input = nullptr;

    // Called by each shape once its lines are complete and before any blanking.
    void built() const {
        if (input) write_input(*input);
    }

    void add(std::string line) { lines.push_back(std::move(line)); }
    size_t next_line() const { return lines.size(); }

    void write_input(Sink& s) const {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (i) s << '\n';
            s << lines[i];
        }
    }
    // The output file holds every kept line followed by one line end.
    void write_output(Sink& s) const {
        for (const auto& l : lines) s << l << '\n';
    }

    // Overwrite [from, to) of one line, refused unless 0 <= from < to <= length.
    void fill(long long line, long long from, long long to) {
        std::string& l = lines.at(static_cast<size_t>(line));
        if (from < 0 || from >= to || to > static_cast<long long>(l.size())) return;
        std::memset(l.data() + from, FILL, static_cast<size_t>(to - from));
    }
    void blank(Pos start, Pos end) {
        if (start.line == end.line) {
            fill(start.line, start.col, end.col);
            return;
        }
        fill(start.line, start.col,
             static_cast<long long>(lines.at(static_cast<size_t>(start.line)).size()));
        for (long long i = start.line + 1; i < end.line; ++i)
            fill(i, 0, static_cast<long long>(lines.at(static_cast<size_t>(i)).size()));
        fill(end.line, 0, end.col);
    }
};

void report_variable(Sink& s, std::string_view n, Pos a, Pos b) {
    s << "unused variable: " << n << " from (" << a.line << ',' << a.col << ") to (" << b.line
      << ',' << b.col << ")\n";
}
void report_function(Sink& s, std::string_view n, Pos a, Pos b) {
    s << "unused function: " << n << " from (" << a.line << ',' << a.col << ") to (" << b.line
      << ',' << b.col << ")\n";
}

// The scope-tree dump, written piece by piece so that lists of a million
// entries are never held in memory.
class Dump {
public:
    explicit Dump(Sink& s) : s_(s) {}

    void open(int level, std::string_view scope_name, bool executed) {
        indent(level);
        s_ << "CONTEXT " << scope_name << (executed ? " EXECUTED {\n" : " NOT EXECUTED {\n");
        level_ = level;
    }
    // A list line: begin, any number of items, end.
    void begin(std::string_view label) {
        indent(level_);
        s_ << "  " << label << ": ";
    }
    void variable(std::string_view n, bool used) { s_ << n << (used ? "-USED " : "-UNUSED "); }
    void item(std::string_view n) { s_ << n << ' '; }
    void end() { s_ << '\n'; }
    void empty(std::string_view label) {
        begin(label);
        end();
    }
    // The three list lines of a scope whose lists are all empty.
    void empty_lists() {
        empty("VARIABLES");
        empty("REFERENCES");
        empty("CALLS");
    }
    void close(int level) {
        indent(level);
        s_ << "}\n";
        level_ = level - 1;
    }
    // A scope with the given one-line lists and no children.
    void leaf(int level, std::string_view scope_name, bool executed,
              const std::vector<std::pair<std::string, bool>>& vars,
              const std::vector<std::string>& refs, const std::vector<std::string>& calls) {
        open(level, scope_name, executed);
        begin("VARIABLES");
        for (auto& v : vars) variable(v.first, v.second);
        end();
        begin("REFERENCES");
        for (auto& r : refs) item(r);
        end();
        begin("CALLS");
        for (auto& c : calls) item(c);
        end();
        close(level);
    }

private:
    void indent(int level) { s_.repeat(' ', 2LL * level); }
    Sink& s_;
    int level_ = 0;
};

struct Outputs {
    Sink* input = nullptr;
    Sink* out = nullptr;   // expected standard output
    Sink* file = nullptr;  // expected output file
};

// A shape fills `src` with its lines and, when asked, writes its standard
// output; the output file is `src` after the blanking the report announces.
// Each shape blanks exactly the ranges it reports.

// decls: N external declarations, line k for k < N-1: even k `int gK;`, odd k
// `int fK() { return gK-1; }`; declaration N-1 is main, which calls fK for
// k % 4 == 1. So gJ is used for J % 4 == 0 and fK is dead for k % 4 == 3.
void shape_decls(long long n, Source& src, Sink* out) {
    if (n < 2) n = 2;
    auto called = [](long long k) { return k % 4 == 1; };
    for (long long k = 0; k + 1 < n; ++k) {
        if (k % 2 == 0)
            src.add("int " + name("g", k) + ";");
        else
            src.add("int " + name("f", k) + "() { return " + name("g", k - 1) + "; }");
    }
    src.add("int main() {");
    for (long long k = 1; k + 1 < n; k += 2)
        if (called(k)) src.add("  " + name("f", k) + "();");
    src.add("  return 0;");
    src.add("}");
    src.add("");
    src.built();

    auto g_used = [&](long long j) { return j + 1 < n - 1 && called(j + 1); };
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        for (long long k = 0; k + 1 < n; k += 2) d.variable(name("g", k), g_used(k));
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        for (long long k = 1; k + 1 < n; k += 2) {
            d.open(1, name("f", k), called(k));
            d.empty_lists();
            d.leaf(2, "", called(k), {}, {name("g", k - 1)}, {});
            d.close(1);
        }
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.empty("VARIABLES");
        d.empty("REFERENCES");
        d.begin("CALLS");
        for (long long k = 1; k + 1 < n; k += 2)
            if (called(k)) d.item(name("f", k));
        d.end();
        d.close(2);
        d.close(1);
        d.close(0);
    }
    // Report: unused globals, then the dead functions in source order.
    for (long long k = 0; k + 1 < n; k += 2) {
        if (g_used(k)) continue;
        std::string g = name("g", k);
        Pos a{k, 4}, b{k, 4 + static_cast<long long>(g.size())};
        if (out) report_variable(*out, g, a, b);
        src.blank(a, b);
    }
    for (long long k = 1; k + 1 < n; k += 2) {
        if (called(k)) continue;
        Pos a{k, 0}, b{k + 1, 0};
        if (out) report_function(*out, name("f", k), a, b);
        src.blank(a, b);
    }
}

// declarators: `int a0 = 0,` then one declarator a line, `aK = K` for even K
// and `aK` for odd K, the last ending in `;`. main writes `aK++;` for
// K % 3 == 0, which records aK as a reference.
void shape_declarators(long long n, Source& src, Sink* out) {
    if (n < 2) n = 2;
    auto decl = [](long long k) {
        return k % 2 == 0 ? name("a", k) + " = " + num(k) : name("a", k);
    };
    auto used = [](long long k) { return k % 3 == 0; };
    src.add("int " + decl(0) + ",");
    for (long long k = 1; k < n; ++k) src.add("    " + decl(k) + (k + 1 < n ? "," : ";"));
    src.add("int main() {");
    for (long long k = 0; k < n; k += 3) src.add("  " + name("a", k) + "++;");
    src.add("  return 0;");
    src.add("}");
    src.add("");
    src.built();

    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        for (long long k = 0; k < n; ++k) d.variable(name("a", k), used(k));
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.empty("VARIABLES");
        d.begin("REFERENCES");
        for (long long k = 0; k < n; k += 3) d.item(name("a", k));
        d.end();
        d.empty("CALLS");
        d.close(2);
        d.close(1);
        d.close(0);
    }
    // Ranges: the first declarator runs from its name to the first token after
    // its comma; a later one from the comma before it to the comma or semicolon
    // after it. The comma or semicolon ends line k.
    auto last_col = [&](long long k) {
        return static_cast<long long>(src.lines[static_cast<size_t>(k)].size()) - 1;
    };
    for (long long k = 0; k < n; ++k) {
        if (used(k)) continue;
        Pos a = k == 0 ? Pos{0, 4} : Pos{k - 1, last_col(k - 1)};
        Pos b = k == 0 ? Pos{1, 4} : Pos{k, last_col(k)};
        if (out) report_variable(*out, name("a", k), a, b);
        src.blank(a, b);
    }
}

// statements: main's body holds N statements, statement i on line 2 + i:
// i%4==0 `int vI = I;`, 1 `vI-1 += 1;`, 2 `f(vI-2);`, 3 `int wI;`.
void shape_statements(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    src.add("int f(int a) { return a; }");
    src.add("int main() {");
    for (long long i = 0; i < n; ++i) {
        switch (i % 4) {
            case 0:
                src.add("  int " + name("v", i) + " = " + num(i) + ";");
                break;
            case 1:
                src.add("  " + name("v", i - 1) + " += 1;");
                break;
            case 2:
                src.add("  f(" + name("v", i - 2) + ");");
                break;
            default:
                src.add("  int " + name("w", i) + ";");
                break;
        }
    }
    src.add("  return 0;");
    src.add("}");
    src.add("");
    src.built();

    bool calls_f = n > 2;
    auto v_used = [&](long long i) { return i + 1 < n; };
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.empty_lists();
        d.open(1, "f", calls_f);
        d.begin("VARIABLES");
        d.variable("a", calls_f);
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.leaf(2, "", calls_f, {}, {"a"}, {});
        d.close(1);
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.begin("VARIABLES");
        for (long long i = 0; i < n; ++i) {
            if (i % 4 == 0) d.variable(name("v", i), v_used(i));
            if (i % 4 == 3) d.variable(name("w", i), false);
        }
        d.end();
        d.begin("REFERENCES");
        for (long long i = 0; i < n; ++i) {
            if (i % 4 == 1) d.item(name("v", i - 1));
            if (i % 4 == 2) d.item(name("v", i - 2));
        }
        d.end();
        d.begin("CALLS");
        for (long long i = 2; i < n; i += 4) d.item("f");
        d.end();
        d.close(2);
        d.close(1);
        d.close(0);
    }
    if (!calls_f) {
        Pos a{0, 0}, b{1, 0};
        if (out) report_function(*out, "f", a, b);
        src.blank(a, b);
    }
    for (long long i = 0; i < n; ++i) {
        if (i % 4 == 1 || i % 4 == 2 || (i % 4 == 0 && v_used(i))) continue;
        long long line = 2 + i;
        Pos a{line, 6},
            b{line, static_cast<long long>(src.lines[static_cast<size_t>(line)].size()) - 1};
        if (out) report_variable(*out, i % 4 == 0 ? name("v", i) : name("w", i), a, b);
        src.blank(a, b);
    }
}

// elseif: `if (y == 0) x = 0;` followed by N-1 `else if (y == K) x = K;` and a
// final `else x = y;`, with an unused local z.
void shape_elseif(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    src.add("int main() {");
    src.add("  int x = 0;");
    src.add("  int y = 0;");
    src.add("  int z;");
    src.add("  if (y == 0) x = 0;");
    for (long long k = 1; k < n; ++k)
        src.add("  else if (y == " + num(k) + ") x = " + num(k) + ";");
    src.add("  else x = y;");
    src.add("  return x;");
    src.add("}");
    src.add("");
    src.built();
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.empty_lists();
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.begin("VARIABLES");
        d.variable("x", true);
        d.variable("y", true);
        d.variable("z", false);
        d.end();
        d.begin("REFERENCES");
        for (long long k = 0; k < n; ++k) *out << "y x ";
        d.item("x");
        d.item("y");
        d.item("x");
        d.end();
        d.empty("CALLS");
        d.close(2);
        d.close(1);
        d.close(0);
    }
    Pos a{3, 6}, b{3, 7};
    if (out) report_variable(*out, "z", a, b);
    src.blank(a, b);
}

// callchain: fK calls fK+1 directly for even K and passes fK+1 by name to
// apply for odd K (a function used as a value counts as a use); the last
// reads the global g. A dead function calls f0.
void shape_callchain(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    src.add("int g;");
    src.add("int apply(int v) { return v; }");
    for (long long k = 0; k < n; ++k) {
        std::string f = name("f", k), next = name("f", k + 1);
        if (k + 1 == n)
            src.add("int " + f + "() { return g; }");
        else if (k % 2 == 0)
            src.add("int " + f + "() { return " + next + "(); }");
        else
            src.add("int " + f + "() { return apply(" + next + "); }");
    }
    src.add("int dead() { return f0(); }");
    src.add("int main() { return f0(); }");
    src.add("");
    src.built();
    bool apply_used = n >= 3;
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        d.variable("g", true);
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.open(1, "apply", apply_used);
        d.begin("VARIABLES");
        d.variable("v", apply_used);
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.leaf(2, "", apply_used, {}, {"v"}, {});
        d.close(1);
        for (long long k = 0; k < n; ++k) {
            d.open(1, name("f", k), true);
            d.empty_lists();
            if (k + 1 == n)
                d.leaf(2, "", true, {}, {"g"}, {});
            else if (k % 2 == 0)
                d.leaf(2, "", true, {}, {}, {name("f", k + 1)});
            else
                d.leaf(2, "", true, {}, {name("f", k + 1)}, {"apply"});
            d.close(1);
        }
        d.open(1, "dead", false);
        d.empty_lists();
        d.leaf(2, "", false, {}, {}, {"f0"});
        d.close(1);
        d.open(1, "main", true);
        d.empty_lists();
        d.leaf(2, "", true, {}, {}, {"f0"});
        d.close(1);
        d.close(0);
    }
    if (!apply_used) {
        Pos a{1, 0}, b{2, 0};
        if (out) report_function(*out, "apply", a, b);
        src.blank(a, b);
    }
    Pos a{n + 2, 0}, b{n + 3, 0};
    if (out) report_function(*out, "dead", a, b);
    src.blank(a, b);
}

// parens: a global and a local initializer, each N parentheses deep.
void shape_parens(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    std::string open(static_cast<size_t>(n), '('), close(static_cast<size_t>(n), ')');
    src.add("int b = 1;");
    src.add("int g = " + open);
    src.add("  a");
    src.add(close + ";");
    src.add("int main() {");
    src.add("  int v = " + open);
    src.add("    b");
    src.add("  " + close + ";");
    src.add("  return v;");
    src.add("}");
    src.add("");
    src.built();
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        d.variable("b", true);
        d.variable("g", false);
        d.end();
        d.begin("REFERENCES");
        d.item("a");
        d.end();
        d.empty("CALLS");
        d.open(1, "main", true);
        d.empty_lists();
        d.leaf(2, "", true, {{"v", true}}, {"b", "v"}, {});
        d.close(1);
        d.close(0);
    }
    Pos a{1, 4}, b{3, n};
    if (out) report_variable(*out, "g", a, b);
    src.blank(a, b);
}

// struct: a global struct body and a local one, each nested N braces deep.
void shape_struct(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    std::string open(static_cast<size_t>(n), '{'), close(static_cast<size_t>(n), '}');
    src.add("struct S " + open);
    src.add("  int x;");
    src.add(close + " s;");
    src.add("int main() {");
    src.add("  struct L " + open);
    src.add("    int y;");
    src.add("  " + close + " l;");
    src.add("  s.x = 1;");
    src.add("  return 0;");
    src.add("}");
    src.add("");
    src.built();
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        d.variable("s", true);
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.open(1, "main", true);
        d.empty_lists();
        d.leaf(2, "", true, {{"l", false}}, {"s"}, {});
        d.close(1);
        d.close(0);
    }
    Pos a{6, n + 3}, b{6, n + 4};
    if (out) report_variable(*out, "l", a, b);
    src.blank(a, b);
}

// blocks: N nested blocks in main, the block of depth k declaring vK; the
// innermost one uses v0 (declared N-1 blocks further out) and the global g.
void shape_blocks(long long n, Source& src, Sink* out) {
    if (n < 1) n = 1;
    src.add("int g;");
    src.add("int main() {");
    for (long long k = 0; k < n; ++k) src.add("{ int " + name("v", k) + ";");
    src.add("v0 = g;");
    for (long long k = 0; k < n; ++k) src.add("}");
    src.add("return 0;");
    src.add("}");
    src.add("");
    src.built();
    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        d.variable("g", true);
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.empty_lists();
        for (long long k = 0; k < n; ++k) {
            int level = static_cast<int>(3 + k);
            d.open(level, "", true);
            d.begin("VARIABLES");
            d.variable(name("v", k), k == 0);
            d.end();
            d.begin("REFERENCES");
            if (k + 1 == n) {
                d.item("v0");
                d.item("g");
            }
            d.end();
            d.empty("CALLS");
        }
        for (long long k = n - 1; k >= 0; --k) d.close(static_cast<int>(3 + k));
        d.close(2);
        d.close(1);
        d.close(0);
    }
    for (long long k = 1; k < n; ++k) {
        std::string v = name("v", k);
        Pos a{2 + k, 6}, b{2 + k, 6 + static_cast<long long>(v.size())};
        if (out) report_variable(*out, v, a, b);
        src.blank(a, b);
    }
}

// longline: one line without a line end. Unit K is
// `int gK = K; int fK(int p) { int t = p + gK; return t; } ` and main returns
// the sum of fK(1) for K % 3 == 0.
void shape_longline(long long bytes, Source& src, Sink* out) {
    std::string line;
    line.reserve(static_cast<size_t>(bytes) + 256);
    struct Unit {
        long long g_col, g_semi, f_col;
    };
    std::vector<Unit> units;
    auto called = [](long long k) { return k % 3 == 0; };
    // The size main will take, so that the whole line reaches `bytes`.
    long long main_size = static_cast<long long>(std::string("int main() { return ; }").size());
    long long k = 0;
    for (; static_cast<long long>(line.size()) + main_size < bytes || k == 0; ++k) {
        if (called(k)) main_size += static_cast<long long>(name("f", k).size()) + (k ? 6 : 3);
        std::string g = name("g", k);
        Unit u{};
        line += "int ";
        u.g_col = static_cast<long long>(line.size());
        line += g;
        line += " = " + num(k);
        u.g_semi = static_cast<long long>(line.size());
        line += "; ";
        u.f_col = static_cast<long long>(line.size());
        line += "int " + name("f", k) + "(int p) { int t = p + " + g + "; return t; } ";
        units.push_back(u);
    }
    long long count = k;
    long long main_col = static_cast<long long>(line.size());
    line += "int main() { return ";
    for (long long j = 0; j < count; j += 3) {
        if (j) line += " + ";
        line += name("f", j) + "(1)";
    }
    line += "; }";
    src.add(line);
    src.built();

    if (out) {
        Dump d(*out);
        d.open(0, "", true);
        d.begin("VARIABLES");
        for (long long j = 0; j < count; ++j) d.variable(name("g", j), called(j));
        d.end();
        d.empty("REFERENCES");
        d.empty("CALLS");
        for (long long j = 0; j < count; ++j) {
            bool e = called(j);
            d.open(1, name("f", j), e);
            d.begin("VARIABLES");
            d.variable("p", e);
            d.end();
            d.empty("REFERENCES");
            d.empty("CALLS");
            d.leaf(2, "", e, {{"t", e}}, {"p", name("g", j), "t"}, {});
            d.close(1);
        }
        d.open(1, "main", true);
        d.empty_lists();
        d.open(2, "", true);
        d.empty("VARIABLES");
        d.empty("REFERENCES");
        d.begin("CALLS");
        for (long long j = 0; j < count; j += 3) d.item(name("f", j));
        d.end();
        d.close(2);
        d.close(1);
        d.close(0);
    }
    for (long long j = 0; j < count; ++j) {
        if (called(j)) continue;
        Pos a{0, units[static_cast<size_t>(j)].g_col}, b{0, units[static_cast<size_t>(j)].g_semi};
        if (out) report_variable(*out, name("g", j), a, b);
        src.blank(a, b);
    }
    for (long long j = 0; j < count; ++j) {
        if (called(j)) continue;
        long long next = j + 1 < count ? units[static_cast<size_t>(j + 1)].g_col - 4 : main_col;
        Pos a{0, units[static_cast<size_t>(j)].f_col}, b{0, next};
        if (out) report_function(*out, name("f", j), a, b);
        src.blank(a, b);
    }
}

void usage() {
    std::fputs(
        "usage: cullsrc_gen realistic BYTES [--seed S] [--input PATH]\n"
        "       cullsrc_gen SHAPE N [--input PATH] [--stdout PATH] [--output PATH]\n"
        "shapes: decls declarators statements elseif callchain parens struct blocks longline\n",
        stderr);
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) usage();
    std::string mode = argv[1];
    long long size = std::strtoll(argv[2], nullptr, 10);
    std::string input_path, stdout_path, output_path;
    uint64_t seed = 1;
    for (int i = 3; i < argc; ++i) {
        std::string a = argv[i];
        if (i + 1 >= argc) usage();
        std::string v = argv[++i];
        if (a == "--input")
            input_path = v;
        else if (a == "--stdout")
            stdout_path = v;
        else if (a == "--output")
            output_path = v;
        else if (a == "--seed")
            seed = std::strtoull(v.c_str(), nullptr, 10);
        else
            usage();
    }
    if (input_path.empty() && stdout_path.empty() && output_path.empty()) input_path = "-";

    if (mode == "realistic") {
        if (input_path.empty()) usage();
        Sink in(input_path);
        Realistic([&](std::string_view text) { in << text; }, size, seed).run();
        return 0;
    }

    using Shape = void (*)(long long, Source&, Sink*);
    static const std::pair<const char*, Shape> shapes[] = {
        {"decls", shape_decls},           {"declarators", shape_declarators},
        {"statements", shape_statements}, {"elseif", shape_elseif},
        {"callchain", shape_callchain},   {"parens", shape_parens},
        {"struct", shape_struct},         {"blocks", shape_blocks},
        {"longline", shape_longline},
    };
    Shape shape = nullptr;
    for (auto& [n, f] : shapes)
        if (mode == n) shape = f;
    if (!shape) usage();

    Source src;
    {
        std::unique_ptr<Sink> in, out;
        if (!input_path.empty()) in = std::make_unique<Sink>(input_path);
        if (!stdout_path.empty()) out = std::make_unique<Sink>(stdout_path);
        src.input = in.get();
        shape(size, src, out.get());
    }
    if (!output_path.empty()) {
        Sink file(output_path);
        src.write_output(file);
    }
    return 0;
}
