#pragma once

#include <QWidget>
#include <functional>

#include "records/user_message.h"

namespace tallowen {

// Shows a message box with an OK button, modal to `parent`, and returns when it is closed.
void showMessage(QWidget* parent, const UserMessage& message);

// Tests answer message boxes here instead of a modal loop: while an answerer is set, showMessage
// hands it the message and returns at once. Passing an empty function restores the real boxes.
void setMessageAnswerer(std::function<void(const UserMessage&)> answerer);

}  // namespace tallowen
