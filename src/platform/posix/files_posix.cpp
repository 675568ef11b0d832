// Files on POSIX systems: a File is a heap-held file descriptor. Error
// codes are errno values.
#include "platform/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

int Descriptor(File file) { return *static_cast<int*>(file); }

// A write past the process's file-size limit raises SIGXFSZ, which ends the
// process unless it is blocked. The threads that write files block it for
// themselves, once, so that the write fails with EFBIG instead: a full or
// limited disk must end a recording, never the host program.
void BlockFileSizeSignal() {
    thread_local bool blocked = false;
    if (blocked) return;
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGXFSZ);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    blocked = true;
}

}  // namespace

uint32_t CreateNewFile(const char* utf8Path, File* file) {
    *file = nullptr;
    const int fd = ::open(utf8Path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return static_cast<uint32_t>(errno);
    *file = new int(fd);
    return 0;
}

uint32_t WriteFileAt(File file, uint64_t offset, const void* data, size_t length) {
    BlockFileSizeSignal();
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (length > 0) {
        const ssize_t n = ::pwrite(Descriptor(file), bytes, length, static_cast<off_t>(offset));
        if (n < 0) {
            if (errno == EINTR) continue;
            return static_cast<uint32_t>(errno);
        }
        if (n == 0) return ENOSPC;
        bytes += n;
        offset += static_cast<uint64_t>(n);
        length -= static_cast<size_t>(n);
    }
    return 0;
}

uint32_t SetFileLength(File file, uint64_t length) {
    BlockFileSizeSignal();
    return ::ftruncate(Descriptor(file), static_cast<off_t>(length)) == 0
               ? 0
               : static_cast<uint32_t>(errno);
}

uint32_t SyncFile(File file) {
    return ::fsync(Descriptor(file)) == 0 ? 0 : static_cast<uint32_t>(errno);
}

uint32_t CloseFile(File file) {
    const int fd = Descriptor(file);
    delete static_cast<int*>(file);
    return ::close(fd) == 0 ? 0 : static_cast<uint32_t>(errno);
}

void RemoveFile(const char* utf8Path) { ::unlink(utf8Path); }

std::string FullPath(const char* utf8Path) {
    const std::string path(utf8Path);
    if (path.empty() || path[0] == '/') return path;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    char* real = ::realpath(folder.c_str(), nullptr);
    if (!real) return path;
    std::string full(real);
    std::free(real);
    if (full.back() != '/') full += '/';
    return full + (slash == std::string::npos ? path : path.substr(slash + 1));
}

bool IsFileExistsError(uint32_t code) { return code == EEXIST; }

std::string FileErrorText(uint32_t code) {
    char buffer[256] = {};
    // The GNU strerror_r returns its text, which may not be the buffer.
#if defined(__GLIBC__) && defined(_GNU_SOURCE)
    const char* text = strerror_r(static_cast<int>(code), buffer, sizeof buffer);
#else
    const char* text = strerror_r(static_cast<int>(code), buffer, sizeof buffer) == 0 ? buffer : "";
#endif
    return text && text[0] ? text : "Unknown";
}

}  // namespace platform
