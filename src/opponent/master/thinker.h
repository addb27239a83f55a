#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "opponent/master/search.h"

namespace tallowen::master {

// Hands a task to the thread that owns the game (the window thread), which runs it later. It is
// called from the searching thread, so it must be safe to call from any thread.
using PostTask = std::function<void(std::function<void()>)>;

// Runs one "PC Master" search at a time on a thread of its own and reports back on the thread
// that owns the game: the percentage of the budget used as it grows, then the result. A search
// that is cancelled, or replaced by a newer one, reports nothing more.
class Thinker {
public:
    using OnProgress = std::function<void(int percent)>;
    using OnResult = std::function<void(const Result&)>;

    // Without a post function every search runs on the caller's thread and has reported by the
    // time think() returns (the engine tool, plain tests).
    explicit Thinker(PostTask post = {});
    // Stops a running search and waits for its thread.
    ~Thinker();
    Thinker(const Thinker&) = delete;
    Thinker& operator=(const Thinker&) = delete;

    // Starts a search of a copy of `question` (the searching thread never reads the game),
    // cancelling the one that runs. Both reports come through the post function; without
    // onProgress there are no progress reports. A time limit counts from this call.
    void think(const Question& question, OnProgress onProgress, OnResult onResult);
    // Returns at once; the cancelled search stops within a few hundred microseconds on its own.
    void cancel();
    // Whether a search has started and has neither reported its result nor been cancelled.
    bool thinking() const { return thinking_; }

private:
    // Shared with the posted tasks, which outlive neither the thinker nor the search they report.
    struct Current {
        std::uint64_t search = 0;
    };
    void deliver(std::uint64_t search, const std::function<void()>& report);

    PostTask post_;
    std::shared_ptr<Current> current_ = std::make_shared<Current>();
    bool thinking_ = false;
    std::unique_ptr<Search> search_;  // made on first use, by the thread that searches: its table is large
    std::jthread worker_;             // last, so that it is joined before the search goes
};

}  // namespace tallowen::master
