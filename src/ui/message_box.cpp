#include "ui/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tallowen {

namespace {
std::function<void(const UserMessage&)>& answerer() {
    static std::function<void(const UserMessage&)> instance;
    return instance;
}
}  // namespace

void showMessage(QWidget* parent, const UserMessage& message) {
    if (answerer()) {
        answerer()(message);
        return;
    }
    // A message without a title of its own carries the program's name.
    const QString title = message.title.empty() ? QGuiApplication::applicationDisplayName()
                                                : QString::fromStdString(message.title);
    QMessageBox box(QMessageBox::NoIcon, title, QString::fromStdString(message.text), QMessageBox::Ok, parent);
    box.exec();
}

void setMessageAnswerer(std::function<void(const UserMessage&)> answerer_) { answerer() = std::move(answerer_); }

}  // namespace tallowen
