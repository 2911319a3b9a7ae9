// parse and fetch: the operator's pages read as the download reads them.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "drawdata/clsResult.h"
#include "drawdata/clsSchedule.h"
#include "drawdata/clsVote.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "drawdata/clsXmlVote.h"
#include "site/basBigSettings.h"
#include "site/clsHtmlResult.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"
#include "support/Encoding.h"
#include "support/FileAccess.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate::cli {
namespace {

constexpr int PageUtf8 = 8;
constexpr int ExitIncomplete = 1;
constexpr int ExitNotOnPage = 3;

bool IsKind(const std::string& k) { return k == "schedule" || k == "vote" || k == "result"; }

// The text exactly as the file would hold it, read back as UTF-8.
void PrintAsStored(const std::string& xml) {
    const std::string text = Cp932ToUtf8(Utf8ToCp932(xml));
    std::fwrite(text.data(), 1, text.size(), stdout);
}

int Parse(const std::vector<std::string>& args) {
    const char* usage = "usage: parse schedule|vote|result PAGE.html --draw N [--group G]";
    std::string kind, page, group;
    std::optional<int32_t> draw;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--draw" && i + 1 < args.size()) {
            draw = TextToInt32(args[++i]);
            if (!draw || *draw <= 0) return Fail("--draw needs a draw number above 0");
        } else if (args[i] == "--group" && i + 1 < args.size()) {
            group = args[++i];
        } else if (kind.empty()) {
            kind = args[i];
        } else if (page.empty()) {
            page = args[i];
        } else {
            return Fail(usage);
        }
    }
    if (!IsKind(kind) || page.empty() || !draw) return Fail(usage);
    // Paths on the command line belong to the working directory, not to the program folder.
    std::error_code ec;
    const std::string path = PathText(std::filesystem::absolute(FsPath(page), ec));
    if (ec || !std::filesystem::is_regular_file(FsPath(path), ec)) return Fail("cannot read " + page, ExitIncomplete);

    auto finish = [&](bool produced, bool unpublished, bool complete, const std::string& xml) {
        if (unpublished) return Fail("第" + std::to_string(*draw) + "回 is not on this page", ExitNotOnPage);
        if (!produced) return Fail("no record could be read from " + page, ExitIncomplete);
        PrintAsStored(xml);
        return complete ? 0 : ExitIncomplete;
    };
    if (kind == "schedule") {
        clsHtmlSchedule parser;
        const bool ok = parser.GetScheduleFile(path, PageUtf8, *draw, group);
        clsXmlSchedule xml;
        xml.SetRecord(parser.GetRecord());
        return finish(ok, parser.Unpublished(), IsScheduleComplete(parser.GetRecord()), xml.GetXmlString());
    }
    if (kind == "vote") {
        clsSchedule stored;
        stored.Initialize(nullptr);
        if (!stored.GetSchedule(*draw, group, DTypeLoadFile, false))
            return Fail("no complete schedule of draw " + std::to_string(*draw) + " is stored", ExitIncomplete);
        clsHtmlVote parser;
        bool final = false;
        const bool ok = parser.GetVoteFile(path, PageUtf8, *draw, group, final);
        clsXmlVote xml;
        xml.SetRecord(parser.GetRecord());
        return finish(ok, parser.Unpublished(), IsVoteComplete(parser.GetRecord()), xml.GetXmlString(true));
    }
    clsHtmlResult parser;
    const bool ok = parser.GetResultFile(path, PageUtf8, *draw, group);
    clsXmlResult xml;
    xml.SetRecord(parser.GetRecord());
    return finish(ok, parser.Unpublished(), IsResultComplete(parser.GetRecord()), xml.GetXmlString());
}

// The Home tab's download of one kind, without its question.
int Fetch(const std::vector<std::string>& args) {
    if (args.size() != 2 || !IsKind(args[0])) return Fail("usage: fetch schedule|vote|result N");
    const auto parsed = TextToInt32(args[1]);
    if (!parsed || *parsed <= 0) return Fail("fetch needs a draw number above 0");
    const int32_t no = *parsed;
    const std::string& kind = args[0];
    LoadBigSettings();

    clsSchedule schedule;
    schedule.Initialize(nullptr);
    schedule.GetSchedule(no, "", DTypeLoadFile, false);
    if (schedule.NoGame()) return Fail("第" + std::to_string(no) + "回 is marked as not held", ExitIncomplete);

    // stored: a usable file of the draw is there now.
    auto finish = [&](clsDrawSource& source, bool ok, bool stored, const std::string& path) {
        if (!ok) {
            source.FalseDialog(no);
            return source.Unpublished() ? ExitNotOnPage : ExitIncomplete;
        }
        // The writer has said why on stderr.
        if (source.StoreFailed()) return ExitIncomplete;
        if (stored) std::printf("%s\n", path.c_str());
        else Fail("the vote figures are not final yet, so they were not stored", 0);
        return 0;
    };
    if (kind == "schedule") {
        const bool ok = schedule.GetSchedule(no, "", DTypeLoadFile | DTypeDownload, false);
        return finish(schedule, ok, schedule.CheckScheduleFile(no, ""), clsXmlSchedule().GetFileName(no, ""));
    }
    if (kind == "vote") {
        if (!schedule.CheckScheduleFile(no, "")) {
            AppMessage("開催情報を先にダウンロードして下さい。", MsgIcon::Information);
            return ExitIncomplete;
        }
        clsVote vote;
        vote.Initialize(nullptr);
        const bool ok = vote.GetVote(no, "", DTypeLoadFile | DTypeDownload, false);
        return finish(vote, ok, vote.CheckVoteFile(no, ""), clsXmlVote().GetFileName(no, ""));
    }
    clsResult result;
    result.Initialize(nullptr);
    const bool ok = result.GetResult(no, "", DTypeLoadFile | DTypeDownload, false);
    return finish(result, ok, result.CheckResultFile(no, ""), clsXmlResult().GetFileName(no, ""));
}

const Register parseCommand("parse", "parse schedule|vote|result PAGE.html --draw N [--group G]", Parse);
const Register fetchCommand("fetch", "fetch schedule|vote|result N", Fetch);

}  // namespace
}  // namespace kujimate::cli
