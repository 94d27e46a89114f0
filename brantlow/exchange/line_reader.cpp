#include "brantlow/exchange/line_reader.h"

#include <algorithm>

namespace brantlow {

LineReader::LineReader(InputFile& file, LineEnds ends) : file_(file), ends_(ends), buffer_(1 << 16) {}

bool LineReader::Fill() {
    if (ended_) return false;
    size_ = file_.Read(buffer_.data(), buffer_.size());
    at_ = 0;
    consumedTotal_ += size_;
    if (size_ == 0) ended_ = true;
    return size_ > 0;
}

int LineReader::Peek() {
    if (at_ == size_ && !Fill()) return -1;
    return static_cast<unsigned char>(buffer_[at_]);
}

bool LineReader::Next(std::string& line) {
    line.clear();
    if (Peek() < 0) return false;
    for (;;) {
        if (at_ == size_ && !Fill()) return true;
        const char* start = buffer_.data() + at_;
        const char* end = buffer_.data() + size_;
        const char* stop = ends_ == LineEnds::Any
                               ? std::find_if(start, end, [](char c) { return c == '\n' || c == '\r'; })
                               : std::find(start, end, '\n');
        line.append(start, stop);
        at_ += static_cast<std::size_t>(stop - start);
        if (stop == end) continue;
        const char c = buffer_[at_++];
        if (c == '\n') {
            if (ends_ == LineEnds::LineFeeds && !line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        if (Peek() == '\n') ++at_;  // CR LF
        return true;
    }
}

}  // namespace brantlow
