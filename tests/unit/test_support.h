#pragma once
// Helpers shared by the unit tests: parsing a text into a scope tree, a compact rendering of
// that tree, and a sink that hands over what is printed one line at a time.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "driver/sink.h"
#include "lexer/position.h"
#include "lexer/source.h"
#include "parser/parser.h"
#include "scope/scope.h"
#include "support/failure.h"
#include "support/string.h"

namespace cullsrc::testing {

inline std::string text_of(const String& s) { return std::string(s.view()); }

inline std::string at(Position p) {
    return std::to_string(p.line) + ":" + std::to_string(p.column);
}

// One scope as text: `name[start-end]` for a function, then in braces its variables
// ("par"/"var" name@start-end), its references ("ref" name), its calls ("call" name) and its
// children, in list order, separated by single spaces.
inline std::string render(Scope& scope) {
    std::string out;
    if (scope.name.length() > 0) {
        out += text_of(scope.name) + "[" + at(scope.start) + "-" + at(scope.end) + "]";
    }
    out += "{";
    std::string items;
    auto add = [&](const std::string& item) {
        if (!items.empty()) items += " ";
        items += item;
    };
    scope.variables.for_each([&](Variable* v) {
        add(std::string(v->parameter ? "par " : "var ") + text_of(v->name) + "@" + at(v->start) +
            "-" + at(v->end));
    });
    scope.references.for_each([&](const String& n) { add("ref " + text_of(n)); });
    scope.calls.for_each([&](const String& n) { add("call " + text_of(n)); });
    scope.children.for_each([&](Scope* child) { add(render(*child)); });
    return out + items + "}";
}

// The two lines that a token of the wrong kind produces.
inline std::string mismatch(const char* expected, const char* found, const char* where) {
    return std::string(".. expected ") + expected + ", found " + found + "\nLexical error at " +
           where + ": Unexpected token\n";
}

// The result of parsing one source text: the tree (when the parse completed), what the
// parser printed, and the error text (when it failed).
struct Parsed {
    std::unique_ptr<Scope> global;
    std::string console;
    std::string error;
    bool failed = false;
};

inline Parsed parse(std::string_view text) {
    Parsed result;
    Source source(text);
    StringSink console(result.console);
    try {
        Parser parser(source, console);
        result.global = std::make_unique<Scope>(nullptr);
        parser.parse_translation_unit(*result.global);
    } catch (const Failure& failure) {
        result.error = failure.text;
        result.failed = true;
        result.global.reset();
    }
    return result;
}

// Hands every complete line (without its "\n") to a callback, however the writes are cut,
// so that very long output can be checked without keeping it.
class LineSink : public TextSink {
public:
    explicit LineSink(std::function<void(std::string_view)> on_line)
        : on_line_(std::move(on_line)) {}
    void write(std::string_view bytes) override {
        for (std::size_t end; (end = bytes.find('\n')) != std::string_view::npos;) {
            pending_.append(bytes.substr(0, end));
            on_line_(pending_);
            pending_.clear();
            bytes.remove_prefix(end + 1);
        }
        pending_.append(bytes);
    }
    // Text written after the last line end.
    const std::string& pending() const { return pending_; }

private:
    std::function<void(std::string_view)> on_line_;
    std::string pending_;
};

}  // namespace cullsrc::testing
