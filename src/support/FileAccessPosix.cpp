#include "support/FileAccess.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kujimate {

int InputFile::Open(const std::string& path) {
    Close();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    handle_ = fd;
    return 0;
}

int InputFile::Read(char* buffer, size_t size, size_t& got) {
    got = 0;
    if (handle_ == -1) return EBADF;
    for (;;) {
        ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
        if (n >= 0) {
            got = static_cast<size_t>(n);
            return 0;
        }
        if (errno != EINTR) return errno;
    }
}

int64_t InputFile::Size() const {
    struct stat st {};
    if (handle_ == -1 || ::fstat(static_cast<int>(handle_), &st) != 0) return -1;
    return static_cast<int64_t>(st.st_size);
}

void InputFile::Close() {
    if (handle_ == -1) return;
    ::close(static_cast<int>(handle_));
    handle_ = -1;
}

FileKind KindOfPath(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileKind::None;
    return S_ISDIR(st.st_mode) ? FileKind::Folder : FileKind::File;
}

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    return ::fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD | FNM_CASEFOLD) == 0;
}

std::string ExecutableFolderPath() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::FILE* OpenStdioFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

int RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

bool IsReadable(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }
bool IsWritable(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

bool ProcessIsElevated() { return ::geteuid() == 0; }

int ReadStandardInput(char* buffer, size_t size, size_t& got) {
    got = 0;
    for (;;) {
        ssize_t n = ::read(STDIN_FILENO, buffer, size);
        if (n >= 0) {
            got = static_cast<size_t>(n);
            return 0;
        }
        if (errno != EINTR) return errno;
    }
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

}  // namespace kujimate
