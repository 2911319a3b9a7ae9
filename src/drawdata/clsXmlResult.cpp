#include "drawdata/clsXmlResult.h"

#include "drawdata/XmlTagWalker.h"
#include "refdata/clsTGameType.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsXmlResult";
}

std::string clsXmlResult::GradeName(int grade) {
    static const char* names[] = {"一等", "二等", "三等", "四等", "五等", "六等"};
    return grade >= 1 && grade <= 6 ? names[grade - 1] : "";
}

std::string clsXmlResult::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    clsFileSystemObject fso;
    return fso.GetFullPath("SysData\\BIG1000_Result\\big1000_result" + DrawFilePart(Kaisai, Kumi) + ".xml");
}

std::string clsXmlResult::GetXmlString() const {
    const ResultRecord& r = record_;
    const int grades = static_cast<int>(clsToto().GetMaxGrade(r.DrawNo));
    std::vector<std::string> l;
    l.push_back("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
    l.push_back("<?xml-stylesheet type=\"text/xsl\" href=\"big1000_result.xsl\"?>");
    l.push_back("<BIG1000>");
    l.push_back("<結果>");
    l.push_back(XmlElement("開催回", std::to_string(r.DrawNo)));
    if (!r.Group.empty()) l.push_back(XmlElement("組", r.Group));
    for (int n = 1; n <= GameCount; ++n) {
        const ResultGame& g = r.Games[n];
        l.push_back("<指定試合>");
        l.push_back(XmlElement("番号", std::to_string(n)));
        l.push_back(XmlElement("くじ結果", std::to_string(g.Outcome)));
        l.push_back(XmlElement("ホーム", g.Home));
        l.push_back(XmlElement("アウェイ", g.Away));
        l.push_back(XmlElement("ホーム得点", std::to_string(g.HomeScore)));
        l.push_back(XmlElement("アウェイ得点", std::to_string(g.AwayScore)));
        l.push_back("</指定試合>");
    }
    if (!r.Cancelled) {
        auto block = [&](const char* name, const OneBased<Currency, GradeCount>& values) {
            l.push_back(std::string("<") + name + ">");
            for (int k = 1; k <= grades && k <= GradeCount; ++k) l.push_back(XmlElement(GradeName(k), values[k].ToText()));
            l.push_back(std::string("</") + name + ">");
        };
        block("当せん金", r.Prize);
        block("当せん口数", r.Winners);
        block("次回への繰越金", r.CarryOver);
        l.push_back(XmlElement("販売開始日", XmlDateText(r.SaleStart)));
        l.push_back(XmlElement("販売終了日", XmlDateText(r.SaleEnd)));
        l.push_back(XmlElement("結果発表日", XmlDateText(r.ResultDate)));
        l.push_back(XmlElement("払戻開始日", XmlDateText(r.RefundStart)));
        l.push_back(XmlElement("払戻期限", XmlDateText(r.RefundEnd)));
        l.push_back(XmlElement("売上金額", r.SalesAmount.ToText()));
        l.push_back(XmlElement("投票口数", r.VoteUnits.ToText()));
        l.push_back(XmlElement("投票枚数", r.VoteTickets.ToText()));
    } else {
        l.push_back(XmlElement("開催状態", "中止"));
        l.push_back(XmlElement("返還確定日", XmlDateText(r.ResultDate)));
        l.push_back(XmlElement("返還開始日", XmlDateText(r.RefundStart)));
        l.push_back(XmlElement("返還期限", XmlDateText(r.RefundEnd)));
    }
    l.push_back("</結果>");
    l.push_back("</BIG1000>");
    return JoinCrLf(l);
}

bool clsXmlResult::XmlSave(const std::string& strFileName) {
    if (stream_.SaveToFile(strFileName, GetXmlString())) return true;
    ClassMessage(ClassName, "XmlSave", strFileName + "\r\nファイルの保存に失敗しました。");
    return false;
}

bool clsXmlResult::XmlLoad(const std::string& strFileName) {
    clsFileSystemObject fso;
    if (strFileName.empty() || !fso.FileExists(fso.GetFullPath(strFileName))) return false;
    std::string text;
    if (!stream_.LoadFromFile(strFileName, text)) return false;
    ResultRecord r;
    bool ok = WalkXml(text, "結果", ClassName, [&](const std::string& key, const std::string& v, XmlValueError& e) {
        if (key == "<開催回>") return XmlToLong(v, r.DrawNo, e);
        for (auto [name, arr] : {std::pair<const char*, OneBased<Currency, GradeCount>*>{"<当せん金>", &r.Prize},
                                 {"<当せん口数>", &r.Winners}, {"<次回への繰越金>", &r.CarryOver}}) {
            for (int k = 1; k <= GradeCount; ++k)
                if (key == name + ("<" + GradeName(k) + ">")) return XmlToCurrency(v, (*arr)[k], e);
        }
        if (key == "<販売開始日>") return XmlToDate(v, r.SaleStart, e);
        if (key == "<販売終了日>") return XmlToDate(v, r.SaleEnd, e);
        if (key == "<結果発表日>" || key == "<結果速報発表日>") return XmlToDate(v, r.ResultDate, e);
        if (key == "<払戻開始日>") return XmlToDate(v, r.RefundStart, e);
        if (key == "<払戻期限>") return XmlToDate(v, r.RefundEnd, e);
        if (key == "<売上金額>") return XmlToCurrency(v, r.SalesAmount, e);
        if (key == "<投票口数>") return XmlToCurrency(v, r.VoteUnits, e);
        if (key == "<投票枚数>") return XmlToCurrency(v, r.VoteTickets, e);
        if (key == "<開催状態>") {
            if (v == "中止") r.Cancelled = true;
            return true;
        }
        if (key == "<指定試合><番号>") return XmlToLong(v, game_, e);
        const std::string gp = "<指定試合>";
        if (!StartsWith(key, gp)) return true;
        const std::string field = key.substr(gp.size());
        static const char* known[] = {"<くじ結果>", "<競技場>", "<ホーム>", "<アウェイ>", "<ホーム得点>", "<アウェイ得点>", "<試合開催日>"};
        bool isKnown = false;
        for (const char* k : known) isKnown = isKnown || field == k;
        if (!isKnown) return true;
        if (!XmlGameIndex(game_, e)) return false;
        ResultGame& g = r.Games[game_];
        if (field == "<くじ結果>") return XmlToByte(v, g.Outcome, e);
        if (field == "<ホーム得点>") return XmlToByte(v, g.HomeScore, e);
        if (field == "<アウェイ得点>") return XmlToByte(v, g.AwayScore, e);
        if (field == "<試合開催日>") return XmlToDate(v, g.GameDate, e);
        if (field == "<競技場>") g.Stadium = v;
        else if (field == "<ホーム>") g.Home = v;
        else g.Away = v;
        return true;
    });
    if (ok) record_ = std::move(r);
    return ok;
}

}  // namespace kujimate
