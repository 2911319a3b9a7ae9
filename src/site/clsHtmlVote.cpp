#include "site/clsHtmlVote.h"

#include <array>
#include <exception>
#include <utility>

#include "drawdata/clsSchedule.h"
#include "site/PageLines.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsHtmlVote";
constexpr const char* NotShown = "ご指定の投票状況は表示できません。";
constexpr int TotoGameCount = 13;
}  // namespace

clsHtmlVote::clsHtmlVote() : urlPrefix_(BigSettings().totoOfficialVoteUrl), urlSuffix_(BigSettings().totoOfficialTotoUrl) {}

bool clsHtmlVote::StoredSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner, ScheduleRecord& schedule) {
    clsSchedule stored;
    stored.Initialize(owner);
    if (!stored.GetSchedule(No, Kumi, DTypeLoadFile, false)) return false;
    schedule = stored.Schedule();
    return true;
}

bool clsHtmlVote::GetVote(int32_t No, const std::string& Kumi, OwnerWindow owner, bool& blnFinal) {
    record_ = VoteRecord{};
    unpublished_ = false;
    try {
        ScheduleRecord schedule;
        if (!StoredSchedule(No, Kumi, owner, schedule)) return false;
        const std::string url = urlPrefix_ + FormatNumber(static_cast<int64_t>(No), "0000") + urlSuffix_;
        htmlGet_.ProgressDialogMessage("第" + std::to_string(No) + "回 投票状況情報取得中 (オフィシャル)");
        if (htmlGet_.GetHttp(url, "", owner, 8) <= 0) return false;
        return Parse(Kumi, schedule, blnFinal);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetVote", e.what(), 0);
        return false;
    }
}

bool clsHtmlVote::GetVoteFile(const std::string& strFileName, int bytCode, int32_t No, const std::string& Kumi,
                              bool& blnFinal) {
    record_ = VoteRecord{};
    unpublished_ = false;
    try {
        ScheduleRecord schedule;
        if (!StoredSchedule(No, Kumi, nullptr, schedule)) return false;
        if (htmlGet_.GetFile(strFileName, bytCode) <= 0) return false;
        return Parse(Kumi, schedule, blnFinal);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetVote", e.what(), 0);
        return false;
    }
}

bool clsHtmlVote::Parse(const std::string& Kumi, const ScheduleRecord& schedule, bool& blnFinal) {
    std::vector<std::string> lines;
    htmlGet_.GetTextData(lines);
    const PageReading<VoteRecord> page = ReadVotePage(std::move(lines), Kumi, schedule, CurrentYear(), blnFinal);
    unpublished_ = page.Unpublished;
    if (page.Read) record_ = page.Record;
    return page.Read;
}

PageReading<VoteRecord> ReadVotePage(std::vector<std::string> lines, const std::string& Kumi,
                                     const ScheduleRecord& schedule, int workingYear, bool& blnFinal) {
    PageReading<VoteRecord> page;
    try {
        clsHtmlToto values;
        VoteRecord work;
        std::array<VoteGame, TotoGameCount + 1> toto{};  // 1 to 13
        bool header = false, stamped = false, failed = false, final = false;
        int year = workingYear;
        Date matchDate, kickOff;
        auto totals = [&](SaleTotals& t, size_t i) {
            t.Total = values.StringToCurrency(LineAt(lines, i + 1));
            t.Multi = values.StringToCurrency(LineAt(lines, i + 2));
            t.Single = values.StringToCurrency(LineAt(lines, i + 3));
        };
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
                if (values.Kaisaikai(line, kaisai)) {
                    work.DrawNo = static_cast<int32_t>(kaisai);
                    header = true;
                }
                ++i;
                continue;
            }
            if (!stamped) {
                Date asOf;
                bool isFinal = false;
                if (values.GetStringToDateNow(line, asOf, isFinal)) {
                    stamped = true;
                    work.AsOf = asOf;
                    final = blnFinal = isFinal;
                    if (!asOf.IsZero()) year = asOf.Year();
                }
                ++i;
                continue;
            }
            if (line == "売上金額") { totals(work.SalesAmount, i); i += 4; continue; }
            if (line == "投票口数") { totals(work.VoteUnits, i); i += 4; continue; }
            if (line == "投票枚数") { totals(work.VoteTickets, i); i += 4; continue; }
            if (line == "販売期間") { values.DateString2(LineAt(lines, i + 1), work.SaleStart, work.SaleEnd); i += 2; continue; }
            if (line == "結果発表日") { work.ResultDate = dateEx(i + 1); i += 2; continue; }
            if (line == "払戻開始日") { work.RefundStart = dateEx(i + 1); i += 2; continue; }
            if (line == "払戻期限") { work.RefundEnd = dateEx(i + 1); i += 2; continue; }

            // A match row, possibly after the date and kick-off that it shares with the rows below.
            size_t at = i;
            Date day;
            // A month/day line holds a slash; most lines need not be read as dates at all.
            const bool slash = line.find('/') != std::string::npos || line.find("／") != std::string::npos;
            if (slash && clsHtmlToto::ReadDate(std::to_string(year) + "/" + line, day)) {
                matchDate = day;
                if (!clsHtmlToto::ReadDate(LineAt(lines, i + 1), kickOff))
                    throw HtmlParseError(TypeMismatchText, TypeMismatchNumber);
                at = i + 2;
                LineAt(lines, at);
            }
            if (lines[at].find("中止") != std::string::npos) lines[at] = Mid(lines[at], 3);
            const int m = RowNumber(lines[at], TotoGameCount);
            if (m == 0) {
                i = at + 1;
                continue;
            }
            VoteGame& g = toto[static_cast<size_t>(m)];
            g.GameDate = matchDate;
            g.KickOff = kickOff;
            g.Home = LineAt(lines, at + 1);
            const int outcomes[3] = {1, 0, 2};
            for (int k = 0; k < 3 && !failed; ++k) {
                VoteCount& c = g.Counts[static_cast<size_t>(outcomes[k])];
                failed = !values.GetValue2(LineAt(lines, at + 2 + static_cast<size_t>(k)), c.Votes, c.Rate);
            }
            if (failed) break;
            g.Away = LineAt(lines, at + 5);
            i = at + 6;
        }
        if (!stamped) {
            page.Unpublished = true;
            return page;
        }
        if (failed) return page;
        if (final) work.AsOf = work.SaleEnd;

        VoteRecord out;
        out.DrawNo = work.DrawNo;
        out.Group = Kumi;
        out.AsOf = work.AsOf;
        // Final figures are stamped with the end of sale, which is how the views recognise them.
        if (final) out.SaleEnd = out.AsOf;
        for (int d = 1; d <= GameCount; ++d) {
            const ScheduleGame& s = schedule.Games[d];
            VoteGame& g = out.Games[d];
            g.Home = s.Home;
            g.Away = s.Away;
            g.GameDate = s.GameDate;
            g.KickOff = s.KickOff;
            for (int m = 1; m <= TotoGameCount; ++m) {
                const VoteGame& t = toto[static_cast<size_t>(m)];
                if (t.Home == s.Home && t.Away == s.Away) {
                    g.Counts = t.Counts;
                    break;
                }
            }
        }
        page.Read = true;
        page.Record = out;
        return page;
    } catch (const HtmlParseError& e) {
        ClassFailure(ClassName, "GetVote", e.what(), e.Number());
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetVote", e.what(), 0);
    }
    return page;
}

}  // namespace kujimate
