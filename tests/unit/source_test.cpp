// The file-backed Source reads in blocks; lines that straddle a block boundary, lines longer
// than a block and a final line without a line end must come out exactly as from memory.

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "lexer/lexer.h"
#include "lexer/source.h"

namespace cullsrc {
namespace {

std::vector<std::string> lines_read(Source& source) {
    Lexer lexer(source);
    lexer.set_skip(COMMENT);
    lexer.prime();
    while (lexer.current_token() != EOI) lexer.match(lexer.current_token());
    std::vector<std::string> lines;
    lexer.line_buffer().lines().for_each(
        [&](const String& line) { lines.emplace_back(line.view()); });
    return lines;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::vector<std::string> lines_from_file(const std::string& text) {
    std::unique_ptr<std::FILE, FileCloser> file(std::tmpfile());
    EXPECT_EQ(std::fwrite(text.data(), 1, text.size(), file.get()), text.size());
    std::rewind(file.get());
    Source source(file.get());
    return lines_read(source);
}

std::vector<std::string> lines_from_memory(const std::string& text) {
    Source source(text);
    return lines_read(source);
}

TEST(FileSource, LinesAcrossBlocksMatchMemory) {
    const std::size_t block = std::size_t{1} << 16;
    std::string comment_line = "// " + std::string(block * 2 + 7, 'c');  // longer than two blocks
    std::string near_edge(block - 3, 'x');                              // ends right at a boundary
    const std::string cases[] = {
        "",
        "int a;",
        comment_line,
        comment_line + "\n",
        near_edge + "\nint b;\n" + comment_line + "\r\nint c;",
        std::string(block - 1, ' ') + "\n\n",
        std::string(block, ' ') + "\r" + std::string(block + 1, ' ') + "// tail",
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.size());
        EXPECT_EQ(lines_from_file(text), lines_from_memory(text));
    }
    EXPECT_EQ(lines_from_memory(comment_line + "\n").front(), comment_line);
    EXPECT_EQ(lines_from_memory(comment_line + "\n").size(), 2u);
}

}  // namespace
}  // namespace cullsrc
