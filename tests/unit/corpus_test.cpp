// Every seed and every input the fuzzer once found at fault goes through the whole pipeline
// and must keep its lines: a completed run changes bytes only to FILL_BYTE, a failed run
// leaves the output empty.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "driver/cull.h"
#include "properties.h"

namespace {

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(FuzzCorpus, EveryInputKeepsItsLines) {
    const std::filesystem::path folders[] = {CULLSRC_FUZZ_DIR "/corpus", CULLSRC_FUZZ_DIR "/regressions"};
    bool any = false;
    for (const auto& folder : folders) {
        if (!std::filesystem::exists(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            any = true;
            SCOPED_TRACE(entry.path().string());
            std::string source = read_file(entry.path());
            std::string console;
            std::string output;
            int status = cullsrc::cull(source, console, output);
            if (status == 0) {
                EXPECT_TRUE(cullsrc::keeps_every_line(source, output));
            } else {
                EXPECT_EQ(status, 1);
                EXPECT_TRUE(output.empty());
                ASSERT_FALSE(console.empty());
                EXPECT_EQ(console.back(), '\n');
            }
        }
    }
    EXPECT_TRUE(any) << "no corpus found under " CULLSRC_FUZZ_DIR;
}

}  // namespace
