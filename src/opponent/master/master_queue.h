#pragma once

#include <cstdint>
#include <deque>

#include "opponent/master/thinker.h"

namespace tallowen::master {

// The one "PC Master" thread, shared by everyone who asks it. The game's moves and hints go
// first: each replaces the search that runs. Background questions (the valuations of a finished
// game's review) are searched one at a time, in the order given, while nothing goes first; one
// interrupted that way is searched again afterwards.
class MasterQueue {
public:
    // As for Thinker: without a post function every search runs on the caller's thread.
    explicit MasterQueue(PostTask post = {});
    MasterQueue(const MasterQueue&) = delete;
    MasterQueue& operator=(const MasterQueue&) = delete;

    // A search that goes first; both reports come through the post function.
    void think(const Question& question, Thinker::OnProgress onProgress, Thinker::OnResult onResult);
    // Stops the search that went first; the background goes on.
    void cancel();
    // Whether a search that went first has neither reported its result nor been cancelled.
    bool thinking() const { return foreground_; }

    // A background question; its result comes through the post function.
    void queue(const Question& question, Thinker::OnResult onResult);
    // Drops every background question, the one under way too.
    void clearQueue();
    std::size_t queued() const { return waiting_.size(); }

private:
    struct Job {
        std::uint64_t id;
        Question question;
        Thinker::OnResult onResult;
    };
    void runQueue();
    void startFront();

    std::deque<Job> waiting_;  // the front is the one searched while background_ is set
    std::uint64_t nextId_ = 0;
    bool foreground_ = false;
    bool background_ = false;
    // A search without a post function reports before it returns: the queue is worked off in a
    // loop instead of one nested call a question.
    bool runningQueue_ = false;
    bool runAgain_ = false;
    Thinker thinker_;  // last, so that its thread is stopped before the queue goes
};

}  // namespace tallowen::master
