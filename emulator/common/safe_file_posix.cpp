// Reading and replacing files with the POSIX calls: a replacement is a rename, made durable
// by flushing the file and then its folder.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>

#include "emulator/common/safe_file.h"

namespace emulator {
namespace {

[[noreturn]] void Fail(const std::string& what, int error) {
    throw std::runtime_error(what + " (" + std::strerror(error) + ")");
}

// A folder, a FIFO or a device is refused: reading one would fail, block or never end.
void RequireRegularFile(const std::string& path, const struct stat& status) {
    if (!S_ISREG(status.st_mode))
        throw std::runtime_error("cannot read " + path + " (not a regular file)");
}

// Owns a file descriptor.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    // Closes now, for the answer: a failed close can mean the data never reached the disk.
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// The steps of a replacement each answer 0 or the errno of their failure.

int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno != EINTR) return errno;
        if (written > 0) text.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
}

// Writes TEXT to a new file beside DESTINATION, named after this process and a count so that
// no other writer (another host on the same file) ever opens it, with the permissions MODE
// when given, flushed to disk; then renames it over DESTINATION.
int WriteAndRename(const std::string& destination, std::string_view text,
                   std::optional<mode_t> mode) {
    constexpr int kNamesTried = 100;
    std::string temporary;
    int fd = -1;
    for (int n = 0; fd < 0; ++n) {
        temporary = destination + ".tmp." + std::to_string(::getpid()) + "." + std::to_string(n);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno != EEXIST || n == kNamesTried)) return errno;
    }
    Descriptor file(fd);
    int error = WriteAll(fd, text);
    if (error == 0 && mode && ::fchmod(fd, *mode) != 0) error = errno;
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0 && !file.Close()) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), destination.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

// A rename is only durable once the folder that records it is flushed.
int SyncFolder(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    Descriptor directory(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0 || ::fsync(directory.Get()) != 0) return errno;
    return 0;
}

}  // namespace

std::optional<std::string> ReadFileIfPresent(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) return std::nullopt;
        Fail("cannot read " + path, errno);
    }
    RequireRegularFile(path, status);
    // Without blocking, should a FIFO have taken the file's place since.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) Fail("cannot read " + path, errno);
    RequireRegularFile(path, status);
    std::string text;
    char chunk[65536];
    for (;;) {
        ssize_t count = ::read(file.Get(), chunk, sizeof chunk);
        if (count == 0) return text;
        if (count > 0)
            text.append(chunk, static_cast<size_t>(count));
        else if (errno != EINTR)
            Fail("cannot read " + path, errno);
    }
}

void ReplaceFile(const std::string& path, std::string_view text, PreviousFile previous) {
    const std::string target = FinalTarget(path);
    struct stat status {};
    std::optional<mode_t> mode;
    if (::stat(target.c_str(), &status) == 0)
        mode = status.st_mode & 07777;
    else if (errno != ENOENT)
        Fail("cannot write " + path, errno);
    if (mode && previous == PreviousFile::kKeptAsBackup) {
        std::optional<std::string> earlier = ReadFileIfPresent(target);
        if (earlier)
            if (int error = WriteAndRename(target + ".bak", *earlier, mode))
                Fail("cannot keep the previous " + path + " as " + target + ".bak", error);
    }
    if (int error = WriteAndRename(target, text, mode)) Fail("cannot write " + path, error);
    if (int syncError = SyncFolder(target)) Fail("cannot flush the folder of " + path, syncError);
}

}  // namespace emulator
