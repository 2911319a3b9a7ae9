#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "common/TestSupport.h"
#include "support/Encoding.h"
#include "support/FileAccess.h"
#include "support/clsFileStream.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

TEST(PathTexts, SplitAndJoinWindowsStylePaths) {
    clsFileSystemObject f;
    EXPECT_EQ(f.BuildPath("C:", "a.txt"), "C:a.txt");
    EXPECT_EQ(f.BuildPath("dir\\", "a.txt"), "dir\\a.txt");
    EXPECT_EQ(f.BuildPath("dir", "a.txt"), std::string("dir") + PathSep + "a.txt");
    EXPECT_EQ(f.BuildPath("", "a.txt"), std::string(1, PathSep) + "a.txt");
    EXPECT_EQ(f.GetFileName("SysData\\TeamName.dat"), "TeamName.dat");
    EXPECT_EQ(f.GetFileName("C:name"), "name");
    EXPECT_EQ(f.GetFileName("dir\\"), "");
    EXPECT_EQ(f.GetFileName("plain"), "plain");
    EXPECT_EQ(f.GetExtensionName("a\\b.tar.gz"), "gz");
    EXPECT_EQ(f.GetExtensionName("a.dir\\noext"), "");
    EXPECT_EQ(f.GetParentFolderName("a\\b\\c\\"), "a\\b");
    EXPECT_EQ(f.GetParentFolderName("C:\\x.txt"), "C:");
    EXPECT_EQ(f.GetParentFolderName("C:x.txt"), "");
    EXPECT_EQ(f.GetParentFolderName("/x.txt"), "/");
    EXPECT_EQ(f.ExtensionCheck("list.CSV", "csv"), "list.CSV");
    EXPECT_EQ(f.ExtensionCheck("list.txt", "csv"), "list.txt.csv");
    EXPECT_EQ(f.ExtensionCheck("list", "csv"), "list.csv");
}

TEST(PathTexts, RelativePathsLieBelowTheProgramFolder) {
    TempProgramFolder pf(false);
    clsFileSystemObject f;
    EXPECT_EQ(f.GetFullPath("SysData\\TeamName.dat"), (pf.Path() / "SysData" / "TeamName.dat").string());
    EXPECT_EQ(f.GetFullPath("\\\\server\\share"), "//server/share");
    EXPECT_EQ(f.GetFullPath("/abs/file"), "/abs/file");
}

// A relative folder given on a command line is taken against the working directory once.
TEST(PathTexts, ARelativeProgramFolderIsMadeAbsoluteOnce) {
    TempProgramFolder pf(false);
    const fs::path cwd = fs::current_path();
    fs::current_path(pf.Path());
    clsFileSystemObject::SetProgramFolder("pf/./");
    const std::string full = clsFileSystemObject().GetFullPath("SysData\\x.xml");
    fs::current_path(cwd);
    EXPECT_EQ(full, (pf.Path() / "pf" / "SysData" / "x.xml").string());
    EXPECT_EQ(clsFileSystemObject().GetFullPath(full), full);
}

TEST(FileSearch, FilesFoldersAndPatterns) {
    TempProgramFolder pf(false);
    clsFileSystemObject f;
    WriteBytes(pf / "SysData", "not a folder");
    EXPECT_TRUE(f.FolderExists(f.GetFullPath("SysData")));  // any entry counts
    EXPECT_TRUE(f.FileExists(f.GetFullPath("SysData")));
    fs::create_directories(pf / "d" / "sub.xml");
    WriteBytes(pf / "d" / "b.xml", "");
    WriteBytes(pf / "d" / "A.xml", "");
    WriteBytes(pf / "d" / ".hidden.xml", "");
    WriteBytes(pf / "d" / "c.txt", "");
    EXPECT_TRUE(f.FileExists(f.GetFullPath("d\\*.xml")));
    EXPECT_FALSE(f.FileExists(f.GetFullPath("d\\sub.xml")));
    EXPECT_TRUE(f.FolderExists(f.GetFullPath("d\\sub.xml")));
    EXPECT_FALSE(f.FileExists(f.GetFullPath("nowhere\\*.xml")));
    std::vector<std::string> list;
    EXPECT_EQ(f.GetFileList("d\\*.xml", list, true), 2);
    EXPECT_EQ(list, (std::vector<std::string>{"A.xml", "b.xml"}));
    EXPECT_EQ(f.GetFileList("d\\*.csv", list, true), 0);
    EXPECT_TRUE(list.empty());
}

TEST(FileSearch, FolderCheckCreatesEveryMissingLevel) {
    TempProgramFolder pf(false);
    clsFileSystemObject f;
    fs::create_directories(pf / "one");
    EXPECT_TRUE(f.FolderCheck("one\\two\\three"));
    EXPECT_TRUE(fs::is_directory(pf / "one" / "two" / "three"));
    EXPECT_TRUE(f.FolderCheck("one\\two\\three\\"));
}

TEST(InputFile, ReadsInPiecesAndTellsErrorsByNumber) {
    TempProgramFolder pf(false);
    const fs::path folder = pf / "日本語 の フォルダ";
    fs::create_directories(folder);
    const std::string path = PathText(folder / "リスト.csv");
    WriteBytes(FsPath(path), std::string(10000, 'x') + "end");
    InputFile in;
    ASSERT_EQ(in.Open(path), 0);
    EXPECT_EQ(in.Size(), 10003);
    std::string all;
    char buf[4096];
    for (size_t got = 1; got != 0;) {
        ASSERT_EQ(in.Read(buf, sizeof buf, got), 0);
        all.append(buf, got);
    }
    EXPECT_EQ(all.size(), 10003u);
    EXPECT_EQ(all.substr(9998), "xxend");
    EXPECT_EQ(in.Open(PathText(folder / "missing.csv")), ENOENT);
    EXPECT_FALSE(in.IsOpen());
    EXPECT_EQ(KindOfPath(PathText(folder)), FileKind::Folder);
    EXPECT_EQ(KindOfPath(path), FileKind::File);
    EXPECT_EQ(RemoveFile(path), 0);
    EXPECT_EQ(KindOfPath(path), FileKind::None);
    EXPECT_EQ(RemoveFile(path), ENOENT);
}

TEST(FileSearch, WildcardsMatchEitherCaseAndKeepALeadingDot) {
    struct Case { const char* pattern; const char* name; bool match; };
    for (const Case& c : {Case{"*.xml", "A.XML", true}, Case{"S?.csv", "s1.CSV", true}, Case{"s?.csv", "s12.csv", false},
                          Case{"*.xml", ".hidden.xml", false}, Case{".*", ".hidden", true}, Case{"*", "名前.dat", true},
                          Case{"*.dat", "名前.dat", true}, Case{"a*b", "ab", true}, Case{"a*b", "abc", false}})
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

class FileStreamTest : public ::testing::Test {
protected:
    TempProgramFolder pf{false};
    RecordingReporter rec;
    clsFileStream fs_;
};

TEST_F(FileStreamTest, SavesShiftJisAndReplacesTheWholeFile) {
    ASSERT_TRUE(fs_.SaveToFile("new\\folder\\a.txt", "開催回\r\n長い長い長い内容"));
    EXPECT_EQ(ReadBytes(pf / "new" / "folder" / "a.txt"), Utf8ToCp932("開催回\r\n長い長い長い内容"));
    ASSERT_TRUE(fs_.SaveToFile("new\\folder\\a.txt", "短"));
    EXPECT_EQ(ReadBytes(pf / "new" / "folder" / "a.txt"), Utf8ToCp932("短"));
    std::string back;
    ASSERT_TRUE(fs_.LoadFromFile("new\\folder\\a.txt", back));
    EXPECT_EQ(back, "短");
    EXPECT_TRUE(rec.Messages().empty());
    // Nothing but the target is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(pf / "new" / "folder"), fs::directory_iterator()), 1);
}

TEST_F(FileStreamTest, CharactersOutsideTheCodePageDoNotSurvive) {
    ASSERT_TRUE(fs_.SaveToFile("x.txt", "Müller"));
    std::string back;
    ASSERT_TRUE(fs_.LoadFromFile("x.txt", back));
    EXPECT_EQ(back, "M?ller");
}

TEST_F(FileStreamTest, MissingFileIsReportedOnlyWhenAsked) {
    std::string data = "unchanged";
    fs_.ErrMessage(false);
    EXPECT_FALSE(fs_.LoadFromFile("none.txt", data));
    EXPECT_TRUE(rec.Messages().empty());
    fs_.ErrMessage(true);
    EXPECT_FALSE(fs_.LoadFromFile("none.txt", data));
    ASSERT_EQ(rec.Messages().size(), 1u);
    const auto m = rec.Messages()[0];
    EXPECT_EQ(m.text, "ファイルが存在しません。\r\n" + (pf / "none.txt").string());
    EXPECT_EQ(m.caption, "KUJIMATE / clsFileStream / LoadFromFile");
    EXPECT_EQ(m.icon, MsgIcon::Warning);
    EXPECT_EQ(data, "unchanged");
}

TEST_F(FileStreamTest, TextEndsAtTheFirstZeroByte) {
    WriteBytes(pf / "z.txt", std::string("abc\0def", 7));
    std::string data;
    ASSERT_TRUE(fs_.LoadFromFile("z.txt", data));
    EXPECT_EQ(data, "abc");
}

TEST_F(FileStreamTest, FailedSaveKeepsTheOldFileByteForByte) {
    const std::string old = Utf8ToCp932("古い内容\r\n");
    WriteBytes(pf / "ro" / "f.txt", old);
    WriteBytes(pf / "rofolder" / "g.txt", old);
    fs::create_directories(pf / "target_is_folder.txt");

    ::chmod((pf / "ro" / "f.txt").c_str(), 0444);
    EXPECT_FALSE(fs_.SaveToFile("ro\\f.txt", "新しい"));
    ::chmod((pf / "rofolder").c_str(), 0555);
    EXPECT_FALSE(fs_.SaveToBinaryFile("rofolder\\g.txt", "new"));
    EXPECT_FALSE(fs_.SaveToFile("rofolder\\h.txt", "new"));
    EXPECT_FALSE(fs_.SaveToFile("target_is_folder.txt", "new"));

    EXPECT_EQ(ReadBytes(pf / "ro" / "f.txt"), old);
    EXPECT_EQ(ReadBytes(pf / "rofolder" / "g.txt"), old);
    EXPECT_FALSE(fs::exists(pf / "rofolder" / "h.txt"));
    EXPECT_TRUE(fs::is_directory(pf / "target_is_folder.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(pf / "ro"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(pf / "rofolder"), fs::directory_iterator()), 1);

    auto msgs = rec.Messages();
    ASSERT_EQ(msgs.size(), 4u);
    EXPECT_EQ(msgs[0].caption, "KUJIMATE / clsFileStream / SaveToFile");
    EXPECT_EQ(msgs[0].icon, MsgIcon::Error);
    EXPECT_NE(msgs[0].text.find((pf / "ro" / "f.txt").string()), std::string::npos);
    EXPECT_NE(msgs[0].text.find(" ( 13 )"), std::string::npos);
    EXPECT_EQ(msgs[1].caption, "KUJIMATE / clsFileStream / SaveToBinaryFile");
}

// Temporaries of a save that was killed are cleared by the next save of the same target,
// and nothing else is.
TEST_F(FileStreamTest, ASaveRemovesLeftoverTemporariesOfItsOwnTarget) {
    const fs::path dir = pf / "d";
    const std::vector<std::string> leftovers = {"t.xml.tmp.AbC123", "t.xml.tmp.zzzzzz", "t.xml.tmp.000000"};
    const std::vector<std::string> others = {
        "t.xml.tmp.AbC12",  "t.xml.tmp.AbC1234", "t.xml.tmp.Ab-123", "u.xml.tmp.AbC123", "xt.xml.tmp.AbC123",
        "t.xml.tmp.AbC123.bak", "t.xml.bak",     "T.XML.tmp.AbC123"};
    for (const auto& n : leftovers) WriteBytes(dir / n, std::string(1000, 'x'));
    for (const auto& n : others) WriteBytes(dir / n, "keep");
    fs::create_directories(dir / "t.xml.tmp.Folder");
    fs::create_symlink(dir / "t.xml.bak", dir / "t.xml.tmp.Linked");

    ASSERT_TRUE(fs_.SaveToFile("d\\t.xml", "new"));
    EXPECT_EQ(ReadBytes(dir / "t.xml"), "new");
    for (const auto& n : leftovers) EXPECT_FALSE(fs::exists(dir / n)) << n;
    for (const auto& n : others) EXPECT_EQ(ReadBytes(dir / n), "keep") << n;
    EXPECT_TRUE(fs::is_directory(dir / "t.xml.tmp.Folder"));
    EXPECT_TRUE(fs::is_symlink(dir / "t.xml.tmp.Linked"));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(FileStreamTest, HugeAndBinaryFilesLoad) {
    std::string big(30 * 1024 * 1024, 'a');
    for (size_t i = 0; i < big.size(); i += 997) big[i] = static_cast<char>(0x81 + (i % 100));
    big[5] = '\0';
    WriteBytes(pf / "big.bin", big);
    std::string data;
    ASSERT_TRUE(fs_.LoadFromFile("big.bin", data));
    EXPECT_EQ(data, Cp932ToUtf8(big.substr(0, 5)));
    big[5] = 'a';
    WriteBytes(pf / "big.bin", big);
    ASSERT_TRUE(fs_.LoadFromFile("big.bin", data));
    EXPECT_GT(data.size(), big.size() - 100000);
    std::string bytes;
    ASSERT_TRUE(fs_.LoadFromBinaryFile("big.bin", bytes));
    EXPECT_EQ(bytes, big);
}
