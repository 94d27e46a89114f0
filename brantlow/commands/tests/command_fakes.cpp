#include "brantlow/commands/tests/command_fakes.h"

namespace brantlow::testing {

CommandFixture::CommandFixture() {
    settings.Options.AutoSave = false;
    settings.Options.URLFileName = PageFile();
}

std::vector<std::string> CommandFixture::URLs() const {
    std::vector<std::string> urls;
    for (int i = 0; i < const_cast<BookmarkManager&>(manager).URLList().Count(); ++i)
        urls.push_back(const_cast<BookmarkManager&>(manager).URLList().Items(i)->URL);
    return urls;
}

void CommandFixture::Add(const std::string& url, const std::string& description) {
    manager.AddBookmark(url, description, clock.now);
}

}  // namespace brantlow::testing
