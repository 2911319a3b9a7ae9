#include "site/clsHtmlResult.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "refdata/clsTGameType.h"
#include "site/PageLines.h"
#include "site/basBigSettings.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsHtmlResult";
constexpr const char* NotShown = "ご指定のくじ結果は表示できません。";
constexpr uint8_t CalledOff = 3;

// A goal count or an outcome: a number from 0 to 255, else the parse fails.
uint8_t ByteValue(const std::string& text) {
    auto v = TextToInt32(Narrow(text));
    if (!v) throw HtmlParseError(TypeMismatchText, TypeMismatchNumber);
    if (*v < 0 || *v > 255) throw HtmlParseError("オーバーフローしました。", 6);
    return static_cast<uint8_t>(*v);
}

// The first line at or after lngPos that is exactly strFind; lngPos moves to it.
bool FindLine(const std::vector<std::string>& strList, size_t& lngPos, const std::string& strFind) {
    for (size_t i = lngPos; i < strList.size(); ++i) {
        if (strList[i] == strFind) {
            lngPos = i;
            return true;
        }
    }
    return false;
}
}  // namespace

clsHtmlResult::clsHtmlResult() : urlPrefix_(BigSettings().bigOfficialResultUrl) {}

bool clsHtmlResult::GetResult(int32_t No, const std::string& Kumi, OwnerWindow owner) {
    record_ = ResultRecord{};
    unpublished_ = false;
    try {
        const std::string url = urlPrefix_ + FormatNumber(static_cast<int64_t>(No), "0000");
        htmlGet_.ProgressDialogMessage("第" + std::to_string(No) + "回 結果情報取得中 (オフィシャル)");
        if (htmlGet_.GetHttp(url, "", owner, 8) <= 0) return false;
        return Parse(Kumi);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetResult", e.what(), 0);
        return false;
    }
}

bool clsHtmlResult::GetResultFile(const std::string& strFileName, int bytCode, int32_t No,
                                  const std::string& Kumi) {
    record_ = ResultRecord{};
    unpublished_ = false;
    try {
        if (htmlGet_.GetFile(strFileName, bytCode) <= 0) return false;
        return Parse(Kumi);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetResult", e.what(), 0);
        return false;
    }
}

bool clsHtmlResult::Parse(const std::string& Kumi) {
    std::vector<std::string> lines;
    htmlGet_.GetTextData(lines);
    const PageReading<ResultRecord> page = ReadResultPage(std::move(lines), Kumi);
    unpublished_ = page.Unpublished;
    if (page.Read) record_ = page.Record;
    return page.Read;
}

PageReading<ResultRecord> ReadResultPage(std::vector<std::string> lines, const std::string& Kumi) {
    PageReading<ResultRecord> page;
    try {
        clsHtmlToto values;
        ResultRecord rec;
        const std::string title = Kumi.empty() ? "BIG1000くじ結果" : "BIG1000-" + Kumi + "組くじ結果";
        if (!Kumi.empty()) rec.Group = Kumi;
        bool header = false, summaryDone = false;
        auto currency = [&](size_t i) { return values.StringToCurrency(LineAt(lines, i)); };
        auto dateEx = [&](size_t i) {
            LineAt(lines, i);
            return values.StringToDateEx(lines[i]);
        };
        size_t i = 0;
        while (i < lines.size()) {
            const std::string line = lines[i];
            if (!header) {
                if (line == NotShown) break;
                long kaisai = 0;
                if (!values.GetKaisaikai(line, kaisai, title)) {
                    ++i;
                    continue;
                }
                rec.DrawNo = static_cast<int32_t>(kaisai);
                header = true;
            }
            if (!summaryDone) {
                if (line.find("円") != std::string::npos && line.find("100円BIG") == std::string::npos) {
                    const long grades = std::min<long>(clsToto().GetMaxGrade(rec.DrawNo), GradeCount);
                    for (int g = 1; g <= grades; ++g) {
                        rec.Prize[g] = currency(i);
                        rec.Winners[g] = currency(i + 1);
                        rec.CarryOver[g] = currency(i + 2);
                        i += 4;  // and the next grade's label
                    }
                    if (!FindLine(lines, i, "投票枚数")) break;
                    rec.SalesAmount = currency(i + 1);
                    rec.VoteUnits = currency(i + 2);
                    rec.VoteTickets = currency(i + 3);
                    i += 4;
                    if (!FindLine(lines, i, "結果発表日")) break;
                    rec.SaleStart = dateEx(i + 1);
                    rec.SaleEnd = dateEx(i + 2);
                    rec.ResultDate = dateEx(i + 3);
                    i += 4;
                    if (!FindLine(lines, i, "払戻期限")) break;
                    rec.RefundStart = dateEx(i + 1);
                    rec.RefundEnd = dateEx(i + 2);
                    summaryDone = true;
                    i += 3;
                    continue;
                }
                if (Trim(line) != "くじは中止になりました。") {
                    ++i;
                    continue;
                }
                summaryDone = true;  // a cancelled draw has no prize table
            }
            const int n = RowNumber(line, 14);
            if (n == 0) {
                ++i;
                continue;
            }
            if (n > GameCount) throw HtmlParseError(OutOfRangeText, OutOfRangeNumber);
            ResultGame& g = rec.Games[n];
            g.Home = LineAt(lines, i + 1);
            const std::string score = Narrow(LineAt(lines, i + 2));
            const bool calledOff = score == "中止";
            if (calledOff) {
                g.HomeScore = g.AwayScore = 0;
            } else {
                const size_t dash = score.find('-');
                if (dash == std::string::npos) throw HtmlParseError(OutOfRangeText, OutOfRangeNumber);
                const size_t next = score.find('-', dash + 1);
                g.HomeScore = ByteValue(score.substr(0, dash));
                g.AwayScore = ByteValue(score.substr(dash + 1, next == std::string::npos ? std::string::npos : next - dash - 1));
            }
            g.Away = LineAt(lines, i + 3);
            g.Outcome = calledOff ? CalledOff : ByteValue(LineAt(lines, i + 4));
            i += 5;
            if (n == GameCount) break;
        }
        if (!header) {
            page.Unpublished = true;
            return page;
        }
        bool allCalledOff = true;
        for (int n = 1; n <= GameCount; ++n) allCalledOff = allCalledOff && rec.Games[n].Outcome == CalledOff;
        rec.Cancelled = allCalledOff;
        page.Read = true;
        page.Record = rec;
        return page;
    } catch (const HtmlParseError& e) {
        ClassFailure(ClassName, "GetResult", e.what(), e.Number());
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetResult", e.what(), 0);
    }
    return page;
}

}  // namespace kujimate
