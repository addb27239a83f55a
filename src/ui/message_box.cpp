#include "ui/message_box.h"

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
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(message.title), QString::fromStdString(message.text),
                    QMessageBox::Ok, parent);
    box.exec();
}

void setMessageAnswerer(std::function<void(const UserMessage&)> answerer_) { answerer() = std::move(answerer_); }

}  // namespace tallowen
