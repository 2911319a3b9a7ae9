#include "drawdata/clsXmlVote.h"

#include "drawdata/XmlTagWalker.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsXmlVote";
// Outcome blocks in the order they are written, by outcome code.
const char* const OutcomeNames[3] = {"その他", "ホーム勝ち", "ホーム負け"};
}  // namespace

std::string clsXmlVote::GetFileName(int32_t Kaisai, const std::string& Kumi) const {
    clsFileSystemObject fso;
    return fso.GetFullPath("SysData\\BIG1000_Vote\\big1000_vote" + DrawFilePart(Kaisai, Kumi) + ".xml");
}

std::string clsXmlVote::GetXmlString(bool blnHeader) const {
    const VoteRecord& r = record_;
    std::vector<std::string> l;
    if (blnHeader) {
        l.push_back("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>");
        l.push_back("<?xml-stylesheet type=\"text/xsl\" href=\"big1000_vote.xsl\"?>");
        l.push_back("<BIG1000>");
    }
    l.push_back("<投票状況>");
    l.push_back(XmlElement("開催回", std::to_string(r.DrawNo)));
    if (!r.Group.empty()) l.push_back(XmlElement("組", r.Group));
    l.push_back(XmlElement("販売終了時点", XmlDateText(r.AsOf)));
    for (int n = 1; n <= GameCount; ++n) {
        const VoteGame& g = r.Games[n];
        l.push_back("<指定試合>");
        l.push_back(XmlElement("番号", std::to_string(n)));
        l.push_back(XmlElement("試合開催日", XmlDateText(g.GameDate)));
        l.push_back(XmlElement("試合開始予定時間", XmlDateText(g.KickOff)));
        l.push_back(XmlElement("ホーム", g.Home));
        l.push_back(XmlElement("アウェイ", g.Away));
        for (int code = 0; code <= 2; ++code) {
            l.push_back(std::string("<") + OutcomeNames[code] + ">");
            l.push_back(XmlElement("投票口数", g.Counts[code].Votes.ToText()));
            l.push_back(XmlElement("投票率", g.Counts[code].Rate.ToText()));
            l.push_back(std::string("</") + OutcomeNames[code] + ">");
        }
        l.push_back("</指定試合>");
    }
    l.push_back("</投票状況>");
    if (blnHeader) l.push_back("</BIG1000>");
    return JoinCrLf(l);
}

bool clsXmlVote::XmlSave(const std::string& strFileName) {
    if (stream_.SaveToFile(strFileName, GetXmlString(true))) return true;
    ClassMessage(ClassName, "XmlSave", strFileName + "\r\nファイルの保存に失敗しました。");
    return false;
}

bool clsXmlVote::XmlLoad(const std::string& strFileName) {
    clsFileSystemObject fso;
    if (strFileName.empty() || !fso.FileExists(fso.GetFullPath(strFileName))) return false;
    std::string text;
    if (!stream_.LoadFromFile(strFileName, text)) return false;
    return SetXmlString(text, true);
}

bool clsXmlVote::SetXmlString(const std::string& strXML, bool blnHeader) {
    const std::string text = blnHeader ? strXML : "<BIG1000>\r\n" + strXML + "\r\n</BIG1000>";
    VoteRecord r;
    bool ok = WalkXml(text, "投票状況", ClassName, [&](const std::string& key, const std::string& v, XmlValueError& e) {
        if (key == "<開催回>") return XmlToLong(v, r.DrawNo, e);
        if (key == "<販売終了時点>") return XmlToDate(v, r.AsOf, e);
        if (key == "<販売開始日>") return XmlToDate(v, r.SaleStart, e);
        if (key == "<販売終了日>") return XmlToDate(v, r.SaleEnd, e);
        if (key == "<結果発表日>" || key == "<結果速報発表日>") return XmlToDate(v, r.ResultDate, e);
        if (key == "<払戻開始日>") return XmlToDate(v, r.RefundStart, e);
        if (key == "<払戻期限>") return XmlToDate(v, r.RefundEnd, e);
        for (auto [prefix, t] : {std::pair<const char*, SaleTotals*>{"<売上金額>", &r.SalesAmount},
                                 {"<投票口数>", &r.VoteUnits}, {"<投票枚数>", &r.VoteTickets}}) {
            const std::string p = prefix;
            if (key == p + "<合計>") return XmlToCurrency(v, t->Total, e);
            if (key == p + "<マルチ>") return XmlToCurrency(v, t->Multi, e);
            if (key == p + "<シングル>") return XmlToCurrency(v, t->Single, e);
        }
        if (key == "<指定試合><番号>") return XmlToLong(v, game_, e);
        const std::string g = "<指定試合>";
        if (!StartsWith(key, g)) return true;
        const std::string field = key.substr(g.size());
        auto current = [&]() -> VoteGame* { return XmlGameIndex(game_, e) ? &r.Games[game_] : nullptr; };
        if (field == "<ホーム>" || field == "<アウェイ>" || field == "<試合開催日>" || field == "<試合開始予定時間>") {
            VoteGame* vg = current();
            if (!vg) return false;
            if (field == "<ホーム>") vg->Home = v;
            else if (field == "<アウェイ>") vg->Away = v;
            else if (field == "<試合開催日>") return XmlToDate(v, vg->GameDate, e);
            else return XmlToDate(v, vg->KickOff, e);
            return true;
        }
        for (int code = 0; code <= 2; ++code) {
            const std::string block = std::string("<") + OutcomeNames[code] + ">";
            if (field == block + "<投票口数>" || field == block + "<投票率>") {
                VoteGame* vg = current();
                if (!vg) return false;
                VoteCount& c = vg->Counts[code];
                return XmlToCurrency(v, field.ends_with("<投票率>") ? c.Rate : c.Votes, e);
            }
        }
        return true;
    });
    // A stored file only ever holds final figures: they stand as at the end of sale.
    if (ok && !r.AsOf.IsZero()) r.SaleEnd = r.AsOf;
    if (ok) record_ = std::move(r);
    return ok;
}

}  // namespace kujimate
