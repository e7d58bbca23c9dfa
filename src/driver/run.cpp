#include "driver/run.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "driver/sink.h"
#include "lexer/source.h"
#include "parser/parser.h"

namespace cullsrc {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

void say(TextSink& console, const std::string& what, const char* path, int error) {
    std::string text = "cullsrc: " + what + " '" + path + "'";
    if (error != 0) text += std::string(": ") + std::strerror(error);
    console.write(text + "\n");
}

bool same_file(std::FILE* input, const char* output_path) {
    struct stat in {};
    struct stat out {};
    return fstat(fileno(input), &in) == 0 && stat(output_path, &out) == 0 &&
           in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

}  // namespace

int run_pipeline(Source& input, TextSink& console, TextSink& output, const char* input_path,
                 LexerLimits limits) {
    try {
        Parser parser(input, console, limits);
        parser.process(output);
        return 0;
    } catch (const Failure& failure) {
        console.write(failure.text);
    } catch (const InputTooLarge&) {
        say(console, "input too large:", input_path, 0);
    } catch (const ReadFailure& failure) {
        say(console, "cannot read input file", input_path, failure.error);
    } catch (const std::bad_alloc&) {
        console.write("cullsrc: out of memory\n");
    }
    return 1;
}

int run(const char* input_path, const char* output_path, TextSink& console) {
    File input(std::fopen(input_path, "r"));
    if (!input) {
        say(console, "cannot open input file", input_path, errno);
        return 1;
    }
    struct stat info {};
    if (fstat(fileno(input.get()), &info) == 0 && S_ISDIR(info.st_mode)) {
        say(console, "cannot open input file", input_path, EISDIR);
        return 1;
    }
    // Checked before the output is opened, since opening it truncates it.
    if (same_file(input.get(), output_path)) {
        console.write(std::string("cullsrc: input and output are the same file: '") + output_path +
                      "'\n");
        return 1;
    }
    File output(std::fopen(output_path, "w"));
    if (!output) {
        say(console, "cannot open output file", output_path, errno);
        return 1;
    }
    Source source(input.get());
    FileSink output_sink(output.get());
    int status = run_pipeline(source, console, output_sink, input_path);
    if (status != 0) return status;
    bool written = output_sink.flush();
    int error = output_sink.error();
    std::FILE* closing = output.release();
    if (std::fclose(closing) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        say(console, "cannot write output file", output_path, error);
        return 1;
    }
    return 0;
}

}  // namespace cullsrc
