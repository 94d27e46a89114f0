#include "brantlow/tests/fakes.h"

#include "brantlow/core/text.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>

namespace brantlow::testing {
namespace {

class FaultyOutputFile final : public OutputFile {
public:
    FaultyOutputFile(std::unique_ptr<OutputFile> real, std::size_t budget) : real_(std::move(real)), budget_(budget) {}
    bool Write(const void* data, std::size_t size) override {
        if (size > budget_) {
            (void)real_->Write(data, budget_);
            budget_ = 0;
            failed_ = true;
            return false;
        }
        budget_ -= size;
        return real_->Write(data, size);
    }
    bool Close() override { return real_->Close() && !failed_; }
    FileError LastError() const override { return failed_ ? FileError{28, "No space left on device"} : real_->LastError(); }

private:
    std::unique_ptr<OutputFile> real_;
    std::size_t budget_;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<OutputFile> FaultyFileSystem::Create(const std::string& path, FileError& error) {
    if (failCreate(path)) {
        error = {5, "Access is denied."};
        return nullptr;
    }
    auto file = real_.Create(path, error);
    if (!file) return nullptr;
    created.push_back(path);
    return std::make_unique<FaultyOutputFile>(std::move(file), failWriteAfter);
}

TempFolder::TempFolder() {
    static std::minstd_rand random(static_cast<unsigned>(::getpid()));
    // Lower-case, as the program makes the names it stores.
    folder_ = LowerCase(std::filesystem::temp_directory_path().string()) + "/brantlow_test_" + std::to_string(::getpid()) + "_" +
              std::to_string(random()) + "/";
    std::filesystem::create_directories(folder_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

ManagerFixture::ManagerFixture()
    : manager({settings, rows, window, messages, urlDialog, fileDialogs, clock, files, recent, config}) {
    settings.ProgramFolder = folder.Folder();
    rows.textsOf = [this](const TURLInfo& entry) { return manager.RowTextsOf(entry); };
    RestoreAllDefaults(settings);
    manager.SeedTemporaryNames(7);
}

std::vector<std::string> ManagerFixture::Texts() const {
    std::vector<std::string> texts;
    for (const auto& box : messages.shown) texts.push_back(box.text);
    return texts;
}

}  // namespace brantlow::testing
