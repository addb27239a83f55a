#include "ui/window_thread_post.h"

#include <QMetaObject>

namespace tallowen {

master::PostTask postToThreadOf(QObject* receiver) {
    return [receiver](std::function<void()> task) {
        QMetaObject::invokeMethod(receiver, std::move(task), Qt::QueuedConnection);
    };
}

}  // namespace tallowen
