#pragma once
// The file calls that differ between platforms, one implementation file per platform
// (FileAccessPosix.cpp, FileAccessWindows.cpp). Paths are UTF-8 texts; failures are errno
// numbers (a platform's own codes are mapped onto them), so the messages read the same on
// every platform.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kujimate {

// A UTF-8 path text as a std::filesystem path, and back: the narrow forms of std::filesystem
// are the system code page on some platforms, which cannot hold every Japanese name.
inline std::filesystem::path FsPath(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string PathText(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

// A file opened for reading, read in pieces into the caller's buffer.
class InputFile {
public:
    InputFile() = default;
    ~InputFile() { Close(); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    int Open(const std::string& path);  // 0 or errno
    // Up to size bytes into buffer; got is 0 at the end of the file. Returns 0 or errno.
    int Read(char* buffer, size_t size, size_t& got);
    int64_t Size() const;  // -1 when it cannot be told
    void Close();
    bool IsOpen() const { return handle_ != -1; }

private:
    std::intptr_t handle_ = -1;
};

enum class FileKind { None, File, Folder };
FileKind KindOfPath(const std::string& path);

// Whether a file name matches a pattern of "*" and "?": letters of either case, and a
// leading "." of the name only by a "." of the pattern.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The folder of the running executable; empty when it cannot be told.
std::string ExecutableFolderPath();

// fopen for a UTF-8 path.
std::FILE* OpenStdioFile(const std::string& path, const char* mode);
int RemoveFile(const std::string& path);  // 0 or errno
bool IsReadable(const std::string& path);
bool IsWritable(const std::string& path);

// Whether the process runs with the system's administrator rights.
bool ProcessIsElevated();

// Reads standard input unchanged (no line-end translation); got is 0 at its end.
int ReadStandardInput(char* buffer, size_t size, size_t& got);

// The command line's arguments as UTF-8 texts, argv[0] included.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace kujimate
