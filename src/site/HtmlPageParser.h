#pragma once
// What every official page parser shares: its page fetcher with the progress switches, the
// value converters and the Unpublished flag of the last fetch.
#include "drawdata/PageParsers.h"
#include "site/clsHtmlGet.h"
#include "site/clsHtmlToto.h"

namespace kujimate {

template <typename Interface>
class HtmlPageParser : public Interface {
public:
    bool Unpublished() const override { return unpublished_; }
    bool ProgressOpen() const override { return htmlGet_.ProgressOpen(); }
    void ProgressOpen(bool v) override { htmlGet_.ProgressOpen(v); }
    bool ProgressClose() const override { return htmlGet_.ProgressClose(); }
    void ProgressClose(bool v) override { htmlGet_.ProgressClose(v); }
    clsHtmlGet& HtmlGet() { return htmlGet_; }

protected:
    clsHtmlGet htmlGet_;
    clsHtmlToto htmlToto_;
    bool unpublished_ = false;
};

}  // namespace kujimate
