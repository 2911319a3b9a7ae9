#include <gtest/gtest.h>

#include <map>

#include "analysis/clsTSingleFrame.h"
#include "shell/clsTDocument.h"
#include "views/clsTSingle.h"
#include "support/Report.h"

using namespace kujimate;

namespace {

// What the window would show.
struct ShownView : clsTSingle::View {
    std::string count, page;
    bool previous = true, next = true;
    std::map<int, std::pair<int32_t, bool>> cards;  // slot -> number, selected
    std::map<int, std::array<std::string, 5>> columns;
    void SingleCountText(const std::string& t) override { count = t; }
    void PageText(const std::string& t) override { page = t; }
    void PreviousLook(bool e) override { previous = e; }
    void NextLook(bool e) override { next = e; }
    void Card(int s, int32_t n, bool sel, int32_t) override { cards[s] = {n, sel}; }
    void CardNumber(int s, int32_t n, bool sel) override { cards[s] = {n, sel}; }
    void ListColumn(int s, const std::array<std::string, 5>& r) override { columns[s] = r; }
};

// The main window's side: its document owns the list and applies the tab's edits.
struct SingleTab : ::testing::Test {
    RecordingReporter rec;
    ShownView view;
    clsTSingle tab;
    clsTDocument doc;
    const std::vector<int32_t>& list = doc.Singles();
    const SingleFrame& frame = doc.Frame();
    std::vector<std::string> events;

    void SetUp() override {
        tab.SetView(&view);
        tab.ChangeValue = [&](int32_t i, int32_t n) {
            events.push_back("value");
            doc.ChangeValue(i, n);
        };
        tab.ChangeCount = [&](const clsTSingle::CountEdit& e) {
            events.push_back("count");
            if (e.removed) doc.RemoveFlagged(*e.removed);
            else doc.Append(e.appended);
            tab.SetSingle(doc.Count(), doc.Singles());
        };
        doc.ChangeFrame = [&](const SingleFrame& f) {
            tab.SetSingleFrame(f, {});
            events.push_back("frame");
        };
    }
    void Show(std::vector<int32_t> l) {
        doc.Load(std::move(l), "");
        tab.SetSingle(doc.Count(), doc.Singles());
        tab.MovePage(0);
        tab.SetSingleFrame(frame, {});
        tab.MovePage(0);
        events.clear();
    }
    SingleFrame Recount() const {
        SingleFrame f{};
        clsTSingleFrame().GetSingleFrame(static_cast<int32_t>(list.size()), list, f);
        return f;
    }
};

}  // namespace

TEST_F(SingleTab, PagesOfTen) {
    Show({});
    EXPECT_EQ(view.count, "0");
    EXPECT_EQ(view.page, "1／1");
    EXPECT_FALSE(view.previous);
    EXPECT_FALSE(view.next);
    for (int s = 0; s < 10; ++s) EXPECT_EQ(view.cards[s].first, -1);

    Show(std::vector<int32_t>(11, 5));
    EXPECT_EQ(tab.LastPage(), 1);
    EXPECT_EQ(view.page, "1／2");
    EXPECT_FALSE(view.previous);
    EXPECT_TRUE(view.next);
    tab.MovePageLast();
    EXPECT_EQ(view.page, "2／2");
    EXPECT_EQ(view.cards[0].first, 11);
    for (int s = 1; s < 10; ++s) EXPECT_EQ(view.cards[s].first, -1);
    EXPECT_TRUE(view.previous);
    EXPECT_FALSE(view.next);
    tab.MoveNext();
    EXPECT_EQ(tab.Page(), 1);
    tab.MovePrevious();
    tab.MovePrevious();
    EXPECT_EQ(tab.Page(), 0);

    Show(std::vector<int32_t>(12345, 0));
    EXPECT_EQ(view.count, "12,345");
    EXPECT_EQ(tab.LastPage(), 1234);
}

TEST_F(SingleTab, EditingOneOutcomeKeepsTheCompositionRight) {
    Show({0, 34066, 177146});
    tab.MouseDown(1, 2, 1, 1);  // single 2, match 2: 0 -> 2
    EXPECT_EQ(list[1], 34066 + 2 * 3);
    EXPECT_EQ(events, (std::vector<std::string>{"value", "frame"}));
    EXPECT_EQ(frame, Recount());
    const SingleFrame before = frame;
    tab.MouseDown(1, 2, 1, 2);  // the outcome it already has
    EXPECT_EQ(frame, before);
    EXPECT_EQ(events.size(), 4u);

    // A click on an empty card appends a single of eleven 0s and shows the last page.
    events.clear();
    tab.MouseDown(5, 1, 0, 1);
    EXPECT_EQ(list, (std::vector<int32_t>{0, 34066 + 6, 177146, 0}));
    EXPECT_EQ(events, (std::vector<std::string>{"count", "frame"}));
    EXPECT_EQ(frame, Recount());
    EXPECT_EQ(view.count, "4");

    tab.AddEx("10210210210");
    EXPECT_EQ(list.back(), 34066);
    EXPECT_EQ(frame, Recount());
}

TEST_F(SingleTab, SelectionAndDeletingTheSelected) {
    std::vector<int32_t> start;
    for (int i = 0; i < 25; ++i) start.push_back(i);
    Show(start);
    tab.SelectDelete();
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "削除対象のシングルが選択されていません");
    EXPECT_EQ(rec.Messages()[0].caption, "選択シングルを削除");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);

    // Adding clears every selection.
    tab.NoClick(3);
    EXPECT_TRUE(tab.Selected(3));
    EXPECT_TRUE(view.cards[3].second);
    tab.Add();
    EXPECT_FALSE(tab.Selected(3));
    EXPECT_EQ(list.size(), 26u);

    // Deleting the whole last page moves the view to the new last page.
    tab.MovePageLast();
    for (int s = 0; s < 6; ++s) tab.NoClick(s);  // singles 21..26
    rec.Clear();
    rec.answers = {false};
    tab.SelectDelete();
    EXPECT_EQ(list.size(), 26u);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].kind, RecordingReporter::Kind::Question);
    EXPECT_EQ(rec.Messages()[0].text, "選択シングルを削除します。よろしいですか？");
    rec.answers = {true};
    tab.SelectDelete();
    EXPECT_EQ(list.size(), 20u);
    EXPECT_EQ(list.back(), 19);
    EXPECT_EQ(frame, Recount());
    EXPECT_EQ(tab.Page(), 1);
    EXPECT_EQ(view.page, "2／2");

    tab.SetAllSelect(true);
    rec.answers = {true};
    tab.SelectDelete();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(tab.Page(), 0);
    EXPECT_EQ(view.page, "1／1");
    EXPECT_EQ(frame, SingleFrame{});
}
