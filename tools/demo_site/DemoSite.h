#pragma once
// A stand-in for the operator's web site: a few invented draws around a given day,
// served as ordinary HTML pages at the operator's page addresses.
#include <string>
#include <vector>

#include "support/Date.h"

namespace httplib {
class Server;
}

namespace kujimate::demo {

inline constexpr const char* SchedulePath =
    "/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form";
inline constexpr const char* ResultPath = "/dcs/subos/screen/pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form";
inline constexpr const char* MakerFolder = "/download/2021/";
inline constexpr const char* VotePath = "/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form";

class DemoSite {
public:
    // The draw on sale on `today` is the last one; the ones before it are decided.
    explicit DemoSite(Date today);

    const std::vector<int>& Draws() const { return draws_; }
    int CurrentDraw() const { return draws_.back(); }

    // A page for any draw number; unknown draws get the operator's "cannot be shown" page.
    std::string SchedulePage(int drawNo) const;
    std::string VotePage(int drawNo) const;
    std::string ResultPage(int drawNo) const;

    // Serves the three pages at the operator's addresses (holdCntId, commodityId), and the
    // maker's download folder.
    void Mount(httplib::Server& server) const;

    // The maker's download folder: the version list, and the overseas team names one
    // revision newer than the shipped file, with one more club (Shift_JIS, CR LF).
    static std::string MakerVersionList();
    static std::string MakerTeamName2();

private:
    struct Team {
        const char* shortName;
        const char* longName;
    };
    struct Match {
        Team home, away;
        Date day;      // date only
        Date kickOff;  // time of day only
        std::string stadium;
        bool calledOff = false;
        int homeGoals = 0, awayGoals = 0;
        long votes[3] = {0, 0, 0};  // by outcome 0, 1, 2
    };
    struct Draw {
        int no = 0;
        Date saleStart, saleEnd, resultDate, refundStart, refundEnd;
        std::vector<Match> matches;  // the 11 BIG1000 matches
        std::vector<Match> toto;     // the 13 toto matches of the same number
        bool decided = false;
        Date voteStamp;
    };
    const Draw* Find(int drawNo) const;
    static Draw MakeDraw(int no, Date saleEnd, bool decided, Date today);

    std::vector<int> draws_;
    std::vector<Draw> data_;
};

// The page a site shows for a draw it does not know.
std::string NotShownPage(const std::string& message);

}  // namespace kujimate::demo
