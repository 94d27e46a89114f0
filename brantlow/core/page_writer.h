#pragma once
// The HTML page of a collection: the bookmarks of the list view's rows in display order,
// written with one of the built-in layouts or from a template file. Written lines end with
// carriage return and line feed.
#include <string>
#include <string_view>

#include "brantlow/core/file_system.h"
#include "brantlow/core/settings.h"
#include "brantlow/core/window_interfaces.h"
#include "common/message_box.h"

namespace brantlow {

// "&" "<" ">" and the double quote as entities; every occurrence.
[[nodiscard]] std::string HTMLEscape(std::string_view text);

class PageWriter {
public:
    PageWriter(Settings& settings, const BookmarkRows& rows, const DateTimeFormatter& clock, FileSystem& files,
               common::MessageBoxHost& messages);

    // The built-in layout ListLayout, into URLFileName.
    void WritePage();
    // The template TPLFileName, into URLFileName.
    void WriteTemplatePage();
    [[nodiscard]] bool CreateDefaultTemplate(const std::string& name);
    // Replaces the first of each page placeholder; returns the 1-based position of
    // "__LINK__" in the result, 0 when there is none.
    int ExpandPagePlaceholders(std::string& line) const;

private:
    void PageFileError(int code);
    void WriteLinkLines(std::string& out, const std::string& linkLine) const;

    Settings& settings_;
    const BookmarkRows& rows_;
    const DateTimeFormatter& clock_;
    FileSystem& files_;
    common::MessageBoxHost& messages_;
};

}  // namespace brantlow
