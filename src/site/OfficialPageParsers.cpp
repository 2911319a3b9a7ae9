#include "site/OfficialPageParsers.h"

#include "drawdata/PageParsers.h"
#include "site/clsHtmlResult.h"
#include "site/clsHtmlSchedule.h"
#include "site/clsHtmlVote.h"

namespace kujimate {

void InstallOfficialPageParsers() {
    SetPageParserFactory({
        [] { return std::unique_ptr<SchedulePageParser>(std::make_unique<clsHtmlSchedule>()); },
        [] { return std::unique_ptr<VotePageParser>(std::make_unique<clsHtmlVote>()); },
        [] { return std::unique_ptr<ResultPageParser>(std::make_unique<clsHtmlResult>()); },
    });
}

}  // namespace kujimate
