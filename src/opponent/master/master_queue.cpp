#include "opponent/master/master_queue.h"

namespace tallowen::master {

MasterQueue::MasterQueue(PostTask post) : thinker_(std::move(post)) {}

void MasterQueue::think(const Question& question, Thinker::OnProgress onProgress, Thinker::OnResult onResult) {
    // The thinker's new search replaces a background one, which stays at the queue's front.
    background_ = false;
    foreground_ = true;
    thinker_.think(question, std::move(onProgress), [this, onResult = std::move(onResult)](const Result& result) {
        foreground_ = false;
        onResult(result);
        runQueue();
    });
}

void MasterQueue::cancel() {
    if (!foreground_) return;
    thinker_.cancel();
    foreground_ = false;
    runQueue();
}

void MasterQueue::queue(const Question& question, Thinker::OnResult onResult) {
    waiting_.push_back({nextId_++, question, std::move(onResult)});
    runQueue();
}

void MasterQueue::clearQueue() {
    waiting_.clear();
    if (!background_) return;
    background_ = false;
    thinker_.cancel();
}

void MasterQueue::runQueue() {
    if (runningQueue_) {
        runAgain_ = true;
        return;
    }
    runningQueue_ = true;
    do {
        runAgain_ = false;
        startFront();
    } while (runAgain_);
    runningQueue_ = false;
}

void MasterQueue::startFront() {
    if (foreground_ || background_ || waiting_.empty()) return;
    background_ = true;
    const std::uint64_t id = waiting_.front().id;
    thinker_.think(waiting_.front().question, {}, [this, id](const Result& result) {
        if (waiting_.empty() || waiting_.front().id != id) return;
        background_ = false;
        const Thinker::OnResult onResult = std::move(waiting_.front().onResult);
        waiting_.pop_front();
        onResult(result);
        runQueue();
    });
}

}  // namespace tallowen::master
