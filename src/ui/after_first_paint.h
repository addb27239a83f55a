#pragma once

#include <functional>

class QWidget;

namespace tallowen {

// Runs `then` once on the window thread, as soon as the shown `window` has been exposed and
// painted for the first time: work that its first picture does not need waits for it.
void afterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace tallowen
