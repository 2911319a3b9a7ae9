#include "FuzzSupport.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/Encoding.h"
#include "support/Report.h"
#include "support/clsFileSystemObject.h"

namespace kujimate::fuzz {
namespace {
namespace fs = std::filesystem;

// A message box per rejected input would be all the fuzzer measures.
class Silent : public Reporter {
public:
    void Message(const std::string&, MsgIcon, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
};

std::string MakeFolder() {
    static Silent silent;
    SetReporter(&silent);
    // Memory-backed where there is one: every input is written once.
    const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string tmpl = std::string(base) + "/kujimate-fuzz-XXXXXX";
    if (!::mkdtemp(tmpl.data())) std::abort();
    fs::copy(KUJIMATE_SYSDATA_SOURCE, fs::path(tmpl) / "SysData", fs::copy_options::recursive);
    clsFileSystemObject::SetProgramFolder(tmpl);
    // The folder's name outlives every string for the removal at exit.
    static char name[512];
    tmpl.copy(name, sizeof name - 1);
    std::atexit([] {
        std::error_code ec;
        fs::remove_all(name, ec);
    });
    return tmpl;
}
}  // namespace

const std::string& ProgramFolder() {
    static const std::string folder = MakeFolder();
    return folder;
}

std::string WriteInput(const uint8_t* data, size_t size, const std::string& name) {
    const std::string path = ProgramFolder() + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) std::abort();
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n <= 0) std::abort();
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    return path;
}

std::vector<std::string> InputLines(const uint8_t* data, size_t size) {
    const std::string text = SanitizeUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
        lines.push_back(text.substr(start, lf - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

}  // namespace kujimate::fuzz
