#include "headless_gather_write.h"
#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>
#include <utility>

namespace qv::platform::headless {

namespace {

// One writev call takes at most this many pieces.
constexpr std::size_t kMaxGroup = IOV_MAX;

class UniqueFd {
  public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0)
            close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

// Where the writing stands: the piece it is in and the bytes of that piece already written.
struct Position {
    std::size_t piece = 0;
    std::size_t offset = 0;

    void Advance(const std::vector<std::string_view>& pieces, std::size_t bytes) {
        while (piece < pieces.size() && bytes >= pieces[piece].size() - offset) {
            bytes -= pieces[piece].size() - offset;
            ++piece;
            offset = 0;
        }
        offset += bytes;
    }
};

} // namespace

bool WriteGathered(const std::string& hostPath, const std::vector<std::string_view>& pieces,
                   std::size_t limit) {
    UniqueFd file(open(hostPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (file.get() < 0)
        return false;
    std::size_t total = 0;
    for (std::string_view piece : pieces)
        total += piece.size();
    std::size_t left = std::min(total, limit);
    Position at;
    iovec group[kMaxGroup];
    while (left > 0) {
        std::size_t count = 0;
        std::size_t grouped = 0;
        for (Position p = at; p.piece < pieces.size() && count < kMaxGroup && grouped < left;
             ++p.piece, p.offset = 0) {
            const std::size_t length = std::min(pieces[p.piece].size() - p.offset, left - grouped);
            if (length == 0)
                continue;
            group[count].iov_base = const_cast<char*>(pieces[p.piece].data() + p.offset);
            group[count].iov_len = length;
            ++count;
            grouped += length;
        }
        const ssize_t written = writev(file.get(), group, int(count));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        // A short write (a signal, a full disk) continues where it stopped.
        at.Advance(pieces, std::size_t(written));
        left -= std::size_t(written);
    }
    // Closing can still report a failed write; it counts.
    return close(file.release()) == 0;
}

} // namespace qv::platform::headless
