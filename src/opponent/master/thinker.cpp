#include "opponent/master/thinker.h"

#include <algorithm>
#include <chrono>

namespace tallowen::master {

namespace {

// Turns the share of the budget used into whole percentages, reporting each rise once.
class PercentSteps {
public:
    explicit PercentSteps(std::function<void(int)> report) : report_(std::move(report)) {}
    void operator()(double share) {
        const int percent = static_cast<int>(share * 100);
        if (percent <= last_) return;
        last_ = percent;
        report_(percent);
    }

private:
    std::function<void(int)> report_;
    int last_ = -1;
};

}  // namespace

Thinker::Thinker(PostTask post) : post_(std::move(post)) {}

Thinker::~Thinker() { cancel(); }

void Thinker::cancel() {
    ++current_->search;
    thinking_ = false;
    worker_.request_stop();
}

void Thinker::deliver(std::uint64_t search, const std::function<void()>& report) {
    post_([weak = std::weak_ptr<Current>(current_), search, report] {
        const auto current = weak.lock();
        if (current && current->search == search) report();
    });
}

void Thinker::think(const Question& asked, OnProgress onProgress, OnResult onResult) {
    const auto start = std::chrono::steady_clock::now();
    cancel();
    if (worker_.joinable()) worker_.join();
    const std::uint64_t search = ++current_->search;
    thinking_ = true;

    if (!post_) {
        if (!search_) search_ = std::make_unique<Search>();
        const Result result = search_->run(asked, {}, onProgress ? Progress(PercentSteps(onProgress)) : Progress());
        thinking_ = false;
        onResult(result);
        return;
    }
    worker_ = std::jthread([this, question = asked, start, search, onProgress = std::move(onProgress),
                            onResult = std::move(onResult)](std::stop_token stop) mutable {
        // Made here, not on the window thread: clearing the table takes a while, and counts
        // against the time the question allows, as does the wait for the last search's thread.
        if (!search_) search_ = std::make_unique<Search>();
        if (question.limits.timeMs > 0) {
            const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
            question.limits.timeMs = std::max(1, question.limits.timeMs - static_cast<int>(spent.count()));
        }
        Progress progress;
        if (onProgress)
            progress = PercentSteps(
                [&](int percent) { deliver(search, [onProgress, percent] { onProgress(percent); }); });
        const Result result = search_->run(question, stop, progress);
        if (stop.stop_requested()) return;
        deliver(search, [this, onResult, result] {
            thinking_ = false;
            onResult(result);
        });
    });
}

}  // namespace tallowen::master
