#pragma once
// What the owner classes need from a page parser: download and parse the official page of
// one draw. The site client implements these; tests put in fakes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "drawdata/DrawRecords.h"

namespace kujimate {

// Opaque handle of the window that owns the progress window and the dialogs (may be null).
using OwnerWindow = void*;

class PageParserBase {
public:
    virtual ~PageParserBase() = default;
    // Set by the last fetch: the page came, but the draw was not on it.
    virtual bool Unpublished() const = 0;
    // Whether the progress window is opened before and closed after a download.
    virtual bool ProgressOpen() const = 0;
    virtual void ProgressOpen(bool v) = 0;
    virtual bool ProgressClose() const = 0;
    virtual void ProgressClose(bool v) = 0;
};

class SchedulePageParser : public PageParserBase {
public:
    // True when a record was produced; GetRecord then returns it.
    virtual bool GetSchedule(int32_t No, const std::string& Kumi, OwnerWindow owner) = 0;
    virtual ScheduleRecord GetRecord() const = 0;
};

class VotePageParser : public PageParserBase {
public:
    // blnFinal: true when the page's time stamp says the figures are final, false for an
    // intermediate one, untouched when there is none.
    virtual bool GetVote(int32_t No, const std::string& Kumi, OwnerWindow owner, bool& blnFinal) = 0;
    virtual VoteRecord GetRecord() const = 0;
};

class ResultPageParser : public PageParserBase {
public:
    virtual bool GetResult(int32_t No, const std::string& Kumi, OwnerWindow owner) = 0;
    virtual ResultRecord GetRecord() const = 0;
};

// The parsers every new schedule, vote and result source takes. The draw data knows only the
// interfaces above: whoever builds the program (start-up, the companion, tests) installs the
// site's parsers here. Without them a source reads stored files and downloads nothing.
struct PageParserFactory {
    std::function<std::unique_ptr<SchedulePageParser>()> schedule;
    std::function<std::unique_ptr<VotePageParser>()> vote;
    std::function<std::unique_ptr<ResultPageParser>()> result;
};
void SetPageParserFactory(PageParserFactory factory);
const PageParserFactory& GetPageParserFactory();

}  // namespace kujimate
