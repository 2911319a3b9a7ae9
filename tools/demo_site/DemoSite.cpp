#include "DemoSite.h"

#ifndef _WIN32
#include <httplib.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/Encoding.h"
#include "support/NumberText.h"

namespace kujimate::demo {
namespace {

// Clubs the installed dictionaries know: short name (toto and result pages) and the
// official long name (schedule page).
struct Club {
    const char* shortName;
    const char* longName;
    const char* ground;
};
constexpr Club Clubs[] = {
    {"鹿島", "鹿島アントラーズ", "鹿嶋臨海スタジアム"},      {"浦和", "浦和レッズ", "さいたま緑の森スタジアム"},
    {"柏", "柏レイソル", "柏の葉フットボールパーク"},       {"FC東京", "ＦＣ東京", "多摩川台スタジアム"},
    {"東京V", "東京ヴェルディ", "稲城陸上競技場"},          {"町田", "ＦＣ町田ゼルビア", "町田丘陵スタジアム"},
    {"川崎F", "川崎フロンターレ", "等々力台陸上競技場"},    {"横浜FM", "横浜Ｆ・マリノス", "新横浜港スタジアム"},
    {"湘南", "湘南ベルマーレ", "平塚海岸スタジアム"},       {"新潟", "アルビレックス新潟", "新潟信濃川スタジアム"},
    {"磐田", "ジュビロ磐田", "磐田天竜スタジアム"},         {"名古屋", "名古屋グランパス", "豊田川端スタジアム"},
    {"京都", "京都サンガＦ．Ｃ．", "亀岡盆地スタジアム"},   {"G大阪", "ガンバ大阪", "吹田万博スタジアム"},
    {"C大阪", "セレッソ大阪", "長居公園スタジアム"},        {"神戸", "ヴィッセル神戸", "御崎浜スタジアム"},
    {"広島", "サンフレッチェ広島", "広島中央公園スタジアム"}, {"福岡", "アビスパ福岡", "博多の森スタジアム"},
    {"鳥栖", "サガン鳥栖", "鳥栖駅前スタジアム"},           {"札幌", "北海道コンサドーレ札幌", "札幌羊ヶ丘ドーム"},
    {"仙台", "ベガルタ仙台", "仙台杜の都スタジアム"},       {"清水", "清水エスパルス", "日本平山頂スタジアム"},
    {"長崎", "Ｖ・ファーレン長崎", "長崎港スタジアム"},     {"千葉", "ジェフユナイテッド千葉", "蘇我臨海スタジアム"},
    {"岡山", "ファジアーノ岡山", "岡山桃園スタジアム"},     {"山形", "モンテディオ山形", "天童総合運動公園"},
};
constexpr int ClubCount = static_cast<int>(sizeof Clubs / sizeof Clubs[0]);

// Repeatable pseudo-random numbers per draw.
class Dice {
public:
    explicit Dice(uint32_t seed) : s_(seed * 2654435761u + 12345u) {}
    int Roll(int lo, int hi) {  // lo..hi inclusive
        s_ = s_ * 1664525u + 1013904223u;
        return lo + static_cast<int>((s_ >> 8) % static_cast<uint32_t>(hi - lo + 1));
    }

private:
    uint32_t s_;
};

std::string Pad2(int v) { return FormatNumber(static_cast<int64_t>(v), "00"); }
std::string Grouped(int64_t v) { return FormatNumber(v, "#,##0"); }

const char* WeekdayText(Date d) {
    static const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    return names[d.Weekday() - 1];
}

// Full-width digits, as parts of the operator's pages print them.
std::string FullWidthDigits(const std::string& s) {
    static const char* const digits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
    std::string out;
    for (char c : s) out += (c >= '0' && c <= '9') ? digits[c - '0'] : std::string(1, c);
    return out;
}

// 2025年03月15日（土）
std::string LongDate(Date d) {
    return std::to_string(d.Year()) + "年" + Pad2(d.Month()) + "月" + Pad2(d.Day()) + "日（" + WeekdayText(d) + "）";
}
std::string Clock(Date t) { return Pad2(t.Hour()) + ":" + Pad2(t.Minute()); }
std::string MonthDay(Date d) { return Pad2(d.Month()) + "/" + Pad2(d.Day()); }

std::string Head(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"UTF-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title>" + title + " | デモくじ運営センター</title>\n"
           "<link rel=\"stylesheet\" href=\"/common/css/kuji.css\">\n"
           "<!-- demo site: every draw, match and figure on this page is invented -->\n"
           "</head>\n<body>\n"
           "<div id=\"header\">\n  <p class=\"logo\"><a href=\"/\">デモくじ運営センター</a></p>\n"
           "  <ul class=\"gnav\">\n    <li><a href=\"/big/\">BIG</a></li>\n    <li><a href=\"/minibig/\">mini BIG</a></li>\n"
           "    <li><a href=\"/big1000/\">BIG1000</a></li>\n    <li><a href=\"/big100/\">100円BIG</a></li>\n"
           "    <li><a href=\"/toto/\">toto</a></li>\n  </ul>\n</div>\n"
           "<div id=\"contents\">\n";
}

std::string Foot() {
    return "</div>\n<div id=\"footer\">\n  <p><a href=\"/terms/\">ご利用規約 &amp; 個人情報の取扱い</a></p>\n"
           "  <p class=\"copy\">Copyright &#169; デモくじ運営センター All Rights Reserved.</p>\n"
           "</div>\n</body>\n</html>\n";
}

Date AddDays(Date d, int days) { return Date{d.Value + days}; }
Date At(Date day, int h, int m) { return Date::FromYmdHns(day.Year(), day.Month(), day.Day(), h, m, 0); }

}  // namespace

std::string NotShownPage(const std::string& message) {
    return Head("エラー") + "<div class=\"error\">\n  <h2>お知らせ</h2>\n  <p>" + message +
           "</p>\n  <p><a href=\"/\">トップページへ戻る</a></p>\n</div>\n" + Foot();
}

DemoSite::DemoSite(Date now) {
    // The draw on sale ends on the first Saturday 13:50 after now.
    Date day = now.DatePart();
    Date end = At(day, 13, 50);
    while (end.Weekday() != 7 || end.Value <= now.Value) {
        day = AddDays(day, 1);
        end = At(day, 13, 50);
    }
    constexpr int current = 1524;
    for (int no = current - 3; no <= current; ++no) {
        Date saleEnd = AddDays(end, -7 * (current - no));
        Draw d = MakeDraw(no, saleEnd, no != current, now);
        draws_.push_back(no);
        data_.push_back(std::move(d));
    }
}

DemoSite::Draw DemoSite::MakeDraw(int no, Date saleEnd, bool decided, Date now) {
    Dice dice(static_cast<uint32_t>(no));
    Draw d;
    d.no = no;
    d.decided = decided;
    d.saleEnd = saleEnd;
    const Date saturday = saleEnd.DatePart();
    d.saleStart = AddDays(saturday, -7);
    d.resultDate = AddDays(saturday, 2);
    d.refundStart = AddDays(saturday, 3);
    d.refundEnd = AddDays(d.refundStart, 364);

    int order[ClubCount];
    for (int i = 0; i < ClubCount; ++i) order[i] = i;
    for (int i = ClubCount - 1; i > 0; --i) std::swap(order[i], order[dice.Roll(0, i)]);

    const int slots[][3] = {{0, 14, 0}, {0, 15, 0}, {0, 16, 0}, {0, 17, 0}, {0, 19, 0}, {1, 13, 0},
                            {1, 14, 0}, {1, 15, 0}, {1, 16, 0}, {1, 18, 0}, {1, 19, 0}, {1, 14, 0}, {0, 15, 0}};
    auto makeMatch = [&](int k) {
        const Club& h = Clubs[order[2 * k]];
        const Club& a = Clubs[order[2 * k + 1]];
        Match m;
        m.home = Team{h.shortName, h.longName};
        m.away = Team{a.shortName, a.longName};
        m.stadium = h.ground;
        m.day = AddDays(saturday, slots[k][0]);
        m.kickOff = Date::FromTime(slots[k][1], slots[k][2], 0);
        m.homeGoals = dice.Roll(0, 4);
        m.awayGoals = dice.Roll(0, 3);
        const long total = dice.Roll(800, 1600) * 1000L + dice.Roll(0, 999);
        const int wHome = dice.Roll(30, 60), wDraw = dice.Roll(15, 30), wAway = dice.Roll(15, 45);
        m.votes[1] = total * wHome / (wHome + wDraw + wAway);
        m.votes[0] = total * wDraw / (wHome + wDraw + wAway);
        m.votes[2] = total - m.votes[1] - m.votes[0];
        return m;
    };
    for (int k = 0; k < 11; ++k) d.matches.push_back(makeMatch(k));
    // The second draw shows a match called off after the schedule came out.
    if (no % 4 == 2) d.matches[6].calledOff = true;
    d.toto = d.matches;
    d.toto.push_back(makeMatch(11));
    d.toto.push_back(makeMatch(12));
    for (int i = static_cast<int>(d.toto.size()) - 1; i > 0; --i) std::swap(d.toto[i], d.toto[dice.Roll(0, i)]);
    std::stable_sort(d.toto.begin(), d.toto.end(), [](const Match& x, const Match& y) {
        return x.day.Value + x.kickOff.Value < y.day.Value + y.kickOff.Value;
    });
    for (Match& m : d.toto)
        if (m.calledOff) m.votes[0] = m.votes[1] = m.votes[2] = 0;
    // Figures during the sale are stamped at the last half hour.
    const int minutes = now.Hour() * 60 + now.Minute();
    d.voteStamp = decided ? saleEnd : At(now.DatePart(), minutes / 60, minutes % 60 / 30 * 30);
    return d;
}

const DemoSite::Draw* DemoSite::Find(int drawNo) const {
    for (const Draw& d : data_)
        if (d.no == drawNo) return &d;
    return nullptr;
}

std::string DemoSite::SchedulePage(int drawNo) const {
    const Draw* d = Find(drawNo);
    if (!d) return NotShownPage("ご指定のくじ情報は表示できません。");
    std::string h = Head("BIG1000 くじ指定試合");
    h += "<div class=\"kuji-title\">\n  <h2>第 " + std::to_string(d->no) + " 回 BIG1000 くじ指定試合</h2>\n</div>\n";
    h += "<table class=\"kuji-term\">\n";
    h += "  <tr><th>販売開始日</th><td>" + FullWidthDigits(LongDate(d->saleStart)) + "</td></tr>\n";
    h += "  <tr><th>販売終了日</th><td>" + FullWidthDigits(LongDate(d->saleEnd)) + "<br>\n    " +
         Clock(d->saleEnd) + "</td></tr>\n";
    h += "</table>\n<!-- designated matches -->\n<table class=\"kuji-game\">\n";
    h += "  <tr><th>No.</th><th>開催日</th><th>試合開始時間</th><th>競技場</th><th>ホーム</th><th>&nbsp;</th>"
         "<th>アウェイ</th></tr>\n";
    // The header's blank cell is the one "&nbsp;" line before the rows; rows themselves have none.
    for (size_t k = 0; k < d->matches.size(); ++k) {
        const Match& m = d->matches[k];
        h += "  <tr>\n    <td class=\"no\">" + std::to_string(k + 1) + "</td>\n";
        h += "    <td>" + MonthDay(m.day) + "</td>\n    <td>" + Clock(m.kickOff) + "</td>\n";
        h += "    <td>" + m.stadium + "</td>\n    <td class=\"home\">" + m.home.longName + "</td>\n";
        h += std::string("    <td class=\"vs\">") + (m.calledOff ? "中止" : "VS") + "</td>\n";
        h += "    <td class=\"away\">" + std::string(m.away.longName) + "</td>\n  </tr>\n";
    }
    h += "</table>\n<table class=\"kuji-term\">\n";
    h += "  <tr><th>結果発表日</th><td>" + LongDate(d->resultDate) + "</td></tr>\n";
    h += "  <tr><th>払戻開始日</th><td>" + LongDate(d->refundStart) + "</td></tr>\n";
    h += "  <tr><th>払戻期限</th><td>" + LongDate(d->refundEnd) + "</td></tr>\n</table>\n";
    h += "<p class=\"note\">※試合開始時間は変更になる場合があります。<br>※中止となった試合は全て「その他」として取り扱います。</p>\n";
    return h + Foot();
}

std::string DemoSite::VotePage(int drawNo) const {
    const Draw* d = Find(drawNo);
    if (!d) return NotShownPage("ご指定の投票状況は表示できません。");
    std::string h = Head("toto 投票状況");
    h += "<h2>第" + std::to_string(d->no) + "回 toto 投票状況</h2>\n";
    const Date s = d->voteStamp;
    h += "<p class=\"stamp\">(" + FullWidthDigits(LongDate(s)) + Clock(s) + (d->decided ? "販売終了時点" : "時点") +
         ")</p>\n";
    // Sales figures follow the votes of the matches on the real pages too.
    h += "<table class=\"vote\">\n  <tr><th rowspan=\"2\">開催日</th><th rowspan=\"2\">試合開始</th>"
         "<th rowspan=\"2\">No.</th><th rowspan=\"2\">ホーム</th><th colspan=\"3\">投票数<br>（投票率）</th>"
         "<th rowspan=\"2\">アウェイ</th></tr>\n  <tr><th>ホーム勝ち</th><th>その他</th><th>ホーム負け</th></tr>\n";
    long units = 0;
    for (size_t k = 0; k < d->toto.size(); ++k) {
        const Match& m = d->toto[k];
        size_t span = 1;
        const bool first = k == 0 || d->toto[k - 1].day.Value + d->toto[k - 1].kickOff.Value !=
                                         m.day.Value + m.kickOff.Value;
        if (first)
            while (k + span < d->toto.size() && d->toto[k + span].day.Value + d->toto[k + span].kickOff.Value ==
                                                     m.day.Value + m.kickOff.Value)
                ++span;
        h += "  <tr>";
        if (first) {
            const std::string rs = span > 1 ? " rowspan=\"" + std::to_string(span) + "\"" : "";
            h += "<td" + rs + ">" + MonthDay(m.day) + "</td><td" + rs + ">" + Clock(m.kickOff) + "</td>";
        }
        h += "<td class=\"no\">" + std::string(m.calledOff ? "中止<br>" : "") + std::to_string(k + 1) + "</td>";
        h += "<td>" + std::string(m.home.shortName) + "</td>";
        const long total = m.votes[0] + m.votes[1] + m.votes[2];
        for (int outcome : {1, 0, 2}) {
            const double rate = total ? 100.0 * m.votes[outcome] / total : 0.0;
            h += "<td>" + Grouped(m.votes[outcome]) + "<br>(" + FormatNumber(rate, "0.00") + "%)</td>";
            units += m.votes[outcome];
        }
        h += "<td>" + std::string(m.away.shortName) + "</td></tr>\n";
    }
    h += "</table>\n";
    const long multi = units / 5 * 3, single = units - multi;
    h += "<table class=\"sales\">\n  <tr><th>&nbsp;</th><th>合計</th><th>マルチ</th><th>シングル</th></tr>\n";
    h += "  <tr><th>売上金額</th><td>" + Grouped(units * 100) + "円</td><td>" + Grouped(multi * 100) + "円</td><td>" +
         Grouped(single * 100) + "円</td></tr>\n";
    h += "  <tr><th>投票口数</th><td>" + Grouped(units) + "口</td><td>" + Grouped(multi) + "口</td><td>" +
         Grouped(single) + "口</td></tr>\n";
    h += "  <tr><th>投票枚数</th><td>" + Grouped(units / 4) + "枚</td><td>" + Grouped(multi / 12) + "枚</td><td>" +
         Grouped(units / 4 - multi / 12) + "枚</td></tr>\n</table>\n";
    h += "<table class=\"term\">\n  <tr><th>販売期間</th><td>" + LongDate(d->saleStart) + " ～ " + LongDate(d->saleEnd) +
         Clock(d->saleEnd) + "まで</td></tr>\n";
    h += "  <tr><th>結果発表日</th><td>" + LongDate(d->resultDate) + "</td></tr>\n";
    h += "  <tr><th>払戻開始日</th><td>" + LongDate(d->refundStart) + "</td></tr>\n";
    h += "  <tr><th>払戻期限</th><td>" + LongDate(d->refundEnd) + "</td></tr>\n</table>\n";
    return h + Foot();
}

std::string DemoSite::ResultPage(int drawNo) const {
    const Draw* d = Find(drawNo);
    if (!d || !d->decided) return NotShownPage("ご指定のくじ結果は表示できません。");
    Dice dice(static_cast<uint32_t>(d->no) * 7u + 1u);
    const long units = dice.Roll(4000, 7000) * 1000L + dice.Roll(0, 999);
    const int winners1 = dice.Roll(0, 3);
    const int64_t prize[5] = {0, winners1 ? 10000000 : 0, dice.Roll(40, 90) * 1000, dice.Roll(15, 40) * 100,
                              dice.Roll(20, 40) * 10};
    const int64_t winners[5] = {0, winners1, dice.Roll(20, 90), dice.Roll(600, 1800), dice.Roll(9000, 30000)};
    const int64_t carry1 = winners1 ? 0 : dice.Roll(20000, 90000) * 1000;

    std::string h = Head("BIG1000 くじ結果");
    h += "<div class=\"kuji-title\">\n  <h2>第" + std::to_string(d->no) + "回 BIG1000 くじ結果</h2>\n</div>\n";
    h += "<table class=\"prize\">\n  <tr><th>等級</th><th>当せん金</th><th>当せん口数</th><th>次回への繰越金</th></tr>\n";
    for (int g = 1; g <= 4; ++g) {
        h += "  <tr><th>" + std::to_string(g) + "等</th><td>" + Grouped(prize[g]) + "円</td><td>" +
             Grouped(winners[g]) + "口</td><td>" + Grouped(g == 1 ? carry1 : 0) + "円</td></tr>\n";
    }
    h += "</table>\n<table class=\"sales\">\n  <tr><th>売上金額</th><th>投票口数</th><th>投票枚数</th></tr>\n";
    h += "  <tr><td>" + Grouped(units * 200) + "円</td><td>" + Grouped(units) + "口</td><td>" + Grouped(units * 10 / 27) +
         "枚</td></tr>\n</table>\n";
    h += "<table class=\"term\">\n  <tr><th>販売開始日</th><th>販売終了日</th><th>結果発表日</th></tr>\n";
    h += "  <tr><td>" + LongDate(d->saleStart) + "</td><td>" + LongDate(d->saleEnd) + Clock(d->saleEnd) + "</td><td>" +
         LongDate(d->resultDate) + "</td></tr>\n";
    h += "  <tr><th>払戻開始日</th><th>払戻期限</th></tr>\n  <tr><td>" + LongDate(d->refundStart) + "</td><td>" +
         LongDate(d->refundEnd) + "</td></tr>\n</table>\n";
    h += "<!-- match results -->\n<table class=\"result\">\n"
         "  <tr><th>No.</th><th>ホーム</th><th>スコア</th><th>アウェイ</th><th>くじ結果</th></tr>\n";
    for (size_t k = 0; k < d->matches.size(); ++k) {
        const Match& m = d->matches[k];
        h += "  <tr><td>" + std::to_string(k + 1) + "</td><td>" + m.home.shortName + "</td>";
        if (m.calledOff) {
            h += "<td>中止</td><td>" + std::string(m.away.shortName) + "</td><td>＊</td></tr>\n";
            continue;
        }
        const int outcome = m.homeGoals > m.awayGoals ? 1 : m.homeGoals == m.awayGoals ? 0 : 2;
        h += "<td>" + std::to_string(m.homeGoals) + "-" + std::to_string(m.awayGoals) + "</td><td>" +
             m.away.shortName + "</td><td>" + std::to_string(outcome) + "</td></tr>\n";
    }
    h += "</table>\n<p class=\"note\">※中止の試合は「その他」(0)として取り扱います。</p>\n";
    return h + Foot();
}

namespace {
// The shipped overseas team names, bytes as installed, with their version.
struct Shipped {
    std::string text;
    std::string version = "1";
    int revision = 0;
};

Shipped ShippedTeamName2() {
    Shipped s;
    std::ifstream in(std::string(KUJIMATE_SYSDATA_SOURCE) + "/TeamName2.dat", std::ios::binary);
    s.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (const size_t at = s.text.find("Version = "); at != std::string::npos)
        s.version = std::to_string(std::atoi(s.text.c_str() + at + 10));
    if (const size_t at = s.text.find("Revision = "); at != std::string::npos)
        s.revision = std::atoi(s.text.c_str() + at + 11);
    return s;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
}  // namespace

std::string DemoSite::MakerVersionList() {
    const Shipped s = ShippedTeamName2();
    return ";Kasumiworks download file versions\r\n"
           "TeamName2.dat = " + s.version + "." + TwoDigits(s.revision + 1) + "\r\n"
           "[VersionEnd]\r\n";
}

std::string DemoSite::MakerTeamName2() {
    const Shipped s = ShippedTeamName2();
    std::string text = s.text;
    const std::string from = "Revision = " + TwoDigits(s.revision);
    if (const size_t at = text.find(from); at != std::string::npos)
        text.replace(at, from.size(), "Revision = " + TwoDigits(s.revision + 1));
    if (!text.empty() && text.back() != '\n') text += "\r\n";
    return text + Utf8ToCp932("ﾚｸｻﾑ = レクサム") + "\r\n[End]\r\n";
}

// The Windows build uses the pages only: Debian's cpp-httplib is built for Linux.
#ifndef _WIN32
void DemoSite::Mount(httplib::Server& server) const {
    server.Get(std::string(MakerFolder) + "version.dat", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(MakerVersionList(), "text/plain; charset=Shift_JIS");
    });
    server.Get(std::string(MakerFolder) + "TeamName2.dat", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(MakerTeamName2(), "text/plain; charset=Shift_JIS");
    });
    auto draw = [](const httplib::Request& req) {
        const std::string v = req.get_param_value("holdCntId");
        if (v.empty() || v.size() > 6 || v.find_first_not_of("0123456789") != std::string::npos) return -1;
        return std::stoi(v);
    };
    auto send = [](httplib::Response& res, const std::string& page) {
        res.set_header("Cache-Control", "no-store");
        res.set_content(page, "text/html; charset=UTF-8");
    };
    server.Get(SchedulePath, [this, draw, send](const httplib::Request& req, httplib::Response& res) {
        const bool big1000 = req.get_param_value("commodityId") == "11";
        send(res, big1000 ? SchedulePage(draw(req)) : NotShownPage("ご指定のくじ情報は表示できません。"));
    });
    server.Get(VotePath, [this, draw, send](const httplib::Request& req, httplib::Response& res) {
        const bool toto = req.get_param_value("commodityId") == "01";
        send(res, toto ? VotePage(draw(req)) : NotShownPage("ご指定の投票状況は表示できません。"));
    });
    server.Get(ResultPath, [this, draw, send](const httplib::Request& req, httplib::Response& res) {
        send(res, ResultPage(draw(req)));
    });
}
#endif

}  // namespace kujimate::demo
