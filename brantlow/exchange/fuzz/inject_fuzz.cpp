// The whole inject command on any page, in memory: its line ends, the BASE tag, the body
// tag and link, the title found in the page and the file named after it, the backup. No
// crash, no hang, no box shown; afterwards exactly one stamped page exists, no temporary file
// is left, and a backup holds the original bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

#include "brantlow/core/file_names.h"
#include "brantlow/exchange/inject.h"

namespace {

using brantlow::FileError;

class MemoryFileSystem final : public brantlow::FileSystem {
public:
    std::map<std::string, std::string> files;

    bool Exists(const std::string& path) override { return files.count(path) != 0; }
    bool Remove(const std::string& path) override { return files.erase(path) != 0; }
    bool Rename(const std::string& from, const std::string& to) override {
        const auto found = files.find(from);
        if (found == files.end() || files.count(to)) return false;
        files[to] = std::move(found->second);
        files.erase(from);
        return true;
    }
    std::unique_ptr<brantlow::OutputFile> Create(const std::string& path, FileError&) override {
        files[path].clear();
        return std::make_unique<Output>(files[path]);
    }
    std::unique_ptr<brantlow::InputFile> Open(const std::string& path, bool, FileError& error) override {
        const auto found = files.find(path);
        if (found == files.end()) {
            error = {2, "missing"};
            return nullptr;
        }
        return std::make_unique<Input>(found->second);
    }

private:
    struct Output final : brantlow::OutputFile {
        explicit Output(std::string& target) : target_(target) {}
        bool Write(const void* data, std::size_t size) override {
            target_.append(static_cast<const char*>(data), size);
            return true;
        }
        bool Close() override { return true; }
        FileError LastError() const override { return {}; }
        std::string& target_;
    };
    struct Input final : brantlow::InputFile {
        explicit Input(const std::string& source) : source_(source) {}
        std::size_t Read(void* data, std::size_t size) override {
            const std::size_t count = std::min(size, source_.size() - at_);
            std::memcpy(data, source_.data() + at_, count);
            at_ += count;
            return count;
        }
        std::uint64_t Size() const override { return source_.size(); }
        const std::string& source_;
        std::size_t at_ = 0;
    };
};

struct NoBoxes final : common::MessageBoxHost {
    common::MessageAnswer Show(const common::MessageBoxRequest&) override { __builtin_trap(); }
};

struct FixedClock final : brantlow::DateTimeFormatter {
    brantlow::TDateTime Now() const override { return 45000.5; }
    std::string ShortDate(brantlow::TDateTime) const override { return "3/15/2023"; }
    std::string LongTime(brantlow::TDateTime) const override { return "12:00:00 PM"; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::uint8_t flags = data[0];
    const std::string page(reinterpret_cast<const char*>(data + 1), size - 1);

    brantlow::Settings settings;
    brantlow::DefaultBrantlowURLOptions(settings);
    brantlow::DefaultInjectOptions(settings);
    settings.ProgramFolder = "c:\\program\\";
    settings.Inject.BaseHREF = flags & 1;
    settings.Inject.CleanBody = flags & 2;
    settings.Inject.AsTitle = flags & 4;
    settings.Inject.Backup = flags & 8;
    const std::string source = (flags & 16) ? "c:\\pages\\saved.txt" : "c:\\pages\\saved.html";
    const std::string title = (flags & 32) ? "Given: a title!" : "";

    MemoryFileSystem files;
    files.files[source] = page;
    NoBoxes messages;
    FixedClock clock;
    const brantlow::InjectServices services{settings, messages, files, clock};
    const bool done = brantlow::InjectURL(source, "http://h.example/p.html", title, services);

    if (!done) __builtin_trap();
    std::size_t stamped = 0;
    for (const auto& [name, content] : files.files) {
        if (brantlow::ExtractFileExt(name) == ".$$$") __builtin_trap();
        if (name == brantlow::ChangeFileExt(source, ".bak")) {
            if (content != page) __builtin_trap();
            continue;
        }
        if (content == page && name == source) continue;  // kept beside a page named after its title
        if (content.rfind("<!-- Inserted by BrantlowURL\r\nX-URL: http://h.example/p.html\r\n", 0) != 0) __builtin_trap();
        if (content.size() > 3 * page.size() + 400) __builtin_trap();
        ++stamped;
    }
    if (stamped != 1) __builtin_trap();
    return 0;
}
