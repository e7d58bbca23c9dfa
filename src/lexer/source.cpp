#include "lexer/source.h"

#include <cerrno>

#include "support/failure.h"

namespace cullsrc {

namespace {
constexpr std::size_t block_size = std::size_t{1} << 16;
}

Source::Source(std::string_view bytes)
    : next_(reinterpret_cast<const unsigned char*>(bytes.data())), end_(next_ + bytes.size()) {}

Source::Source(std::FILE* file) : file_(file), block_(new unsigned char[block_size]) {}

bool Source::refill() {
    if (file_ == nullptr) return false;
    std::size_t got = std::fread(block_.get(), 1, block_size, file_);
    if (got == 0) {
        if (std::ferror(file_)) throw ReadFailure{errno};
        file_ = nullptr;  // the end was reached: never ask the stream again
        return false;
    }
    next_ = block_.get();
    end_ = next_ + got;
    return true;
}

}  // namespace cullsrc
