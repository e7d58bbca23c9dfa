#pragma once
// What must hold for every input that the tool completes: the output keeps every line, with
// its length, and changes no byte except to FILL_BYTE.

#include <cstddef>
#include <string_view>
#include <vector>

#include "analysis/report.h"

namespace cullsrc {

inline std::vector<std::string_view> split_lines(std::string_view text, bool carriage_return_ends) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (carriage_return_ends && text[i] == '\r')) {
            lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

inline bool keeps_every_line(std::string_view source, std::string_view output) {
    if (output.empty() || output.back() != '\n') return false;
    std::vector<std::string_view> in = split_lines(source, true);
    std::vector<std::string_view> out = split_lines(output.substr(0, output.size() - 1), false);
    if (in.size() != out.size()) return false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i].size() != out[i].size()) return false;
        for (std::size_t j = 0; j < in[i].size(); ++j) {
            if (out[i][j] != in[i][j] && out[i][j] != FILL_BYTE) return false;
        }
    }
    return true;
}

}  // namespace cullsrc
