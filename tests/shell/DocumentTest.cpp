#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "analysis/clsTSingleFrame.h"
#include "common/TestSupport.h"
#include "shell/clsTDocument.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

SingleFrame FrameOf(const std::vector<int32_t>& list) {
    SingleFrame f{};
    clsTSingleFrame().GetSingleFrame(static_cast<int32_t>(list.size()), list, f);
    return f;
}

// The plain model: every state the list has been in, and where the user stands.
struct Model {
    std::vector<std::vector<int32_t>> states{{}};
    size_t at = 0;
    size_t saved = 0;  // index into states, or SIZE_MAX when no state is the saved one
    void Edit(std::vector<int32_t> next) {
        states.resize(at + 1);
        if (saved > at && saved != SIZE_MAX) saved = SIZE_MAX;
        states.push_back(std::move(next));
        ++at;
    }
    const std::vector<int32_t>& List() const { return states[at]; }
};

}  // namespace

TEST(Document, RandomEditsUndosRedosSavesAndOpensMatchAPlainModel) {
    std::mt19937 rng(20261211);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto single = [&] { return static_cast<int32_t>(rng() % SingleSpace); };
    clsTDocument doc;
    Model m;
    int states = 0;
    doc.StateChanged = [&] { ++states; };
    for (int step = 0; step < 4000; ++step) {
        std::vector<int32_t> next = m.List();
        switch (pick(11)) {
            case 0:
            case 1:
                if (next.empty()) break;
                {
                    const int i = pick(static_cast<int>(next.size()));
                    uint8_t d[SingleGames];
                    UnpackSingle(next[static_cast<size_t>(i)], d);
                    d[pick(SingleGames)] = static_cast<uint8_t>(pick(3));
                    int32_t n = 0;
                    for (int g = SingleGames - 1; g >= 0; --g) n = n * 3 + d[g];
                    next[static_cast<size_t>(i)] = n;
                    ASSERT_TRUE(doc.ChangeValue(i, n));
                    m.Edit(next);
                }
                break;
            case 2: {
                const int32_t s = pick(4) == 0 ? 0 : single();
                doc.Append(s);
                next.push_back(s);
                m.Edit(next);
                break;
            }
            case 3: {
                std::vector<bool> flags(next.size());
                std::vector<int32_t> kept;
                for (size_t i = 0; i < next.size(); ++i) {
                    flags[i] = pick(4) == 0;
                    if (!flags[i]) kept.push_back(next[i]);
                }
                if (doc.RemoveFlagged(flags) > 0) m.Edit(kept);
                break;
            }
            case 4: {
                std::vector<int32_t> fresh(static_cast<size_t>(pick(30)));
                for (auto& v : fresh) v = pick(3) == 0 ? 7 : single();
                doc.Replace(fresh);
                m.Edit(fresh);
                break;
            }
            case 5:
                if (next.empty()) break;
                if (doc.Reorder([&](std::vector<int32_t>& l) {
                        std::stable_sort(l.begin(), l.end(), [](int32_t a, int32_t b) { return a % 7 < b % 7; });
                        return true;
                    })) {
                    std::stable_sort(next.begin(), next.end(), [](int32_t a, int32_t b) { return a % 7 < b % 7; });
                    m.Edit(next);
                }
                break;
            case 6:
            case 7:
                if (doc.Undo()) --m.at;
                else EXPECT_EQ(m.at, 0u);
                break;
            case 8:
                if (doc.Redo()) ++m.at;
                else EXPECT_EQ(m.at + 1, m.states.size());
                break;
            case 9:
                doc.Saved("list.csv");
                m.saved = m.at;
                break;
            case 10:
                if (pick(8) != 0) break;
                // Open: a new list without history, unchanged.
                doc.Load(m.List(), "other.csv");
                m.states = {m.List()};
                m.at = m.saved = 0;
                break;
        }
        ASSERT_EQ(doc.Singles(), m.List()) << "step " << step;
        ASSERT_EQ(doc.Frame(), FrameOf(m.List())) << "step " << step;
        ASSERT_EQ(doc.IsChanged(), m.saved != m.at) << "step " << step;
        ASSERT_EQ(doc.CanUndo(), m.at > 0);
        ASSERT_EQ(doc.CanRedo(), m.at + 1 < m.states.size());
    }
    EXPECT_GT(states, 0);
}

TEST(Document, AReorderOfOtherSinglesIsRefused) {
    clsTDocument doc;
    doc.Load({5, 5, 9}, "");
    EXPECT_FALSE(doc.Reorder([](std::vector<int32_t>& l) {
        l = {5, 9, 9};
        return true;
    }));
    EXPECT_FALSE(doc.Reorder([](std::vector<int32_t>& l) {
        l.pop_back();
        return true;
    }));
    EXPECT_FALSE(doc.Reorder([](std::vector<int32_t>&) { return false; }));
    EXPECT_EQ(doc.Singles(), (std::vector<int32_t>{5, 5, 9}));
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsChanged());
}

TEST(Document, TheHistoryKeepsToItsBoundDroppingTheOldestSteps) {
    clsTDocument doc;
    doc.Load(std::vector<int32_t>(10000, 1), "a.csv");
    doc.SetHistoryLimit(200000);
    for (int k = 0; k < 20; ++k)  // each step keeps the list it replaced: 40 KB
        doc.Replace(std::vector<int32_t>(10000, k + 2));
    EXPECT_LE(doc.HistoryBytes(), 200000u);
    int undone = 0;
    while (doc.Undo()) ++undone;
    EXPECT_GT(undone, 0);
    EXPECT_LT(undone, 20);
    // The list where the history now begins is not the saved one.
    EXPECT_TRUE(doc.IsChanged());
    EXPECT_NE(doc.Singles()[0], 1);
    EXPECT_EQ(doc.Frame(), FrameOf(doc.Singles()));
}

TEST(Document, ARestoredListIsChangedUntilSaved) {
    clsTDocument doc;
    doc.Restore({1, 2, 3}, "KMATE-812.csv");
    EXPECT_TRUE(doc.IsChanged());
    EXPECT_EQ(doc.CurrentFile(), "KMATE-812.csv");
    doc.Saved("KMATE-812.csv");
    EXPECT_FALSE(doc.IsChanged());
    doc.Append(4);
    doc.Undo();
    EXPECT_FALSE(doc.IsChanged());
}

TEST(Document, RecoveryCopiesComeBackAndDamagedOnesAreRefused) {
    TempProgramFolder dir(false);
    const std::string path = (dir / "Recovery.dat").string();
    RecoveryCopy copy{812, "/home/user/シングル/KMATE-812.csv", {0, 177146, 34066, 5}};
    ASSERT_TRUE(WriteRecoveryCopy(path, copy));
    auto back = ReadRecoveryCopy(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Kaisaikai, 812);
    EXPECT_EQ(back->File, copy.File);
    EXPECT_EQ(back->Singles, copy.Singles);

    std::string bytes = ReadBytes(path);
    auto damaged = [&](const std::string& b) {
        WriteBytes(path, b);
        return !ReadRecoveryCopy(path).has_value();
    };
    EXPECT_TRUE(damaged(""));
    EXPECT_TRUE(damaged(bytes.substr(0, bytes.size() / 2)));
    EXPECT_TRUE(damaged(bytes.substr(0, bytes.size() - 1)));
    std::string flipped = bytes;
    flipped[flipped.size() - 12] ^= 0x01;
    EXPECT_TRUE(damaged(flipped));
    EXPECT_TRUE(damaged(std::string(4096, '\0')));
    std::string garbage;
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>(rng());
    EXPECT_TRUE(damaged(garbage));
    EXPECT_FALSE(ReadRecoveryCopy((dir / "missing.dat").string()));
}
