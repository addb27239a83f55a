#pragma once

#include <QObject>

#include "opponent/master/thinker.h"

namespace tallowen {

// The post function through which "PC Master"'s search reports back: each task is queued to
// `receiver`'s thread (the window thread) and runs there from its event loop, followed by
// `afterEach` (the window mirrors its model). The receiver must outlive the computer player it is
// given to (whose thread posts until it is destroyed); a task still queued when the receiver goes
// is dropped.
master::PostTask postToThreadOf(QObject* receiver, std::function<void()> afterEach = {});

}  // namespace tallowen
