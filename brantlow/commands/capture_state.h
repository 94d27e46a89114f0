#pragma once
// When a clipboard-content notification may be captured. The window is armed exactly while
// it is in the clipboard viewer chain and no dialog or copy of its own has disarmed it.
// Besides, the notifications for two clipboard contents are never captured, whatever their
// timing: the content on the clipboard when the window joined the chain, and the program's
// own last copy. The system may deliver the notification of a copy after the copy command
// has re-armed the capture, so these are recognised by the clipboard's sequence number.
#include <cstdint>

namespace brantlow {

class CaptureState {
public:
    void Joined(std::uint32_t sequence) {
        viewerOn_ = true;
        joinSequence_ = sequence;
    }
    void Left() { viewerOn_ = false; }
    [[nodiscard]] bool ViewerOn() const { return viewerOn_; }

    // Disarming nests: a capture dialog inside a copy stays disarmed until both end.
    void Disarm() { ++disarmed_; }
    void Rearm() {
        if (disarmed_ > 0) --disarmed_;
    }
    [[nodiscard]] bool Armed() const { return viewerOn_ && disarmed_ == 0; }

    void NoteOwnCopy(std::uint32_t sequence) {
        ownCopySequence_ = sequence;
        hasOwnCopy_ = true;
    }

    // Whether the content notified with this sequence number is to be captured.
    [[nodiscard]] bool ShouldCapture(std::uint32_t sequence) const {
        if (!Armed() || sequence == joinSequence_) return false;
        return !(hasOwnCopy_ && sequence == ownCopySequence_);
    }

private:
    bool viewerOn_ = false;
    int disarmed_ = 0;
    std::uint32_t joinSequence_ = 0;
    std::uint32_t ownCopySequence_ = 0;
    bool hasOwnCopy_ = false;
};

// Disarms the capture for the life of the guard.
class DisarmedCapture {
public:
    explicit DisarmedCapture(CaptureState& state) : state_(state) { state_.Disarm(); }
    DisarmedCapture(const DisarmedCapture&) = delete;
    DisarmedCapture& operator=(const DisarmedCapture&) = delete;
    ~DisarmedCapture() { state_.Rearm(); }

private:
    CaptureState& state_;
};

}  // namespace brantlow
