#pragma once
// The user's singles list, owned once for the whole window: the list, its composition
// table, the file it belongs to, whether it differs from that file, and the steps that
// can be undone and redone. Every change of the list goes through here, so the views
// only read it.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/clsTSingleFrame.h"

namespace kujimate {

class clsTDocument {
public:
    static constexpr size_t DefaultHistoryLimit = size_t{64} << 20;

    // The composition table has new counts.
    std::function<void(const SingleFrame& frame)> ChangeFrame;
    // After every edit, undo and redo.
    std::function<void()> Edited;
    // The changed state or what can be undone or redone flipped.
    std::function<void()> StateChanged;

    const std::vector<int32_t>& Singles() const { return singles_; }
    int32_t Count() const { return static_cast<int32_t>(singles_.size()); }
    const SingleFrame& Frame() const { return frame_; }
    const SingleFrameFlags& FrameZero() const { return frameZero_; }
    const std::string& CurrentFile() const { return currentFile_; }
    bool IsChanged() const { return CurrentId() != savedId_; }
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Bytes the history holds now.
    size_t HistoryBytes() const { return historyBytes_; }
    void SetHistoryLimit(size_t bytes);

    // A new empty list, no file, no history: the state of New and of a fresh start.
    void Clear();
    // A list just read from file (empty when the read failed: no file then), unchanged.
    void Load(std::vector<int32_t> list, const std::string& file);
    // A list restored from a recovery copy: it differs from its file until saved.
    void Restore(std::vector<int32_t> list, const std::string& file);
    // The list was written to file: that is the clean point now.
    void Saved(const std::string& file);

    // Edits, each one step of the history. False when nothing changed.
    bool ChangeValue(int32_t index, int32_t single);
    void Append(int32_t single);
    // Removes the singles whose flag is set (the flags run along the list).
    int32_t RemoveFlagged(const std::vector<bool>& flags);
    // The whole list replaced (clipboard import).
    void Replace(std::vector<int32_t> list);
    // sort reorders the list in place; false leaves it as it was. Only a reordering of the
    // same singles is accepted.
    bool Reorder(const std::function<bool(std::vector<int32_t>&)>& sort);

    bool Undo();
    bool Redo();

private:
    struct Step {
        enum class Kind { Value, Append, Remove, Replace, Reorder };
        Kind kind = Kind::Value;
        uint64_t id = 0;
        int32_t index = 0;                // Value
        int32_t before = 0, after = 0;    // Value; Append: after
        std::vector<int32_t> positions;   // Remove: positions in the longer list; Reorder: new[i] = old[positions[i]]
        std::vector<int32_t> values;      // Remove: the removed singles; Replace: the other list
        size_t Bytes() const;
    };

    uint64_t CurrentId() const { return undo_.empty() ? baseId_ : undo_.back().id; }
    void Push(Step step);
    void Apply(Step& step, bool forward);
    void ResetHistory();
    void Recount();
    void AddToFrame(int32_t single, int delta);
    void FrameChanged();
    void Done();

    std::vector<int32_t> singles_;
    SingleFrame frame_{};
    SingleFrameFlags frameZero_{};
    std::string currentFile_;
    std::deque<Step> undo_;
    std::vector<Step> redo_;
    size_t historyBytes_ = 0;
    size_t historyLimit_ = DefaultHistoryLimit;
    uint64_t nextId_ = 1;
    uint64_t baseId_ = 0;
    uint64_t savedId_ = 0;
};

// A recovery copy of an unsaved list: what it takes to open it again as it was.
struct RecoveryCopy {
    int32_t Kaisaikai = 0;
    std::string File;
    std::vector<int32_t> Singles;
};

// Compact binary with a header and a checksum; written beside its target and renamed over it.
bool WriteRecoveryCopy(const std::string& fullPath, const RecoveryCopy& copy);
// Empty for a missing, short, damaged or foreign file.
std::optional<RecoveryCopy> ReadRecoveryCopy(const std::string& fullPath);

}  // namespace kujimate
