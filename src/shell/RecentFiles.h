#pragma once
// The singles files opened or saved last, newest first, kept in a file of their own.
#include <string>
#include <vector>

namespace kujimate {

class RecentFiles {
public:
    static constexpr size_t Limit = 8;
    // Relative to the program folder.
    static constexpr const char* FileName = "UserData\\KUJIMATE\\RecentFiles.txt";

    // Reads the list; a missing, empty or damaged file gives what of it can be used.
    void Load();
    const std::vector<std::string>& Paths() const { return paths_; }
    // Each writes the list back at once.
    void Add(const std::string& path);
    void Remove(const std::string& path);

private:
    void Save() const;
    std::vector<std::string> paths_;
};

}  // namespace kujimate
