#include "drawdata/clsXmlSchedule.h"

#include <cerrno>

#include "drawdata/XmlTagWalker.h"
#include "support/FileAccess.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsXmlSchedule";
}

std::string clsXmlSchedule::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    clsFileSystemObject fso;
    return fso.GetFullPath("SysData\\BIG1000_Schedule\\big1000_schedule" + DrawFilePart(Kaisai, Kumi) + ".xml");
}

std::string clsXmlSchedule::GetXmlString() const {
    const ScheduleRecord& r = record_;
    std::vector<std::string> l;
    l.push_back("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    l.push_back("<?xml-stylesheet type=\"text/xsl\" href=\"big1000_schedule.xsl\"?>");
    l.push_back("<BIG1000>");
    l.push_back("<開催>");
    l.push_back(XmlElement("開催回", std::to_string(r.DrawNo)));
    if (!r.Group.empty()) l.push_back(XmlElement("組", r.Group));
    for (int n = 1; n <= GameCount; ++n) {
        const ScheduleGame& g = r.Games[n];
        l.push_back("<指定試合>");
        l.push_back(XmlElement("番号", std::to_string(n)));
        l.push_back(XmlElement("試合開催日", XmlDateText(g.GameDate)));
        l.push_back(XmlElement("試合開始予定時間", XmlDateText(g.KickOff)));
        l.push_back(XmlElement("競技場", g.Stadium));
        l.push_back(XmlElement("状態", g.Status));
        l.push_back(XmlElement("ホーム", g.Home));
        l.push_back(XmlElement("アウェイ", g.Away));
        l.push_back("</指定試合>");
    }
    l.push_back(XmlElement("販売開始日", XmlDateText(r.SaleStart)));
    l.push_back(XmlElement("販売終了日", XmlDateText(r.SaleEnd)));
    if (r.HoldState == 2) l.push_back("<開催状態>中止</開催状態>");
    else l.push_back(XmlElement("結果発表日", XmlDateText(r.ResultDate)));
    l.push_back("</開催>");
    l.push_back("</BIG1000>");
    return JoinCrLf(l);
}

bool clsXmlSchedule::XmlSave(const std::string& strFileName) {
    if (stream_.SaveToFile(strFileName, GetXmlString())) return true;
    ClassMessage(ClassName, "XmlSave", strFileName + "\r\nファイルの保存に失敗しました。");
    return false;
}

bool clsXmlSchedule::XmlLoad(const std::string& strFileName) {
    clsFileSystemObject fso;
    if (strFileName.empty() || !fso.FileExists(fso.GetFullPath(strFileName))) return false;
    std::string text;
    if (!stream_.LoadFromFile(strFileName, text)) return false;
    ScheduleRecord r;
    auto game = [&](XmlValueError& e) -> ScheduleGame* { return XmlGameIndex(game_, e) ? &r.Games[game_] : nullptr; };
    bool ok = WalkXml(text, "開催", ClassName, [&](const std::string& key, const std::string& v, XmlValueError& e) {
        if (key == "<開催回>") return XmlToLong(v, r.DrawNo, e);
        if (key == "<組>") { r.Group = v; return true; }
        if (key == "<販売開始日>") return XmlToDate(v, r.SaleStart, e);
        if (key == "<販売終了日>") return XmlToDate(v, r.SaleEnd, e);
        if (key == "<結果発表日>" || key == "<結果速報発表日>") return XmlToDate(v, r.ResultDate, e);
        if (key == "<払戻開始日>") return XmlToDate(v, r.RefundStart, e);
        if (key == "<払戻期限>") return XmlToDate(v, r.RefundEnd, e);
        if (key == "<開催状態>") {
            if (v == "中止") { r.HoldState = 2; return true; }
            return XmlToLong(v, r.HoldState, e);
        }
        if (key == "<指定試合><番号>") return XmlToLong(v, game_, e);
        if (!StartsWith(key, "<指定試合><")) return true;
        const std::string field = key.substr(std::string("<指定試合>").size());
        static const char* known[] = {"<ホーム>", "<アウェイ>", "<試合開催日>", "<試合開始予定時間>", "<競技場>", "<状態>"};
        bool isKnown = false;
        for (const char* k : known) isKnown = isKnown || field == k;
        if (!isKnown) return true;
        ScheduleGame* g = game(e);
        if (!g) return false;
        if (field == "<ホーム>") g->Home = v;
        else if (field == "<アウェイ>") g->Away = v;
        else if (field == "<試合開催日>") return XmlToDate(v, g->GameDate, e);
        else if (field == "<試合開始予定時間>") return XmlToDate(v, g->KickOff, e);
        else if (field == "<競技場>") g->Stadium = v;
        else g->Status = v;
        return true;
    });
    if (ok) record_ = std::move(r);
    return ok;
}

bool clsXmlSchedule::XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi) {
    const std::string path = GetFileName(Kaisai, Kumi);
    std::vector<std::string> l{"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>",
                               "<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>",
                               "<BIG1000>",
                               "<開催>",
                               XmlElement("開催回", std::to_string(Kaisai)),
                               XmlElement("開催状態", "1"),
                               "</開催>",
                               "</BIG1000>"};
    if (stream_.SaveToFile(path, JoinCrLf(l))) return true;
    ClassMessage(ClassName, "XmlSave_NoGame", path + "\r\nファイルの保存に失敗しました。");
    return false;
}

bool clsXmlSchedule::XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi) {
    const std::string path = GetFileName(Kaisai, Kumi);
    if (RemoveFile(path) == 0) return true;
    ClassMessage(ClassName, "XmlDelete_NoGame", path + "\r\nファイルの削除に失敗しました。");
    return false;
}

}  // namespace kujimate
