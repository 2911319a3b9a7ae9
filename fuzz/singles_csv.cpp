// The singles file reader over any bytes: a load that succeeds gives only single numbers, and
// the bulk reader of fixed-width lines agrees with the line-by-line reader on the result, the
// messages, the progress steps and the event points.
#include <cstdlib>
#include <tuple>
#include <vector>

#include "FuzzSupport.h"
#include "singles/clsTFileCSV.h"
#include "singles/clsTNumber.h"
#include "support/Report.h"

using namespace kujimate;

namespace {
struct Outcome {
    bool ok = false;
    int32_t count = -1;
    std::vector<int32_t> list{-1};
    std::vector<RecordingReporter::Entry> steps;
};

Outcome Load(const std::string& path, clsTFileCSV::Reader reader) {
    Outcome o;
    RecordingReporter rec;
    o.ok = clsTFileCSV(reader).CsvLoad(path, o.count, o.list);
    o.steps = std::move(rec.entries);
    return o;
}

bool Same(const RecordingReporter::Entry& a, const RecordingReporter::Entry& b) {
    return std::tie(a.kind, a.icon, a.caption, a.text, a.number) == std::tie(b.kind, b.icon, b.caption, b.text, b.number);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteInput(data, size, "singles.csv");
    const Outcome bulk = Load(path, clsTFileCSV::Reader::Bulk);
    const Outcome lines = Load(path, clsTFileCSV::Reader::LineByLine);
    if (bulk.ok != lines.ok || bulk.count != lines.count || bulk.list != lines.list) std::abort();
    if (bulk.steps.size() != lines.steps.size()) std::abort();
    for (size_t i = 0; i < bulk.steps.size(); ++i)
        if (!Same(bulk.steps[i], lines.steps[i])) std::abort();
    if (!bulk.ok) return 0;
    if (bulk.count != static_cast<int32_t>(bulk.list.size())) std::abort();
    for (int32_t s : bulk.list)
        if (!IsSingleNumber(s)) std::abort();
    return 0;
}
