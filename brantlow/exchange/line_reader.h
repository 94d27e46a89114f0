#pragma once
// Reads a file line by line through the core's FileSystem, in blocks, so that a file of any
// size is read in one pass with one line in memory at a time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "brantlow/core/file_system.h"

namespace brantlow {

enum class LineEnds {
    Any,         // CR LF, LF or a lone CR ends a line
    LineFeeds    // LF or CR LF ends a line; a lone CR belongs to the line
};

class LineReader {
public:
    LineReader(InputFile& file, LineEnds ends);
    // The next line without its end; false at the end of the file.
    [[nodiscard]] bool Next(std::string& line);
    // True when the file ended before its size said it would: a read error.
    [[nodiscard]] bool Failed() const { return ended_ && consumedTotal_ < file_.Size(); }

private:
    [[nodiscard]] bool Fill();
    [[nodiscard]] int Peek();

    InputFile& file_;
    LineEnds ends_;
    std::vector<char> buffer_;
    std::size_t at_ = 0;
    std::size_t size_ = 0;
    std::uint64_t consumedTotal_ = 0;
    bool ended_ = false;
};

}  // namespace brantlow
