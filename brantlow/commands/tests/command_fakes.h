#pragma once
// Stand-ins for the window services of the commands, over the core's fakes.
#include <optional>
#include <string>
#include <vector>

#include "brantlow/commands/add_commands.h"
#include "brantlow/commands/bookmark_commands.h"
#include "brantlow/commands/find_commands.h"
#include "brantlow/tests/fakes.h"

namespace brantlow::testing {

class FakeClipboard final : public ClipboardAccess {
public:
    std::optional<std::string> text;
    int writes = 0;
    std::optional<std::string> ReadText() override { return text; }
    bool WriteText(const std::string& value) override {
        text = value;
        ++writes;
        return true;
    }
};

class FakeShell final : public Shell {
public:
    std::vector<std::string> processes, documents;
    unsigned long processError = 0;
    long openResult = 42;
    unsigned long StartProcess(const std::string& commandLine) override {
        processes.push_back(commandLine);
        return processError;
    }
    long OpenDocument(const std::string& target) override {
        documents.push_back(target);
        return openResult;
    }
};

class FakeApplication final : public ApplicationWindow {
public:
    bool minimized = false;
    std::vector<std::string> calls;
    bool IsMinimized() const override { return minimized; }
    void Restore() override {
        minimized = false;
        calls.push_back("restore");
    }
    void Minimize() override {
        minimized = true;
        calls.push_back("minimize");
    }
};

class FakeCursor final : public RowCursor {
public:
    explicit FakeCursor(FakeRows& rows) : rows_(rows) {}
    std::vector<int> madeVisible;
    int FocusedRow() const override { return rows_.focused; }
    void EnsureVisible(int row) override { madeVisible.push_back(row); }

private:
    FakeRows& rows_;
};

// The URL dialog of the add paths: answers from a script of (URL, description) pairs and
// leaves "&Skip prompts" as scripted; a missing answer is Cancel. Records every request
// and whether the capture was armed while it was open.
class ScriptedAddDialog final : public URLDialogHost {
public:
    struct Answer {
        std::optional<std::string> url;  // nothing: keep the URL of the request
        std::optional<std::string> description;
        bool skipPrompts = false;
        bool ok = true;
    };
    ScriptedAddDialog(PromptMemory& prompts, const CaptureState& capture) : prompts_(prompts), capture_(capture) {}
    std::deque<Answer> answers;
    std::vector<URLDialogRequest> shown;
    std::vector<bool> armedWhileOpen;
    bool Run(URLDialogRequest& request) override {
        shown.push_back(request);
        armedWhileOpen.push_back(capture_.Armed());
        Answer answer;
        answer.ok = false;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        prompts_.promptAgain = !answer.skipPrompts;
        if (!answer.ok) return false;
        if (answer.url) request.URL = *answer.url;
        if (answer.description) request.Description = *answer.description;
        return !request.URL.empty();
    }

private:
    PromptMemory& prompts_;
    const CaptureState& capture_;
};

// The core's fixture with the commands' services around it.
struct CommandFixture : ManagerFixture {
    CommandFixture();
    FakeClipboard clipboard;
    FakeShell shell;
    FakeApplication application;
    FakeCursor cursor{rows};
    CaptureState capture;
    PromptMemory prompts;
    ScriptedAddDialog addDialog{prompts, capture};

    [[nodiscard]] std::vector<std::string> URLs() const;
    void Add(const std::string& url, const std::string& description = "");
};

}  // namespace brantlow::testing
