#pragma once
// A MessageBoxHost for tests: records every box it was shown and answers the questions
// from a queue. A box with only an Ok button asks nothing and takes no answer from the queue.
// A question that finds the queue empty is recorded as unexpected and answered with Cancel.
#include <deque>
#include <vector>

#include "common/message_box.h"

namespace common::testing {

class ScriptedMessageBox final : public MessageBoxHost {
public:
    ScriptedMessageBox& Answer(MessageAnswer answer) {
        answers_.push_back(answer);
        return *this;
    }

    MessageAnswer Show(const MessageBoxRequest& request) override {
        shown.push_back(request);
        if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers_.empty()) {
            ++unexpected;
            return MessageAnswer::Cancel;
        }
        MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    [[nodiscard]] std::size_t PendingAnswers() const { return answers_.size(); }

    std::vector<MessageBoxRequest> shown;
    int unexpected = 0;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace common::testing
