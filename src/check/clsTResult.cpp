#include "check/clsTResult.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "analysis/clsQuickSort.h"
#include "singles/FailureText.h"
#include "support/FileAccess.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileStream.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsTResult";
constexpr int EventsEvery = 1001;
constexpr size_t CacheLineLimit = 1 << 16;

void Fail(const char* operation, FailureText e) { ClassFailure(ClassName, operation, e.Description, e.Number); }

// The first n lines of a file cut at CR LF. Only eleven lines of a few characters matter, so
// reading stops there, and of a longer line only its beginning is kept.
std::vector<std::string> FirstLines(const std::string& path, size_t n) {
    std::vector<std::string> lines;
    FILE* fp = OpenStdioFile(path, "rb");
    if (!fp) return lines;
    std::string line;
    bool cr = false;
    int c;
    while (lines.size() < n && (c = std::getc(fp)) != EOF) {
        if (cr && c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            cr = false;
            continue;
        }
        if (cr && line.size() < CacheLineLimit) line += '\r';
        cr = c == '\r';
        if (!cr && line.size() < CacheLineLimit) line += static_cast<char>(c);
    }
    if (lines.size() < n) {
        if (cr && line.size() < CacheLineLimit) line += '\r';
        lines.push_back(std::move(line));
    }
    std::fclose(fp);
    return lines;
}
}  // namespace

clsTResult::clsTResult() {
    multi_.Change = [this](bool byUser) { OnChange(byUser); };
    multi_.Redraw = [this] { view_->MultiResultChanged(multi_); };
    multi_.ShowPopup = [this] { view_->ShowPopup7(); };
    countGrid_.Click = [this](int, int) {
        view_->CountChanged(countGrid_);
        if (!countGrid_.Percent()) view_->CountVisible(false);
    };
}

std::string clsTResult::GetResultTempPath(int32_t lngKaisaikai, const std::string& strKumi) {
    return "SysData\\Temp\\BIG1000_Result_" + FormatNumber(static_cast<int64_t>(lngKaisaikai), "000") +
           (strKumi.empty() ? "" : "_" + strKumi) + ".dat";
}

void clsTResult::SetResultData(int32_t lngKaisaikai, const std::string& strKumi, const ResultRecord& record,
                               bool blnAllResult) {
    if (!initialized_) {
        ClassMessage(ClassName, "SetResultData", "Initialize Err");
        return;
    }
    kaisaikai_ = lngKaisaikai;
    kumi_ = strKumi;
    official_ = record.DrawNo > 0;
    multi_.SetResultRecord(record);
    record_ = record;
    reveal_ = 0;
    ShowResult_Sub(blnAllResult ? 2 : 0);
}

void clsTResult::ShowResult_Sub(int mode) {
    ResultStates states{};
    LoadResultTemp(states);
    if (record_.DrawNo > 0) {
        int last = -1;
        if (mode == 1) {
            last = reveal_;
            ++reveal_;
            if (last > 10) {
                last = 10;
                reveal_ = 11;
            }
        } else if (mode == 2) {
            last = 10;
            reveal_ = 11;
        }
        for (int g = 0; g <= last; ++g) {
            const int o = record_.Games[g + 1].Outcome;
            if (o <= 2) states[g][o] = StateOfficial;
            else if (o == 3) states[g] = {StateVoid, StateVoid, StateVoid};
        }
    }
    multi_.SetValue(states);
}

void clsTResult::LoadResultTemp(ResultStates& states) {
    if (!useResultTemp_) return;
    clsFileSystemObject fso;
    const std::string path = fso.GetFullPath(GetResultTempPath(kaisaikai_, kumi_));
    if (!fso.FileExists(path)) return;
    if (official_) {
        std::error_code ec;
        std::filesystem::remove(FsPath(path), ec);
        return;
    }
    const auto lines = FirstLines(path, SingleGames);
    for (int g = 0; g < SingleGames; ++g) {
        if (static_cast<size_t>(g) >= lines.size()) {
            Fail("LoadResultTemp", ErrSubscript);
            return;
        }
        std::string_view line = lines[g];
        if (line.empty()) {
            Fail("LoadResultTemp", ErrSubscript);
            return;
        }
        for (int k = 0; k < 3; ++k) {
            const size_t comma = line.find(',');
            const std::string_view field = line.substr(0, comma);
            auto v = TextToInt32(field);
            if (!v) {
                Fail("LoadResultTemp", ErrTypeMismatch);
                return;
            }
            states[g][k] = *v >= 0 && *v <= 3 ? *v : 0;
            if (comma == std::string_view::npos) {
                if (k < 2) {
                    Fail("LoadResultTemp", ErrSubscript);
                    return;
                }
            } else {
                line.remove_prefix(comma + 1);
            }
        }
    }
}

void clsTResult::SaveResultTemp() {
    if (!useResultTemp_ || official_ || kaisaikai_ <= 0) return;
    std::string text;
    for (const auto& m : multi_.States())
        text += std::to_string(m[0]) + "," + std::to_string(m[1]) + "," + std::to_string(m[2]) + CrLf;
    clsFileStream().SaveToFile(GetResultTempPath(kaisaikai_, kumi_), text);
}

void clsTResult::Clear() {
    SetSingle_Sub(0, noSingles_);
    multi_.Clear();
    view_->ResultGridClear();
    grade_.Clear(kaisaikai_);
    view_->GradeChanged(grade_);
    kakutei_.Clear();
    kakuteiShown_ = false;
    view_->KakuteiChanged(kakutei_);
}

void clsTResult::SetSingle(int32_t lngSingleCount, const std::vector<int32_t>& lngSingle) {
    SetSingle_Sub(lngSingleCount, lngSingle);
}

void clsTResult::SetSingle_Sub(int32_t count, const std::vector<int32_t>& list) {
    BusyPointer busy;
    count = std::clamp<int32_t>(count, 0, static_cast<int32_t>(list.size()));
    count_ = count;
    view_->SingleCountText(FormatNumber(static_cast<int64_t>(count), "#,##0"));
    lastPage_ = 0;
    singles_ = &noSingles_;
    grades_.clear();
    if (count > 0) {
        std::optional<ProgressScope> progress;
        if (count >= ProgressFrom) {
            progress.emplace();
            progress->Max(count - 1);
            progress->Message("シングル構成の解析中");
        }
        grades_.assign(static_cast<size_t>(count), 1);
        for (int32_t from = 0; from < count; from += EventsEvery) {
            const int32_t to = std::min(count, from + EventsEvery);
            for (int32_t i = from; i < to; ++i) {
                if (!IsSingleNumber(list[static_cast<size_t>(i)])) {
                    count_ = 0;
                    grades_.clear();
                    Fail("SetSingle_Sub", ErrOverflow);
                    return;
                }
            }
            if (to - from == EventsEvery) {
                if (progress) progress->Value(to - 1);
                Report().DoEvents();
            }
        }
        if (progress) progress->Value(count - 1);
        singles_ = &list;
        lastPage_ = (count - 1) / PageSize;
    }
    JudgeSingle_Sub(true);
    ShowPage_Sub(0);
}

void clsTResult::JudgeSingle_Sub(bool withKakutei) {
    const JudgeTable judge = GetJudgeTable(multi_.States());
    // Hits of the low five and the high six matches, looked up per single.
    uint8_t lo[243], hi[729];
    uint8_t d[SingleGames];
    for (int n = 0; n < 243; ++n) {
        UnpackSingle(n, d);
        int h = 0;
        for (int g = 0; g < 5; ++g) h += judge[g][d[g]] != 0;
        lo[n] = static_cast<uint8_t>(h);
    }
    for (int n = 0; n < 729; ++n) {
        UnpackSingle(n * 243, d);
        int h = 0;
        for (int g = 5; g < SingleGames; ++g) h += judge[g][d[g]] != 0;
        hi[n] = static_cast<uint8_t>(h);
    }
    // Four tallies in turn, so consecutive singles of one grade do not wait on each other.
    int32_t tally[4][12] = {};
    const size_t n = static_cast<size_t>(std::clamp<int32_t>(count_, 0, static_cast<int32_t>(singles_->size())));
    grades_.resize(n);
    const int32_t* s = singles_->data();
    uint8_t* gr = grades_.data();
    for (size_t i = 0; i < n; ++i) {
        const int32_t q = s[i] / 243;
        const int hits = lo[s[i] - q * 243] + hi[q];
        gr[i] = static_cast<uint8_t>(12 - hits);
        ++tally[i & 3][11 - hits];
    }
    for (int k = 0; k < 12; ++k) counts_[k] = tally[0][k] + tally[1][k] + tally[2][k] + tally[3][k];
    grade_.SetValue(counts_, kaisaikai_);
    view_->GradeChanged(grade_);
    if (withKakutei) {
        if (GetDecidedCount(multi_.States()) == 11) {
            kakutei_.SetResultRecord(record_);
            kakutei_.SetValue(counts_);
            kakuteiShown_ = true;
        } else {
            kakutei_.Clear();
            kakuteiShown_ = false;
        }
        view_->KakuteiChanged(kakutei_);
    }
    SingleFrameFlags color{};
    multi_.GetVisible(color);
    countGrid_.SetColor(color);
    view_->CountChanged(countGrid_);
}

void clsTResult::ShowPage_Sub(int32_t page) {
    page_ = page;
    const JudgeTable judge = GetJudgeTable(multi_.States());
    for (int b = 0; b < PageSize; ++b) {
        const int32_t i = PageSize * page + b;
        if (i >= 0 && i < count_) {
            std::array<uint8_t, 12> digits{};
            std::array<uint8_t, 11> states{};
            UnpackSingle((*singles_)[static_cast<size_t>(i)], digits.data());
            digits[11] = grades_[static_cast<size_t>(i)];
            for (int g = 0; g < SingleGames; ++g) states[g] = judge[g][digits[g]];
            view_->ResultColumn(b, digits, states, kaisaikai_);
        } else {
            view_->ResultClear(b);
        }
    }
    view_->ResultRefresh();
    view_->PageText(std::to_string(page + 1) + "／" + std::to_string(lastPage_ + 1));
    view_->PreviousLook(page != 0);
    view_->NextLook(page != lastPage_);
}

void clsTResult::OnChange(bool byUser) {
    JudgeSingle_Sub(reveal_ == 11);
    ShowPage_Sub(page_);
    if (byUser) SaveResultTemp();
}

void clsTResult::SetSingleFrame(const SingleFrame& lngValue, const SingleFrameFlags& blnVisible) {
    countGrid_.SetVisible(blnVisible);
    countGrid_.SetValue(lngValue);
    view_->CountChanged(countGrid_);
}

void clsTResult::Percent(bool value) {
    countGrid_.Percent(value);
    view_->CountChanged(countGrid_);
}

void clsTResult::CountClick(int column, int row) { countGrid_.MouseClick(column, row); }

bool clsTResult::GradeSort(std::vector<int32_t>& lngSingle, bool ascending) {
    BusyPointer busy;
    const int64_t n = static_cast<int64_t>(count_) - 1;
    if (static_cast<int64_t>(lngSingle.size()) - 1 != n || grades_.size() != lngSingle.size()) {
        ClassMessage(ClassName, "GradeSort_Sub", "シングル数が一致しません");
        return false;
    }
    std::vector<int32_t> keys(grades_.begin(), grades_.end());
    std::vector<int32_t> index(keys.size());
    for (size_t k = 0; k < index.size(); ++k) index[k] = static_cast<int32_t>(k);
    clsQuickSort().LongIndexSort(keys, index, ascending);
    std::vector<int32_t> out(index.size());
    for (size_t k = 0; k < index.size(); ++k) out[k] = lngSingle[static_cast<size_t>(index[k])];
    lngSingle = std::move(out);
    return true;
}

}  // namespace kujimate
