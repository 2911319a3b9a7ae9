#pragma once
// Streams a large file to a temporary file beside the target and renames it over the
// target at the end, so a failed save never costs the previous file.
#include <string>
#include <string_view>

namespace kujimate {

class clsAtomicFileWriter {
public:
    clsAtomicFileWriter() = default;
    ~clsAtomicFileWriter();  // an uncommitted temporary file is removed
    clsAtomicFileWriter(const clsAtomicFileWriter&) = delete;
    clsAtomicFileWriter& operator=(const clsAtomicFileWriter&) = delete;

    // fullPath: an absolute path whose folder exists. Each call returns 0 or an errno value.
    int Open(const std::string& fullPath);
    int Write(std::string_view bytes);
    int Commit();

private:
    int Flush();
    void Abort();

    std::string target_;
    std::string temp_;
    std::string buffer_;
    int fd_ = -1;
    unsigned mode_ = 0;
};

}  // namespace kujimate
