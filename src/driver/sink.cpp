#include "driver/sink.h"

#include <cerrno>

namespace cullsrc {

namespace {
constexpr std::size_t buffer_size = std::size_t{1} << 16;
}

FileSink::FileSink(std::FILE* file) : file_(file) { buffer_.reserve(buffer_size); }

FileSink::~FileSink() { drain(); }

void FileSink::write(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > buffer_size) drain();
    if (bytes.size() >= buffer_size) {
        if (error_ == 0 && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
            error_ = errno != 0 ? errno : EIO;
        }
        return;
    }
    buffer_.append(bytes);
}

bool FileSink::flush() {
    drain();
    if (error_ == 0 && std::fflush(file_) != 0) error_ = errno != 0 ? errno : EIO;
    return error_ == 0;
}

void FileSink::drain() {
    if (!buffer_.empty() && error_ == 0 &&
        std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
        error_ = errno != 0 ? errno : EIO;
    }
    buffer_.clear();
}

}  // namespace cullsrc
