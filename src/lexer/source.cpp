#include "lexer/source.h"

#include <cerrno>

#include "support/failure.h"

namespace cullsrc {

namespace {
constexpr std::size_t block_size = std::size_t{1} << 16;
}

Source::Source(std::string_view bytes)
    : next_(reinterpret_cast<const unsigned char*>(bytes.data())),
      end_(next_ + bytes.size()),
      line_start_(next_) {}

Source::Source(std::FILE* file) : file_(file), block_(new unsigned char[block_size]) {}

bool Source::refill() {
    if (file_ == nullptr) return false;
    carried_.append(std::string_view(reinterpret_cast<const char*>(line_start_),
                                     static_cast<std::size_t>(end_ - line_start_)));
    line_start_ = end_;
    std::size_t got = std::fread(block_.get(), 1, block_size, file_);
    if (got == 0) {
        if (std::ferror(file_)) throw ReadFailure{errno};
        file_ = nullptr;  // the end was reached: never ask the stream again
        return false;
    }
    next_ = block_.get();
    end_ = next_ + got;
    line_start_ = next_;
    return true;
}

String Source::take_line(bool ended_by_byte) {
    const unsigned char* stop = ended_by_byte ? next_ - 1 : next_;
    std::string_view rest(reinterpret_cast<const char*>(line_start_),
                          static_cast<std::size_t>(stop - line_start_));
    line_start_ = next_;
    if (carried_.length() == 0) return String(rest);
    carried_.append(rest);
    String line(carried_.view());
    carried_.clear();
    return line;
}

}  // namespace cullsrc
