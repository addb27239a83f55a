#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallowen::net {

// Cuts the bytes of a connection into lines as they arrive, in pieces of any size: each complete
// line (without its newline) comes out once, the rest of a line waits for more. A line longer
// than the limit is never gathered: the reader says so and takes nothing more.
class LineReader {
public:
    explicit LineReader(std::size_t maxLineBytes) : max_(maxLineBytes) {}

    struct Lines {
        std::vector<std::string> complete;
        bool tooLong = false;  // a line has passed the limit; the connection is to be dropped
    };
    Lines feed(std::string_view bytes);

    // The bytes of the line begun but not finished.
    std::size_t pending() const { return partial_.size(); }

private:
    std::size_t max_;
    std::string partial_;
    bool overflowed_ = false;
};

}  // namespace tallowen::net
