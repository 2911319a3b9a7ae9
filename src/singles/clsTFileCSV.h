#pragma once
// The singles file: one single per line, "1,0,2,1,0,2,1,0,2,1,0", CR LF after every line.
#include <cstdint>
#include <string>
#include <vector>

namespace kujimate {

class clsTFileCSV {
public:
    static constexpr const char* Prefix = "KMATE-";

    // Fixed-width lines are read in bulk; LineByLine takes every line through the general
    // reader, which the bulk path must agree with on every file.
    enum class Reader { Bulk, LineByLine };
    explicit clsTFileCSV(Reader reader = Reader::Bulk) : reader_(reader) {}

    // Both report failures themselves and return false. A failed load leaves the arguments
    // as they were; a failed save leaves any previous file whole.
    bool CsvSave(const std::string& strFileName, int32_t lngSCount, const std::vector<int32_t>& lngSingle) const;
    bool CsvLoad(const std::string& strFileName, int32_t& lngSCount, std::vector<int32_t>& lngSingle) const;

    // "KMATE-012A.csv" for draw 12 of group A.
    static std::string GetCsvFileName(int32_t lngKaisaikai, const std::string& strKumi);
    // The draw number a file name carries, 0 when none.
    static int32_t GetKaisaikai(const std::string& strPath);

private:
    bool CsvSave_Sub(const std::string& path, int32_t count, const std::vector<int32_t>& list) const;
    bool CsvLoad_Sub(const std::string& path, int32_t& count, std::vector<int32_t>& list) const;
    static int32_t GetKaisaikai_Sub(const std::u32string& name, size_t start);

    Reader reader_;
};

}  // namespace kujimate
