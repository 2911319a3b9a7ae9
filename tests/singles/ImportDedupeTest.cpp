#include <gtest/gtest.h>

#include "analysis/clsTClipboard.h"
#include "shell/ListCommands.h"
#include "singles/basSingles.h"
#include "singles/clsTClipImport.h"
#include "support/Report.h"

using namespace kujimate;

TEST(ClipImport, OnlyValidLinesInTheirOrder) {
    const std::string text =
        "07:10210210210\r\n"
        "1021 0210 210\r\n"
        "No.3:22222222222\r\n"
        "１０２１０２１０２１０\r\n"  // full-width digits
        "1021021021\r\n"
        "102102102100\r\n"
        "10210210213\r\n"
        "a:b:00000000000\r\n"  // everything after the first colon counts
        "\r\n"
        "00000000001";
    EXPECT_EQ(clsTClipImport().ClipImport(0, text), (std::vector<int32_t>{34066, 34066, 177146, 59049}));
    EXPECT_TRUE(clsTClipImport().ClipImport(1, text).empty());
    // LF alone does not end a line.
    EXPECT_TRUE(clsTClipImport().ClipImport(0, "10210210210\n10210210210\n").empty());
    EXPECT_EQ(clsTClipImport().ClipImport(0, "10210210210\n").size(), 0u);
    EXPECT_EQ(clsTClipImport().ClipImport(0, "10210210210").size(), 1u);

    // Fed in pieces that cut CR LF apart, the text reads the same.
    clsTClipImport::Reader r;
    for (char c : text) r.Feed(std::string_view(&c, 1));
    r.Finish();
    EXPECT_EQ(r.Singles, (std::vector<int32_t>{34066, 34066, 177146, 59049}));
}

TEST(ClipImport, ALineAboveOneMebibyteFailsTheImport) {
    RecordingReporter rec;
    const std::string mebibyte = std::string((1 << 20) - 11, ' ') + "10210210210";
    EXPECT_EQ(clsTClipImport().ClipImport(0, "00000000001\r\n" + mebibyte + "\r\n" + mebibyte),
              (std::vector<int32_t>{59049, 34066, 34066}));
    EXPECT_TRUE(rec.Messages().empty());

    EXPECT_TRUE(clsTClipImport().ClipImport(0, "00000000001\r\n " + mebibyte + "\r\n00000000001").empty());
    const auto msgs = rec.Messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].text, "型が一致しません。 ( 13 )");
    EXPECT_EQ(msgs[0].caption, "KUJIMATE / clsTClipImport / ClipImport");

    // An endless stream stops being read at that point.
    clsTClipImport::Reader r;
    const std::string zeros(1 << 16, '\0');
    int pieces = 0;
    while (!r.Failed() && pieces < 100) {
        r.Feed(zeros);
        ++pieces;
    }
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(pieces, 17);
}

TEST(ClipImport, TheRowLayoutComesBackUnchanged) {
    std::vector<int32_t> list;
    for (int32_t i = 0; i < 1234; ++i) list.push_back((i * 7919) % 177147);
    auto text = clsTClipboard::GetText(clsTClipboard::RowLayout, list);
    ASSERT_TRUE(text);
    EXPECT_EQ(clsTClipImport().ClipImport(0, *text), list);
}

TEST(ClipImport, ReplacesTheListOnlyWhenItHoldsSingles) {
    RecordingReporter rec;
    clsTDocument doc;
    doc.Load(std::vector<int32_t>(100, 3), "");
    const auto& list = doc.Singles();
    const auto& frame = doc.Frame();
    EXPECT_FALSE(TakeImportedSingles({}, doc));
    EXPECT_EQ(list.size(), 100u);
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_TRUE(TakeImportedSingles({1, 2, 3, 4, 5}, doc));
    EXPECT_EQ(list, (std::vector<int32_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(frame[0][0], 1);  // only single 3 has 0 for match 1
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "5口取り込みしました");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);
}

TEST(Dedupe, FirstOccurrencesSurvive) {
    RecordingReporter rec;
    clsTDocument doc;
    doc.Load({1, 2, 1, 3, 2}, "");
    const auto& list = doc.Singles();
    const auto& frame = doc.Frame();
    EXPECT_TRUE(JSingleDel(doc));
    EXPECT_EQ(list, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(frame[1][0], 1);
    EXPECT_EQ(frame[0][0] + frame[1][0] + frame[2][0], 3);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "重複したシングルを消去しました\r\nシングル総数：5 → 3");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE");

    rec.Clear();
    EXPECT_TRUE(JSingleDel(doc));
    EXPECT_EQ(rec.Messages().at(0).text, "重複したシングルは存在しません");

    rec.Clear();
    doc.Clear();
    EXPECT_FALSE(JSingleDel(doc));
    EXPECT_TRUE(rec.Messages().empty());

    std::vector<int32_t> many(5000, 7);
    many.push_back(8);
    doc.Load(many, "");
    EXPECT_TRUE(JSingleDel(doc));
    EXPECT_EQ(rec.Messages().back().text, "重複したシングルを消去しました\r\nシングル総数：5,001 → 2");
}

TEST(NumberDialog, KeysOkAndTheCheckOnOk) {
    RecordingReporter rec;
    for (char32_t k : {U'0', U'1', U'2', U'\b'}) EXPECT_TRUE(NumbersDialog::KeyAccepted(k));
    for (char32_t k : {U'3', U'a', U' ', U'０'}) EXPECT_FALSE(NumbersDialog::KeyAccepted(k));
    EXPECT_FALSE(NumbersDialog::OkEnabled("1021021021"));
    EXPECT_TRUE(NumbersDialog::OkEnabled("10210210213"));
    EXPECT_TRUE(NumbersDialog::Accept("10210210210"));
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_FALSE(NumbersDialog::Accept("10210210213"));
    EXPECT_FALSE(NumbersDialog::Accept("１０２１０２１０２１０"));
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(rec.Messages()[0].text, "入力データが異常です。");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Warning);
}
