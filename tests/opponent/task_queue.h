#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

#include "opponent/master/thinker.h"

namespace tallowen {

// The window thread's event queue: tasks posted from any thread, run here one at a time.
class TaskQueue {
public:
    master::PostTask poster() {
        return [this](std::function<void()> task) {
            const std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            ready_.notify_one();
        };
    }
    // Runs the next task, waiting up to `wait` for one; false when none came.
    bool runNext(std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        if (!ready_.wait_for(lock, wait, [&] { return !tasks_.empty(); })) return false;
        auto task = std::move(tasks_.front());
        tasks_.pop_front();
        lock.unlock();
        task();
        return true;
    }
    void drain() {
        while (runNext(std::chrono::milliseconds(200))) {
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace tallowen
