#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <tuple>

#include "common/TestSupport.h"
#include "singles/clsTFileCSV.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {
class FileCsvTest : public ProgramFolderTest {
protected:
    std::string Path(const std::string& name) { return (folder / name).string(); }
    // Loads bytes written to a file; returns whether the load succeeded.
    bool Load(const std::string& bytes, std::vector<int32_t>& list) {
        WriteBytes(folder / "in.csv", bytes);
        int32_t count = -1;
        bool ok = clsTFileCSV().CsvLoad(Path("in.csv"), count, list);
        if (ok) {
            EXPECT_EQ(count, static_cast<int32_t>(list.size()));
        }
        return ok;
    }
};
const std::string L34066 = "1,0,2,1,0,2,1,0,2,1,0";
}  // namespace

TEST_F(FileCsvTest, SaveWritesOneLinePerSingleAndLoadGivesTheListBack) {
    std::vector<int32_t> list{34066, 0, 177146, 34066, 1};
    ASSERT_TRUE(clsTFileCSV().CsvSave(Path("UserData/KUJIMATE/a.csv"), 5, list));
    EXPECT_EQ(ReadBytes(folder / "UserData/KUJIMATE/a.csv"),
              L34066 + "\r\n0,0,0,0,0,0,0,0,0,0,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n" + L34066 +
                  "\r\n1,0,0,0,0,0,0,0,0,0,0\r\n");
    std::vector<int32_t> back;
    int32_t count = 0;
    ASSERT_TRUE(clsTFileCSV().CsvLoad("UserData\\KUJIMATE\\a.csv", count, back));  // below the program folder
    EXPECT_EQ(count, 5);
    EXPECT_EQ(back, list);

    // Every single number, written and read back by both readers.
    std::vector<int32_t> all(177147);
    for (int32_t i = 0; i < 177147; ++i) all[i] = (i * 7919) % 177147;
    ASSERT_TRUE(clsTFileCSV().CsvSave(Path("all.csv"), 177147, all));
    for (auto reader : {clsTFileCSV::Reader::Bulk, clsTFileCSV::Reader::LineByLine}) {
        ASSERT_TRUE(clsTFileCSV(reader).CsvLoad(Path("all.csv"), count, back));
        EXPECT_EQ(back, all);
    }

    ASSERT_TRUE(clsTFileCSV().CsvSave(Path("empty.csv"), 0, {}));
    EXPECT_EQ(ReadBytes(folder / "empty.csv"), "");
    ASSERT_TRUE(clsTFileCSV().CsvLoad(Path("empty.csv"), count, back));
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(back.empty());
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(FileCsvTest, LinesThatDescribeNoSingleAreSkipped) {
    struct Case {
        const char* line;
        bool accepted;
    } cases[] = {
        {"1,0,2,1,0,2,1,0,2,1,0", true},
        {" 1, 0 ,2,+1,0.0,2,1.,0,2,01,-0", true},  // numbers equal to 0, 1, 2
        {"1,0,2,1,0,2,1,0,2,1", false},              // 10 fields
        {"1,0,2,1,0,2,1,0,2,1,0,2", false},          // 12 fields
        {"", false},
        {"1,0,2,1,0,2,1,0,2,1,3", false},
        {"1,0,2,1,0,2,1,0,2,1,255", false},
        {"1,0,2,1,0,2,1,0,2,1,1.4", false},
        {"1,0,2,1,0,2,1,0,2,1,-1", false},
        {"1,0,2,1,0,2,1,0,2,1,10", false},
        {"x,y", false},  // not eleven fields: skipped, not a failure
    };
    for (const auto& c : cases) {
        std::vector<int32_t> list;
        ASSERT_TRUE(Load(std::string("0,0,0,0,0,0,0,0,0,0,0\r\n") + c.line + "\r\n2,2,2,2,2,2,2,2,2,2,2\r\n", list))
            << c.line;
        if (c.accepted) EXPECT_EQ(list, (std::vector<int32_t>{0, 34066, 177146})) << c.line;
        else EXPECT_EQ(list, (std::vector<int32_t>{0, 177146})) << c.line;
    }
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(FileCsvTest, AFieldThatIsNoNumberFailsTheLoadAndLeavesTheArguments) {
    for (const char* line : {"x,0,2,1,0,2,1,0,2,1,0", "1,0,2,1,0,2,1,0,2,1,", "1,0,2,1,0,2,1,0,2,1,１",
                             "1,0,2,1,0,2,1,0,2,1,1 1", "1,0,2,1,0,2,1,0,2,1,."}) {
        rec.Clear();
        std::vector<int32_t> list{7, 8};
        int32_t count = 2;
        WriteBytes(folder / "bad.csv", L34066 + "\r\n" + line + "\r\n");
        EXPECT_FALSE(clsTFileCSV().CsvLoad(Path("bad.csv"), count, list)) << line;
        EXPECT_EQ(count, 2);
        EXPECT_EQ(list, (std::vector<int32_t>{7, 8}));
        ASSERT_EQ(rec.Messages().size(), 1u) << line;
        EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTFileCSV / CsvLoad_Sub");
        EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Error);
        EXPECT_EQ(rec.Messages()[0].text, "型が一致しません。 ( 13 )");
    }
    rec.Clear();
    std::vector<int32_t> list;
    int32_t count = 0;
    EXPECT_FALSE(clsTFileCSV().CsvLoad(Path("missing.csv"), count, list));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTFileCSV / CsvLoad_Sub");
}

TEST_F(FileCsvTest, LoneLineEndsLongLinesAndJunkStayBounded) {
    std::vector<int32_t> list;
    // LF alone and CR alone end lines too.
    ASSERT_TRUE(Load(L34066 + "\n" + L34066 + "\r" + L34066, list));
    EXPECT_EQ(list.size(), 3u);
    // A line of up to 1 MiB is read as usual, without being held.
    const std::string tenZeros = "0,0,0,0,0,0,0,0,0,0,";
    const std::string mebibyteLine = tenZeros + std::string((1 << 20) - tenZeros.size() - 1, '0') + "2";
    ASSERT_TRUE(Load(mebibyteLine + "\r\n" + std::string(1 << 20, '1') + "\r\n", list));
    EXPECT_EQ(list, (std::vector<int32_t>{2 * 59049}));
    // Binary junk without eleven fields a line is skipped as a whole.
    std::string junk;
    std::mt19937 rng(7);
    for (int i = 0; i < (1 << 20); ++i) {
        char c = static_cast<char>(rng());
        junk += c == ',' ? ';' : c;
    }
    ASSERT_TRUE(Load(junk, list));
    EXPECT_TRUE(list.empty());
    // A million empty lines reserve nothing like a million singles.
    ASSERT_TRUE(Load(std::string(1000000, '\n') + L34066, list));
    EXPECT_EQ(list, (std::vector<int32_t>{34066}));
    EXPECT_LT(list.capacity(), 100000u);
}

// One byte more is malformed input, and the read stops there: a file that never ends
// (a device, a pipe) cannot keep the load going.
TEST_F(FileCsvTest, ALineAboveOneMebibyteFailsTheLoadWhereItIsFound) {
    std::vector<int32_t> list{7};
    for (const std::string& text : {L34066 + "\r\n" + std::string((1 << 20) + 1, '1') + "\r\n" + L34066,
                                    std::string((1 << 20) + 1, ',')}) {
        rec.Clear();
        EXPECT_FALSE(Load(text, list));
        EXPECT_EQ(list, std::vector<int32_t>{7});
        const auto msgs = rec.Messages();
        ASSERT_EQ(msgs.size(), 1u);
        EXPECT_EQ(msgs[0].text, "型が一致しません。 ( 13 )");
        EXPECT_EQ(msgs[0].caption, "KUJIMATE / clsTFileCSV / CsvLoad_Sub");
    }
    const auto start = std::chrono::steady_clock::now();
    int32_t count = -1;
    EXPECT_FALSE(clsTFileCSV().CsvLoad("/dev/zero", count, list));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(count, -1);
}

TEST_F(FileCsvTest, ProgressStepsEvery1001Lines) {
    std::string text;
    for (int i = 0; i < 2500; ++i) text += (i % 2 ? L34066 : std::string("junk")) + "\r\n";
    std::vector<int32_t> list;
    ASSERT_TRUE(Load(text, list));
    EXPECT_EQ(list.size(), 1250u);
    using K = RecordingReporter::Kind;
    std::vector<std::string> steps;
    for (const auto& e : rec.entries) {
        if (e.kind == K::ProgressMessage) steps.push_back(e.text);
        if (e.kind == K::ProgressMax) steps.push_back("max " + std::to_string(e.number));
        if (e.kind == K::ProgressValue) steps.push_back("value " + std::to_string(e.number));
        if (e.kind == K::DoEvents) steps.push_back("events");
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"max 1", "CSVデータ数の取得中", "max 2500", "CSVファイルの読込中",
                                               "value 1001", "events", "value 2002", "events", "value 2500"}));
    EXPECT_EQ(rec.Count(K::ProgressOpen), 1);
    EXPECT_EQ(rec.Count(K::ProgressClose), 1);

    rec.Clear();
    ASSERT_TRUE(clsTFileCSV().CsvSave(Path("out.csv"), static_cast<int32_t>(list.size()), list));
    steps.clear();
    for (const auto& e : rec.entries) {
        if (e.kind == K::ProgressMessage) steps.push_back(e.text);
        if (e.kind == K::ProgressMax) steps.push_back("max " + std::to_string(e.number));
        if (e.kind == K::ProgressValue) steps.push_back("value " + std::to_string(e.number));
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"max 1249", "CSVファイルに保存中", "value 1000", "value 1249"}));
}

// Every file loads the same through the bulk reader of fixed-width lines as line by line:
// result, messages, progress steps and event points.
TEST_F(FileCsvTest, TheBulkReaderAgreesWithTheLineByLineReader) {
    struct Loaded {
        bool ok;
        int32_t count = -1;
        std::vector<int32_t> list{-1};
        std::vector<RecordingReporter::Entry> steps;
    };
    auto load = [&](clsTFileCSV::Reader reader) {
        rec.Clear();
        Loaded r{};
        r.ok = clsTFileCSV(reader).CsvLoad(Path("in.csv"), r.count, r.list);
        r.steps = rec.entries;
        return r;
    };
    const std::string p = L34066 + "\r\n";
    std::string many;  // crosses the reader's chunks of 1 MiB at every place in a line
    for (int i = 0; i < 150000; ++i) many += i % 3 ? p : "2,2,2,2,2,2,2,2,2,2,2\r\n";
    const std::string mebibyte = "0,0,0,0,0,0,0,0,0,0," + std::string((1 << 20) - 21, '0') + "1";
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"plain", p + p + p},
        {"digit 3", p + "1,0,2,1,0,2,1,0,2,1,3\r\n" + p},
        {"digit 3 first", "3,0,2,1,0,2,1,0,2,1,0\r\n" + p},
        {"letter", p + "1,0,2,1,0,2,1,0,2,1,x\r\n" + p},
        {"lone CR", p + L34066 + "\r" + p},
        {"lone LF", p + L34066 + "\n" + p},
        {"CR CR LF", p + L34066 + "\r\r\n" + p},
        {"LF first", "\n" + p + p},
        {"blank line", p + "\r\n" + p},
        {"no final CR LF", p + L34066},
        {"final CR only", p + L34066 + "\r"},
        {"12 fields", p + L34066 + ",1\r\n" + p},
        {"spaces", p + " 1,0,2,1,0,2,1,0,2,1,0\r\n" + p},
        {"semicolons", p + "1;0;2;1;0;2;1;0;2;1;0\r\n" + p},
        {"NUL in a line", p + std::string("1,0,2,1,0,2,1,0,2\0" "1,0\r\n", 23) + p},
        {"NUL bytes", std::string(4096, '\0')},
        {"NUL for a line end", p + L34066 + std::string(2, '\0') + p},
        {"1 MiB line", p + mebibyte + "\r\n" + p},
        {"line above 1 MiB", p + "," + mebibyte + "\r\n" + p},
        {"many lines", many},
        {"many lines, one bad at the end", many + "1,0,2,1,0,2,1,0,2,1,+\r\n"},
        {"many lines, one blank in the middle", many.substr(0, 23 * 70000) + "\r\n" + many.substr(23 * 70000)},
        {"many lines, a 3 in the middle", many.substr(0, 23 * 90001) + "1,0,2,1,0,2,1,3,2,1,0\r\n" + many},
        {"many lines, a letter in the middle", many.substr(0, 23 * 80000) + "1,0,2,1,0,x,1,0,2,1,0\r\n" + many},
        {"empty", ""},
    };
    for (const auto& c : cases) {
        WriteBytes(folder / "in.csv", c.bytes);
        const Loaded bulk = load(clsTFileCSV::Reader::Bulk);
        const Loaded lines = load(clsTFileCSV::Reader::LineByLine);
        EXPECT_EQ(bulk.ok, lines.ok) << c.what;
        EXPECT_EQ(bulk.count, lines.count) << c.what;
        EXPECT_EQ(bulk.list, lines.list) << c.what;
        ASSERT_EQ(bulk.steps.size(), lines.steps.size()) << c.what;
        for (size_t i = 0; i < bulk.steps.size(); ++i) {
            const auto& a = bulk.steps[i];
            const auto& b = lines.steps[i];
            EXPECT_EQ(std::tie(a.kind, a.icon, a.caption, a.text, a.number),
                      std::tie(b.kind, b.icon, b.caption, b.text, b.number))
                << c.what << ", step " << i;
        }
    }
    // Mutations of a plain file at random places, each byte a likely troublemaker.
    std::mt19937 rng(19);
    const char troubles[] = {'\r', '\n', ',', '3', '0', '2', ' ', '\0', 'x', '.'};
    for (int round = 0; round < 40; ++round) {
        std::string bytes = many.substr(0, 23 * 50000);
        for (int m = 0; m < 3; ++m) bytes[rng() % bytes.size()] = troubles[rng() % sizeof troubles];
        WriteBytes(folder / "in.csv", bytes);
        const Loaded bulk = load(clsTFileCSV::Reader::Bulk);
        const Loaded lines = load(clsTFileCSV::Reader::LineByLine);
        ASSERT_EQ(bulk.ok, lines.ok) << round;
        ASSERT_EQ(bulk.list, lines.list) << round;
        ASSERT_EQ(bulk.steps.size(), lines.steps.size()) << round;
        for (size_t i = 0; i < bulk.steps.size(); ++i)
            ASSERT_EQ(bulk.steps[i].number, lines.steps[i].number) << round << ", step " << i;
    }
}

TEST_F(FileCsvTest, AFailedSaveKeepsThePreviousFile) {
    WriteBytes(folder / "keep.csv", "old\r\n");
    ::chmod((folder / "keep.csv").c_str(), 0444);
    EXPECT_FALSE(clsTFileCSV().CsvSave(Path("keep.csv"), 1, {0}));
    EXPECT_EQ(ReadBytes(folder / "keep.csv"), "old\r\n");
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTFileCSV / CsvSave_Sub");
    for (const auto& e : fs::directory_iterator(folder.Path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos);
}

TEST(FileCsvNames, ProposedNamesAndDrawNumbersFromNames) {
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(12, "A"), "KMATE-012A.csv");
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(345, ""), "KMATE-345.csv");
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(5, ""), "KMATE-005.csv");
    EXPECT_EQ(clsTFileCSV::GetCsvFileName(1000, "B"), "KMATE-1000B.csv");
    struct Case {
        const char* path;
        int32_t draw;
    } cases[] = {
        {"KMATE-012A.csv", 12}, {"dir/kmate-7B.csv", 7}, {"X123.csv", 123},  {"C:\\x\\123.csv", 123},
        {"KMATE-A.csv", 0},     {"notes.csv", 0},        {"KMATE-12", 0},    {"x9.csv", 9},
        {"KMATE-0.csv", 0},     {"KMATE-007", 0},        {"", 0},            {"９９.csv", 0},
        {"KMATE-99999999999.csv", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(clsTFileCSV::GetKaisaikai(c.path), c.draw) << c.path;
}
