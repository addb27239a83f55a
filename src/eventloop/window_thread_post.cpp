#include "eventloop/window_thread_post.h"

#include <QMetaObject>

namespace tallowen {

master::PostTask postToThreadOf(QObject* receiver, std::function<void()> afterEach) {
    return [receiver, afterEach = std::move(afterEach)](std::function<void()> task) {
        QMetaObject::invokeMethod(
            receiver,
            [afterEach, task = std::move(task)] {
                task();
                if (afterEach) afterEach();
            },
            Qt::QueuedConnection);
    };
}

}  // namespace tallowen
