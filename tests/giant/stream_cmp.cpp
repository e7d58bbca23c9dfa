// stream_cmp EXPECTED ACTUAL: compares two byte streams (files or FIFOs) in
// large reads, so that outputs of tens of gigabytes can be checked without
// landing on disk. On the first difference it prints the byte offset, the
// line number and the differing line of each side (cut to 200 bytes), and
// exits 1; 0 when both are equal.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

class Stream {
public:
    explicit Stream(const char* path) : path_(path) {
        fd_ = open(path, O_RDONLY);
        if (fd_ < 0) {
            std::perror(path);
            std::exit(2);
        }
        struct stat st {};
        // A bigger pipe means fewer, larger reads and writes on both sides.
        if (fstat(fd_, &st) == 0 && S_ISFIFO(st.st_mode)) fcntl(fd_, F_SETPIPE_SZ, 1 << 20);
        buffer_.resize(1 << 20);
    }
    ~Stream() { close(fd_); }

    // The bytes not yet consumed; empty at the end of the stream.
    std::string_view fill() {
        if (pos_ == end_) {
            ssize_t n;
            do n = read(fd_, buffer_.data(), buffer_.size());
            while (n < 0 && errno == EINTR);
            if (n < 0) {
                std::perror(path_);
                std::exit(2);
            }
            pos_ = 0;
            end_ = static_cast<size_t>(n);
        }
        return {buffer_.data() + pos_, end_ - pos_};
    }
    void consume(size_t n) { pos_ += n; }
    // The rest of the current line, for the report.
    std::string rest_of_line() {
        std::string s;
        for (std::string_view v = fill(); !v.empty() && s.size() < 200; v = fill()) {
            size_t nl = v.find('\n');
            size_t take = std::min(nl == std::string_view::npos ? v.size() : nl, 200 - s.size());
            s.append(v.substr(0, take));
            consume(take);
            if (nl != std::string_view::npos) break;
        }
        return s;
    }

private:
    const char* path_;
    int fd_;
    std::vector<char> buffer_;
    size_t pos_ = 0, end_ = 0;
};

std::string printable(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c >= 32 && c < 127)
            out += static_cast<char>(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: stream_cmp EXPECTED ACTUAL\n", stderr);
        return 2;
    }
    Stream expected(argv[1]), actual(argv[2]);
    unsigned long long offset = 0, line = 1;
    std::string line_so_far;  // the current line's bytes seen so far, up to 200
    for (;;) {
        std::string_view a = expected.fill(), b = actual.fill();
        if (a.empty() || b.empty()) {
            if (a.empty() && b.empty()) return 0;
            std::printf("stream_cmp: %s ends first, after byte %llu (line %llu)\n",
                        a.empty() ? argv[1] : argv[2], offset, line);
            return 1;
        }
        size_t n = std::min(a.size(), b.size());
        size_t same = n;
        if (std::memcmp(a.data(), b.data(), n) != 0) {
            same = 0;
            while (a[same] == b[same]) ++same;
        }
        std::string_view common = a.substr(0, same);
        size_t nl = common.rfind('\n');
        line += static_cast<unsigned long long>(std::count(common.begin(), common.end(), '\n'));
        if (nl == std::string_view::npos)
            line_so_far.append(common.substr(0, 200 - std::min<size_t>(200, line_so_far.size())));
        else
            line_so_far.assign(common.substr(nl + 1, 200));
        offset += same;
        expected.consume(same);
        actual.consume(same);
        if (same < n) {
            std::printf("stream_cmp: differ at byte %llu, line %llu\n", offset, line);
            std::string head = printable(line_so_far);
            std::printf("  expected: %s%s\n", head.c_str(),
                        printable(expected.rest_of_line()).c_str());
            std::printf("  actual:   %s%s\n", head.c_str(),
                        printable(actual.rest_of_line()).c_str());
            return 1;
        }
    }
}
