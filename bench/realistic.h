// A generator of realistic programs in the accepted language, shared by
// cullsrc_gen and the in-process benchmark.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cullsrc_bench {

inline std::string num(long long v) {
    return std::to_string(v);
}

class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ULL + 0x1234567ULL) {}
    uint64_t next() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& v) {
        return v[static_cast<size_t>(below(static_cast<int>(v.size())))];
    }

private:
    uint64_t s_;
};

class Realistic {
public:
    using Write = std::function<void(std::string_view)>;
    Realistic(Write out, long long target, uint64_t seed)
        : out_(std::move(out)), target_(target), rng_(seed) {}

    void run() {
        header();
        int module = 0;
        while (written_ + static_cast<long long>(text_.size()) < target_) this->module(module++);
        main_function();
        flush();
    }

private:
    struct Function {
        std::string name;
        int params;
    };

    void emit(std::string_view s) {
        text_ += s;
        if (text_.size() >= (1 << 20)) flush();
    }
    void line(int indent, std::string_view s) {
        text_.append(static_cast<size_t>(indent) * 4, ' ');
        emit(s);
        emit("\n");
    }
    void flush() {
        written_ += static_cast<long long>(text_.size());
        out_(text_);
        text_.clear();
    }

    void header() {
        line(0, "/*");
        line(0, " * Inventory service: record keeping, validation and reporting.");
        line(0, " * Generated for benchmarking; every line is in the accepted subset.");
        line(0, " */");
        line(0, "#include <stdio.h>");
        line(0, "#include <string.h>");
        line(0, "#include \"inventory.h\"");
        line(0, "");
        line(0, "#define MAX_ITEMS 1024");
        line(0, "#define VERSION \"2.4.1\"");
        line(0, "");
    }

    std::string global_name() { return globals_.empty() ? "MAX_ITEMS" : rng_.pick(globals_); }
    std::string local_name(const std::vector<std::string>& locals) {
        return locals.empty() || rng_.chance(20) ? global_name() : rng_.pick(locals);
    }
    std::string literal() {
        switch (rng_.below(6)) {
            case 0:
                return num(rng_.below(1000));
            case 1:
                return "0x" + num(10 + rng_.below(80));
            case 2:
                return num(rng_.below(100)) + "UL";
            case 3:
                return "'" + std::string(1, static_cast<char>('a' + rng_.below(26))) + "'";
            case 4:
                return num(rng_.below(10)) + "." + num(rng_.below(100));
            default:
                return "0";
        }
    }

    // An operand: a name, a literal, an element, a member, or a call.
    std::string operand(const std::vector<std::string>& locals, int depth) {
        int r = rng_.below(depth > 1 ? 6 : 10);
        switch (r) {
            case 0:
            case 1:
            case 2:
                return local_name(locals);
            case 3:
            case 4:
                return literal();
            case 5:
                return "(" + expression(locals, depth + 1) + ")";
            case 6:
                return local_name(locals) + "[" + local_name(locals) + " + 1]";
            case 7:
                return local_name(locals) + (rng_.chance(50) ? "->" : ".") + rng_.pick(fields_);
            case 8:
                return call(locals, depth + 1);
            default:
                return "sizeof(" + local_name(locals) + ")";
        }
    }
    std::string expression(const std::vector<std::string>& locals, int depth = 0) {
        static const std::vector<std::string> ops = {
            " + ", " - ",  " * ",  " / ", " << ", " >> ", " & ", " | ",
            " ^ ", " == ", " != ", " < ", " >= ", " && ", " || "};
        std::string e = operand(locals, depth);
        int terms = rng_.below(depth ? 2 : 4);
        for (int i = 0; i < terms; ++i) e += rng_.pick(ops) + operand(locals, depth);
        if (depth == 0 && rng_.chance(5))
            e = "(" + e + ") ? " + operand(locals, 1) + " : " + operand(locals, 1);
        return e;
    }
    std::string condition(const std::vector<std::string>& locals) {
        static const std::vector<std::string> cmp = {" < ", " > ", " <= ", " >= ", " == ", " != "};
        std::string c = local_name(locals) + rng_.pick(cmp) + operand(locals, 1);
        if (rng_.chance(30))
            c += (rng_.chance(50) ? " && " : " || ") + std::string(rng_.chance(30) ? "!" : "") +
                 local_name(locals);
        return c;
    }
    // A call of an earlier function, or of a library function.
    std::string call(const std::vector<std::string>& locals, int depth) {
        if (functions_.size() == module_start_ || rng_.chance(25)) {
            static const std::vector<std::string> lib = {"printf", "memset", "strlen", "strcmp",
                                                         "log_event"};
            const std::string& f = rng_.pick(lib);
            if (f == "printf")
                return "printf(\"value of " + local_name(locals) + ": %d\\n\", " +
                       local_name(locals) + ")";
            return f + "(" + local_name(locals) + ", " + operand(locals, depth + 1) + ")";
        }
        // Only earlier functions of the same module, so that the modules main
        // does not call stay dead as a whole.
        size_t window = functions_.size() - module_start_;
        const Function& f =
            functions_[module_start_ + static_cast<size_t>(rng_.below(static_cast<int>(window)))];
        std::string s = f.name + "(";
        for (int i = 0; i < f.params; ++i) {
            if (i) s += ", ";
            s += depth > 2 ? local_name(locals) : operand(locals, depth + 1);
        }
        return s + ")";
    }

    void statement(int indent, std::vector<std::string>& locals, int depth) {
        int r = rng_.below(depth >= 3 ? 8 : 14);
        static const std::vector<std::string> assign = {
            " = ", " += ", " -= ", " *= ", " |= ", " &= ", " /= "};
        switch (r) {
            case 0:
            case 1:
            case 2:
                line(indent, local_name(locals) + rng_.pick(assign) + expression(locals) + ";");
                break;
            case 3:
                line(indent, call(locals, 0) + ";");
                break;
            case 4:
                line(indent, local_name(locals) + (rng_.chance(70) ? "++;" : "--;"));
                break;
            case 5: {
                std::string lhs = local_name(locals);
                int form = rng_.below(3);
                if (form == 0)
                    lhs += "[" + local_name(locals) + "]";
                else if (form == 1)
                    lhs += "." + rng_.pick(fields_);
                else
                    lhs += "->" + rng_.pick(fields_);
                line(indent, lhs + " = " + expression(locals) + ";");
                break;
            }
            case 6:
                if (rng_.chance(50))
                    line(indent, "// " + rng_.pick(remarks_));
                else
                    line(indent, "/* " + rng_.pick(remarks_) + " */");
                break;
            case 7:
                // A long line, as formatters leave them.
                line(indent, local_name(locals) + " = " + expression(locals) + " + " +
                                 expression(locals) + " - " + expression(locals) + " + " +
                                 call(locals, 1) + ";");
                break;
            case 8: {
                line(indent, "if (" + condition(locals) + ") {");
                block(indent + 1, locals, depth + 1);
                if (rng_.chance(40)) {
                    line(indent, "} else if (" + condition(locals) + ") {");
                    block(indent + 1, locals, depth + 1);
                }
                if (rng_.chance(50)) {
                    line(indent, "} else {");
                    block(indent + 1, locals, depth + 1);
                }
                line(indent, "}");
                break;
            }
            case 9: {
                std::string i = locals.empty() ? "i" : locals[0];
                line(indent,
                     "for (" + i + " = 0; " + i + " < " + local_name(locals) + "; " + i + "++) {");
                block(indent + 1, locals, depth + 1);
                line(indent, "}");
                break;
            }
            case 10:
                line(indent, "while (" + condition(locals) + ") {");
                block(indent + 1, locals, depth + 1);
                line(indent, "}");
                break;
            case 11:
                line(indent, "do {");
                block(indent + 1, locals, depth + 1);
                line(indent, "} while (" + condition(locals) + ");");
                break;
            case 12: {
                line(indent, "switch (" + local_name(locals) + ") {");
                int cases = 2 + rng_.below(4);
                for (int c = 0; c < cases; ++c) {
                    line(indent, "case " + num(c) + ":");
                    statement(indent + 1, locals, depth + 2);
                    line(indent + 1, "break;");
                }
                line(indent, "default:");
                line(indent + 1, local_name(locals) + " = 0;");
                line(indent, "}");
                break;
            }
            default:
                if (rng_.chance(50)) {
                    line(indent, "if (" + condition(locals) + ")");
                    line(indent + 1, local_name(locals) + " = " + expression(locals) + ";");
                    line(indent, "else");
                    line(indent + 1, local_name(locals) + "++;");
                } else {
                    line(0, "#ifdef DEBUG");
                    line(indent, "log_event(\"checkpoint\", " + local_name(locals) + ");");
                    line(0, "#endif");
                }
                break;
        }
    }

    // A braced body: a few local declarations, then statements.
    void block(int indent, std::vector<std::string>& outer, int depth) {
        std::vector<std::string> locals = outer;
        int decls = rng_.below(depth ? 2 : 4);
        for (int i = 0; i < decls; ++i) declaration(indent, locals);
        int count = 1 + rng_.below(depth ? 3 : 7);
        for (int i = 0; i < count; ++i) statement(indent, locals, depth);
    }

    void declaration(int indent, std::vector<std::string>& locals) {
        std::string v = rng_.pick(local_names_) + num(rng_.below(10));
        switch (rng_.below(7)) {
            case 0:
                line(indent, "int " + v + " = " + expression(locals) + ";");
                break;
            case 1:
                line(indent, "char " + v + "[64];");
                break;
            case 2:
                line(indent, "const int " + v + " = " + literal() + ";");
                break;
            case 3:
                line(indent, "struct record *" + v + " = 0;");
                break;
            case 4: {
                std::string w = v + "_b";
                line(indent, "int " + v + ", " + w + " = 1, *" + v + "_p;");
                locals.push_back(w);
                break;
            }
            case 5:
                line(indent, "unsigned int " + v + " = 0;");
                break;
            default:
                line(indent, "double " + v + " = " + num(rng_.below(10)) + ".5;");
                break;
        }
        locals.push_back(v);
    }

    void function(int module, int index) {
        std::string fname =
            rng_.pick(verbs_) + "_" + rng_.pick(nouns_) + "_" + num(module) + "_" + num(index);
        int params = rng_.below(4);
        std::vector<std::string> locals;
        static const std::vector<std::string> types = {"int",          "char *", "const char *",
                                                       "unsigned int", "double", "struct record *"};
        std::string sig = rng_.chance(20) ? "static " : "";
        if (rng_.chance(10)) sig += "inline ";
        sig += rng_.pick(
            std::vector<std::string>{"int", "void", "double", "char *", "struct record *"});
        sig += " " + fname + "(";
        if (params == 0) sig += rng_.chance(50) ? "void" : "";
        for (int i = 0; i < params; ++i) {
            std::string p = rng_.pick(param_names_) + num(i);
            sig += (i ? ", " : "") + rng_.pick(types) + " " + p;
            locals.push_back(p);
        }
        sig += ")";
        if (rng_.chance(10)) line(0, sig + ";");  // a prototype first
        if (rng_.chance(50)) {
            line(0, "/**");
            line(0, " * " + rng_.pick(remarks_));
            line(0, " */");
        }
        line(0, sig);
        line(0, "{");
        block(1, locals, 0);
        line(1, "return " + (locals.empty() ? std::string("0") : expression(locals)) + ";");
        line(0, "}");
        line(0, "");
        functions_.push_back({fname, params});
    }

    void module(int m) {
        line(0, "// ---------------------------------------------------------------------------");
        line(0, "// Module " + num(m) + ": " + rng_.pick(remarks_));
        line(0, "");
        int g = 2 + rng_.below(5);
        for (int i = 0; i < g; ++i) {
            std::string v = rng_.pick(global_names_) + "_" + num(m) + "_" + num(i);
            switch (rng_.below(8)) {
                case 0:
                    line(0, "int " + v + " = " + num(rng_.below(500)) + ";");
                    break;
                case 1:
                    line(0, "static int " + v + "[MAX_ITEMS];");
                    break;
                case 2:
                    line(0, "const char *" + v + " = \"" + rng_.pick(remarks_) + "\";");
                    break;
                case 3:
                    line(0, "unsigned int " + v + ", " + v + "_limit = 16;");
                    globals_.push_back(v + "_limit");
                    break;
                case 4:
                    line(0, "extern double " + v + ";");
                    break;
                case 5:
                    line(0, "struct record " + v + ";");
                    break;
                case 6:
                    line(0, "int " + v + "[] = {1, 2, 3, 5, 8, 13};");
                    break;
                default:
                    line(0, "static unsigned long " + v + " = 0UL;");
                    break;
            }
            globals_.push_back(v);
        }
        if (globals_.size() > 40) globals_.erase(globals_.begin(), globals_.begin() + 10);
        switch (rng_.below(4)) {
            case 0:
                line(0, "struct record_" + num(m) + " {");
                line(1, "int id;");
                line(1, "char name[32];");
                line(1, "struct record_" + num(m) + " *next;");
                line(0, "};");
                break;
            case 1:
                line(0, "typedef struct { int x; int y; } point_" + num(m) + ";");
                line(0, "typedef int (*handler_" + num(m) + ")(int code, const char *msg);");
                break;
            case 2:
                line(0, "enum state_" + num(m) + " { IDLE_" + num(m) + ", BUSY_" + num(m) +
                            ", DONE_" + num(m) + " };");
                break;
            default:
                line(0, "class cache_" + num(m) +
                            " { public: int size; void reset() { size = 0; } };");
                break;
        }
        line(0, "");
        module_start_ = functions_.size();
        int f = 3 + rng_.below(6);
        for (int i = 0; i < f; ++i) function(m, i);
        // main calls most modules' last function; the rest stay dead.
        if (rng_.chance(80)) roots_.push_back(functions_.back());
    }

    void main_function() {
        line(0, "int main(int argc, char *argv[])");
        line(0, "{");
        line(1, "int status = 0;");
        for (const Function& f : roots_) {
            std::string s = "status += " + f.name + "(";
            for (int i = 0; i < f.params; ++i) s += (i ? ", argc" : "argc");
            line(1, s + ");");
        }
        line(1, "if (argv[0] == 0) status = 1;");
        line(1, "return status;");
        line(0, "}");
    }

    Write out_;
    long long target_;
    long long written_ = 0;
    Rng rng_;
    std::string text_;
    std::vector<std::string> globals_;
    std::vector<Function> functions_;
    std::vector<Function> roots_;
    size_t module_start_ = 0;
    const std::vector<std::string> verbs_ = {"load",  "store", "check", "update", "format",
                                             "parse", "merge", "scan",  "reset",  "compute"};
    const std::vector<std::string> nouns_ = {"record", "index", "buffer", "entry", "table",
                                             "report", "item",  "cursor", "limit", "stock"};
    const std::vector<std::string> local_names_ = {"count", "total", "offset", "length", "result",
                                                   "flags", "index", "tmp",    "value",  "cursor"};
    const std::vector<std::string> param_names_ = {"input", "size", "mode", "rec", "key", "limit"};
    const std::vector<std::string> global_names_ = {"g_items", "g_total", "g_name",   "g_limits",
                                                    "g_state", "g_cache", "g_counter"};
    const std::vector<std::string> fields_ = {"id", "next", "name", "size", "count"};
    const std::vector<std::string> remarks_ = {
        "keep the fast path free of allocations",
        "TODO: validate the upper bound",
        "the caller owns the buffer",
        "see the note on rounding in the manual",
        "entries are sorted by key; binary search would do here",
        "legacy behaviour kept for old clients \xe2\x80\x94 do not change"};
};

// The whole program of about `bytes` bytes as one string.
inline std::string realistic_program(long long bytes, uint64_t seed = 1) {
    std::string text;
    text.reserve(static_cast<size_t>(bytes) + (2 << 20));
    Realistic([&](std::string_view s) { text.append(s); }, bytes, seed).run();
    return text;
}

}  // namespace cullsrc_bench
