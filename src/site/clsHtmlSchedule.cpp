#include "site/clsHtmlSchedule.h"

#include <exception>
#include <utility>

#include "site/PageLines.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsHtmlSchedule";
constexpr const char* NotShown = "ご指定のくじ情報は表示できません。";
}  // namespace

clsHtmlSchedule::clsHtmlSchedule()
    : urlPrefix_(BigSettings().bigOfficialScheduleUrl), urlSuffix_(BigSettings().bigOfficialBig1000Url) {}

bool clsHtmlSchedule::GetSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner) {
    record_ = ScheduleRecord{};
    unpublished_ = false;
    try {
        const std::string url = urlPrefix_ + FormatNumber(static_cast<int64_t>(No), "0000") + urlSuffix_;
        htmlGet_.ProgressDialogMessage("第" + std::to_string(No) + "回 開催情報取得中 (オフィシャル)");
        if (htmlGet_.GetHttp(url, "", owner, 8) <= 0) return false;
        return Parse(Kumi);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetSchedule", e.what(), 0);
        return false;
    }
}

bool clsHtmlSchedule::GetScheduleFile(const std::string& strFileName, int bytCode, int32_t No,
                                      const std::string& Kumi) {
    record_ = ScheduleRecord{};
    unpublished_ = false;
    try {
        if (htmlGet_.GetFile(strFileName, bytCode) <= 0) return false;
        return Parse(Kumi);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetSchedule", e.what(), 0);
        return false;
    }
}

bool clsHtmlSchedule::Parse(const std::string& Kumi) {
    std::vector<std::string> lines;
    htmlGet_.GetTextData(lines);
    const PageReading<ScheduleRecord> page = ReadSchedulePage(std::move(lines), Kumi, CurrentYear(), totoData_);
    unpublished_ = page.Unpublished;
    if (page.Read) record_ = page.Record;
    return page.Read;
}

PageReading<ScheduleRecord> ReadSchedulePage(std::vector<std::string> lines, const std::string& Kumi,
                                             int workingYear, clsTotoData& teams) {
    PageReading<ScheduleRecord> page;
    try {
        clsHtmlToto values;
        ScheduleRecord rec;
        const std::string title = Kumi.empty() ? "BIG1000くじ指定試合" : "BIG1000-" + Kumi + "組くじ情報";
        if (!Kumi.empty()) rec.Group = Kumi;
        int year = workingYear;
        bool header = false, failed = false, game11Read = false;
        auto dateEx = [&](size_t i) {
            LineAt(lines, i);
            return values.StringToDateEx(lines[i]);
        };
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string line = lines[i];
            if (!header) {
                if (line == NotShown) break;
                long kaisai = 0;
                if (!values.GetKaisaikai(line, kaisai, title)) continue;
                rec.DrawNo = static_cast<int32_t>(kaisai);
                header = true;
            }
            if (line == "くじは中止となりました。") {
                rec.HoldState = 2;
            } else if (line == "販売開始日") {
                rec.SaleStart = values.StringToDateEx2(LineAt(lines, ++i));
                // An unreadable date must not move the matches to the year 1899.
                if (!rec.SaleStart.IsZero()) year = rec.SaleStart.Year();
            } else if (line == "販売終了日") {
                rec.SaleEnd = values.StringToDateEx2(LineAt(lines, ++i));
            } else if (line == "結果発表日") {
                rec.ResultDate = dateEx(++i);
            } else if (line == "払戻開始日") {
                rec.RefundStart = dateEx(++i);
            } else if (line == "払戻期限") {
                rec.RefundEnd = dateEx(++i);
                break;
            } else if (const int n = RowNumber(line, 14)) {
                if (game11Read) {
                    failed = true;
                    break;
                }
                if (n > GameCount) throw HtmlParseError(OutOfRangeText, OutOfRangeNumber);
                ScheduleGame& g = rec.Games[n];
                if (!clsHtmlToto::ReadDate(std::to_string(year) + "/" + LineAt(lines, i + 1), g.GameDate) ||
                    !clsHtmlToto::ReadDate(LineAt(lines, i + 2), g.KickOff))
                    throw HtmlParseError(TypeMismatchText, TypeMismatchNumber);
                g.Stadium = LineAt(lines, i + 3);
                g.Home = teams.GetShortTeamName(LineAt(lines, i + 4), rec.DrawNo);
                if (g.Home.empty()) {
                    failed = true;
                    break;
                }
                g.Status = LineAt(lines, i + 5);
                if (g.Status != "VS" && g.Status != "中止") {
                    failed = true;
                    break;
                }
                g.Away = teams.GetShortTeamName(LineAt(lines, i + 6), rec.DrawNo);
                if (g.Away.empty()) {
                    failed = true;
                    break;
                }
                i += 6;
                if (n == GameCount) game11Read = true;
            }
        }
        if (!header) {
            page.Unpublished = true;
            return page;
        }
        if (failed) return page;
        page.Read = true;
        page.Record = rec;
        return page;
    } catch (const HtmlParseError& e) {
        ClassFailure(ClassName, "GetSchedule", e.what(), e.Number());
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetSchedule", e.what(), 0);
    }
    return page;
}

}  // namespace kujimate
