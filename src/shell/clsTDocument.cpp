#include "shell/clsTDocument.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "support/clsAtomicFileWriter.h"

namespace kujimate {

namespace {
// Tells the window once an operation is over, and only when what it shows flipped.
class StateWatch {
public:
    StateWatch(const clsTDocument& d) : d_(d), changed_(d.IsChanged()), undo_(d.CanUndo()), redo_(d.CanRedo()) {}
    ~StateWatch() {
        if ((changed_ != d_.IsChanged() || undo_ != d_.CanUndo() || redo_ != d_.CanRedo()) && d_.StateChanged)
            d_.StateChanged();
    }

private:
    const clsTDocument& d_;
    bool changed_, undo_, redo_;
};
}  // namespace

size_t clsTDocument::Step::Bytes() const {
    return sizeof(Step) + positions.capacity() * sizeof(int32_t) + values.capacity() * sizeof(int32_t);
}

void clsTDocument::SetHistoryLimit(size_t bytes) {
    StateWatch watch(*this);
    historyLimit_ = bytes;
    Push({});  // trims only
}

void clsTDocument::ResetHistory() {
    undo_.clear();
    redo_.clear();
    historyBytes_ = 0;
    baseId_ = nextId_++;
    savedId_ = baseId_;
}

void clsTDocument::FrameChanged() {
    if (ChangeFrame) ChangeFrame(frame_);
}

void clsTDocument::Done() {
    if (Edited) Edited();
}

void clsTDocument::AddToFrame(int32_t single, int delta) {
    if (!IsSingleNumber(single)) return;
    uint8_t d[SingleGames];
    UnpackSingle(single, d);
    for (int g = 0; g < SingleGames; ++g) frame_[d[g]][g] += delta;
}

void clsTDocument::Recount() {
    clsTSingleFrame().GetSingleFrame(Count(), singles_, frame_);
}

void clsTDocument::Clear() {
    StateWatch watch(*this);
    singles_ = {};
    frame_ = {};
    frameZero_ = {};
    currentFile_.clear();
    ResetHistory();
    FrameChanged();
}

void clsTDocument::Load(std::vector<int32_t> list, const std::string& file) {
    StateWatch watch(*this);
    singles_ = std::move(list);
    singles_.shrink_to_fit();
    frameZero_ = {};
    currentFile_ = file;
    Recount();
    ResetHistory();
    FrameChanged();
}

void clsTDocument::Restore(std::vector<int32_t> list, const std::string& file) {
    Load(std::move(list), file);
    StateWatch watch(*this);
    savedId_ = 0;  // no state has that id
}

void clsTDocument::Saved(const std::string& file) {
    StateWatch watch(*this);
    currentFile_ = file;
    savedId_ = CurrentId();
}

void clsTDocument::Push(Step step) {
    if (step.id != 0) {
        // A new edit ends every redo branch.
        for (const Step& r : redo_) historyBytes_ -= r.Bytes();
        redo_.clear();
        historyBytes_ += step.Bytes();
        undo_.push_back(std::move(step));
    }
    while (historyBytes_ > historyLimit_ && !undo_.empty()) {
        historyBytes_ -= undo_.front().Bytes();
        baseId_ = undo_.front().id;
        undo_.pop_front();
    }
    while (historyBytes_ > historyLimit_ && !redo_.empty()) {
        historyBytes_ -= redo_.front().Bytes();
        redo_.erase(redo_.begin());
    }
}

bool clsTDocument::ChangeValue(int32_t index, int32_t single) {
    if (index < 0 || index >= Count() || !IsSingleNumber(single)) return false;
    StateWatch watch(*this);
    Step s;
    s.kind = Step::Kind::Value;
    s.id = nextId_++;
    s.index = index;
    s.before = singles_[static_cast<size_t>(index)];
    s.after = single;
    Apply(s, true);
    Push(std::move(s));
    FrameChanged();
    Done();
    return true;
}

void clsTDocument::Append(int32_t single) {
    StateWatch watch(*this);
    Step s;
    s.kind = Step::Kind::Append;
    s.id = nextId_++;
    s.after = single;
    Apply(s, true);
    Push(std::move(s));
    FrameChanged();
    Done();
}

int32_t clsTDocument::RemoveFlagged(const std::vector<bool>& flags) {
    Step s;
    s.kind = Step::Kind::Remove;
    const size_t n = std::min(flags.size(), singles_.size());
    for (size_t i = 0; i < n; ++i)
        if (flags[i]) s.positions.push_back(static_cast<int32_t>(i));
    if (s.positions.empty()) return 0;
    StateWatch watch(*this);
    s.id = nextId_++;
    s.values.reserve(s.positions.size());
    for (int32_t p : s.positions) s.values.push_back(singles_[static_cast<size_t>(p)]);
    Apply(s, true);
    const auto removed = static_cast<int32_t>(s.positions.size());
    Push(std::move(s));
    FrameChanged();
    Done();
    return removed;
}

void clsTDocument::Replace(std::vector<int32_t> list) {
    StateWatch watch(*this);
    Step s;
    s.kind = Step::Kind::Replace;
    s.id = nextId_++;
    s.values = std::move(list);
    Apply(s, true);
    Push(std::move(s));
    FrameChanged();
    Done();
}

bool clsTDocument::Reorder(const std::function<bool(std::vector<int32_t>&)>& sort) {
    if (singles_.empty()) return false;
    std::vector<int32_t> sorted = singles_;
    if (!sort(sorted) || sorted.size() != singles_.size()) return false;
    // Equal singles cannot be told apart, so any pairing of equal values restores the old
    // order exactly: the new positions of each value, handed out in old order.
    std::vector<int32_t> first(static_cast<size_t>(SingleSpace) + 1, 0);
    for (int32_t v : sorted) {
        if (!IsSingleNumber(v)) return false;
        ++first[static_cast<size_t>(v) + 1];
    }
    for (size_t v = 1; v < first.size(); ++v) first[v] += first[v - 1];
    std::vector<int32_t> byValue(sorted.size());
    std::vector<int32_t> next(first);
    for (size_t i = 0; i < sorted.size(); ++i)
        byValue[static_cast<size_t>(next[static_cast<size_t>(sorted[i])]++)] = static_cast<int32_t>(i);
    Step s;
    s.kind = Step::Kind::Reorder;
    s.positions.resize(sorted.size());
    next = first;
    for (size_t i = 0; i < singles_.size(); ++i) {
        const int32_t v = singles_[i];
        // Not the same singles: a value the new order lacks, or has fewer of.
        if (!IsSingleNumber(v) || next[static_cast<size_t>(v)] >= first[static_cast<size_t>(v) + 1]) return false;
        const int32_t newPos = byValue[static_cast<size_t>(next[static_cast<size_t>(v)]++)];
        s.positions[static_cast<size_t>(newPos)] = static_cast<int32_t>(i);
    }
    StateWatch watch(*this);
    s.id = nextId_++;
    singles_ = std::move(sorted);
    Push(std::move(s));
    Done();
    return true;
}

void clsTDocument::Apply(Step& s, bool forward) {
    switch (s.kind) {
        case Step::Kind::Value: {
            const int32_t from = forward ? s.before : s.after;
            const int32_t to = forward ? s.after : s.before;
            singles_[static_cast<size_t>(s.index)] = to;
            AddToFrame(from, -1);
            AddToFrame(to, +1);
            break;
        }
        case Step::Kind::Append:
            if (forward) {
                singles_.push_back(s.after);
                AddToFrame(s.after, +1);
            } else {
                singles_.pop_back();
                AddToFrame(s.after, -1);
            }
            break;
        case Step::Kind::Remove: {
            std::vector<int32_t> out;
            if (forward) {
                out.reserve(singles_.size() - s.positions.size());
                size_t k = 0;
                for (size_t i = 0; i < singles_.size(); ++i) {
                    if (k < s.positions.size() && static_cast<size_t>(s.positions[k]) == i) {
                        ++k;
                        continue;
                    }
                    out.push_back(singles_[i]);
                }
                for (int32_t v : s.values) AddToFrame(v, -1);
            } else {
                out.reserve(singles_.size() + s.positions.size());
                size_t k = 0, from = 0;
                const size_t total = singles_.size() + s.positions.size();
                for (size_t i = 0; i < total; ++i) {
                    if (k < s.positions.size() && static_cast<size_t>(s.positions[k]) == i) out.push_back(s.values[k++]);
                    else out.push_back(singles_[from++]);
                }
                for (int32_t v : s.values) AddToFrame(v, +1);
            }
            singles_ = std::move(out);
            break;
        }
        case Step::Kind::Replace:
            std::swap(singles_, s.values);
            Recount();
            break;
        case Step::Kind::Reorder: {
            std::vector<int32_t> out(singles_.size());
            const size_t n = std::min(out.size(), s.positions.size());
            if (forward)
                for (size_t i = 0; i < n; ++i) out[i] = singles_[static_cast<size_t>(s.positions[i])];
            else
                for (size_t i = 0; i < n; ++i) out[static_cast<size_t>(s.positions[i])] = singles_[i];
            singles_ = std::move(out);
            break;
        }
    }
}

bool clsTDocument::Undo() {
    if (undo_.empty()) return false;
    StateWatch watch(*this);
    Step s = std::move(undo_.back());
    undo_.pop_back();
    Apply(s, false);
    redo_.push_back(std::move(s));
    FrameChanged();
    Done();
    return true;
}

bool clsTDocument::Redo() {
    if (redo_.empty()) return false;
    StateWatch watch(*this);
    Step s = std::move(redo_.back());
    redo_.pop_back();
    Apply(s, true);
    undo_.push_back(std::move(s));
    FrameChanged();
    Done();
    return true;
}

// Recovery copy: magic, version, draw, file name length and bytes, count, singles (each
// little-endian 32 bits), then a 64-bit checksum of everything before it.
namespace {
constexpr char Magic[8] = {'K', 'J', 'M', 'R', 'E', 'C', 'V', '1'};
constexpr uint32_t Version = 1;
constexpr size_t MaxPathBytes = 1 << 16;

void PutU32(std::string& out, uint32_t v) {
    for (int b = 0; b < 4; ++b) out += static_cast<char>((v >> (8 * b)) & 0xff);
}
uint32_t GetU32(const unsigned char* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}
// FNV-1a over 32-bit words (a trailing partial word byte by byte): fast and enough to tell
// a torn or foreign file from ours.
uint64_t Checksum(const unsigned char* p, size_t n) {
    uint64_t h = 1469598103934665603ull;
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        h ^= GetU32(p + i);
        h *= 1099511628211ull;
    }
    for (; i < n; ++i) {
        h ^= p[i];
        h *= 1099511628211ull;
    }
    return h;
}
}  // namespace

bool WriteRecoveryCopy(const std::string& fullPath, const RecoveryCopy& copy) {
    std::string bytes(Magic, sizeof Magic);
    PutU32(bytes, Version);
    PutU32(bytes, static_cast<uint32_t>(copy.Kaisaikai));
    const size_t pathBytes = std::min(copy.File.size(), MaxPathBytes);
    PutU32(bytes, static_cast<uint32_t>(pathBytes));
    bytes.append(copy.File, 0, pathBytes);
    PutU32(bytes, static_cast<uint32_t>(copy.Singles.size()));
    const size_t head = bytes.size();
    bytes.resize(head + copy.Singles.size() * 4);
    auto* out = reinterpret_cast<unsigned char*>(bytes.data() + head);
    for (int32_t v : copy.Singles) {
        const auto u = static_cast<uint32_t>(v);
        out[0] = static_cast<unsigned char>(u);
        out[1] = static_cast<unsigned char>(u >> 8);
        out[2] = static_cast<unsigned char>(u >> 16);
        out[3] = static_cast<unsigned char>(u >> 24);
        out += 4;
    }
    const uint64_t sum = Checksum(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    PutU32(bytes, static_cast<uint32_t>(sum));
    PutU32(bytes, static_cast<uint32_t>(sum >> 32));
    clsAtomicFileWriter w;
    return w.Open(fullPath) == 0 && w.Write(bytes) == 0 && w.Commit() == 0;
}

std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& fullPath) {
    std::ifstream in(fullPath, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t n = bytes.size();
    if (n < sizeof Magic + 16 + 8 || std::memcmp(p, Magic, sizeof Magic) != 0) return std::nullopt;
    const uint64_t stored = uint64_t{GetU32(p + n - 8)} | uint64_t{GetU32(p + n - 4)} << 32;
    n -= 8;
    if (Checksum(p, n) != stored) return std::nullopt;
    size_t at = sizeof Magic;
    if (GetU32(p + at) != Version) return std::nullopt;
    RecoveryCopy copy;
    copy.Kaisaikai = static_cast<int32_t>(GetU32(p + at + 4));
    const size_t pathBytes = GetU32(p + at + 8);
    at += 12;
    if (pathBytes > MaxPathBytes || at + pathBytes + 4 > n) return std::nullopt;
    copy.File.assign(bytes, at, pathBytes);
    at += pathBytes;
    const size_t count = GetU32(p + at);
    at += 4;
    if ((n - at) / 4 != count || (n - at) % 4 != 0) return std::nullopt;
    copy.Singles.resize(count);
    for (size_t i = 0; i < count; ++i) {
        const auto v = static_cast<int32_t>(GetU32(p + at + 4 * i));
        if (!IsSingleNumber(v)) return std::nullopt;
        copy.Singles[i] = v;
    }
    return copy;
}

}  // namespace kujimate
