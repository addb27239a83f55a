#include "net/line_reader.h"

namespace tallowen::net {

LineReader::Lines LineReader::feed(std::string_view bytes) {
    Lines out;
    while (!overflowed_ && !bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, end);
        if (partial_.size() + piece.size() > max_) {
            overflowed_ = true;
            partial_.clear();
            break;
        }
        partial_ += piece;
        if (end == std::string_view::npos) break;
        out.complete.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(end + 1);
    }
    out.tooLong = overflowed_;
    return out;
}

}  // namespace tallowen::net
