#pragma once
// Where the tool's text goes: standard output and the output file in the tool, strings in
// tests, benchmarks and the fuzzer.

#include <cstdio>
#include <string>
#include <string_view>

namespace cullsrc {

class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

class StringSink : public TextSink {
public:
    explicit StringSink(std::string& text) : text_(text) {}
    void write(std::string_view bytes) override { text_.append(bytes); }

private:
    std::string& text_;
};

// Buffers its writes and remembers the first failure, so the caller can report it once.
class FileSink : public TextSink {
public:
    explicit FileSink(std::FILE* file);
    FileSink(const FileSink&) = delete;
    FileSink& operator=(const FileSink&) = delete;
    ~FileSink() override;

    void write(std::string_view bytes) override;
    // Hands everything buffered to the stream and flushes it; false after any failure.
    bool flush();
    int error() const { return error_; }

private:
    void drain();

    std::FILE* file_;
    std::string buffer_;
    int error_ = 0;
};

}  // namespace cullsrc
