#include "ui/frm_splash.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "ui/picture_store.h"

namespace tallowen {

namespace {

QLabel* whiteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    // A palette, not a style sheet: the first style sheet costs the start a few milliseconds.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

}  // namespace

frmSplash::frmSplash(PictureStore& pictures)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), pictures_(pictures) {
    // Named apart from the setup window, which carries the program's name alone.
    setWindowTitle(QStringLiteral("Tallowen 1.55e"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize size = pictures_.Image2().size();
    setFixedSize(size);

    auto* Label1 = whiteLabel(QStringLiteral("1.55e"), this);
    QFont big = Label1->font();
    big.setBold(true);
    big.setPointSize(14);
    Label1->setFont(big);
    Label1->move(24, 100);
    auto* lblVersion = whiteLabel(QStringLiteral("20.01. 2001"), this);
    lblVersion->move(24, 130);
    Status_ = whiteLabel(QString(), this);
    Status_->setGeometry(24, size.height() - 36, size.width() - 48, 20);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void frmSplash::setStatus(const QString& text) {
    Status_->setText(text);
    // Only the status changes: the rest of the window is not drawn and sent again at every step.
    if (isVisible()) Status_->repaint();
}

QString frmSplash::status() const { return Status_->text(); }

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, pictures_.Image2());
    const QImage& logo = pictures_.Image3();
    painter.drawImage((width() - logo.width()) / 2, 28, logo);
    painter.fillRect(QRect(16, height() - 44, width() - 32, 32), QColor(0, 0, 0, 170));
}

}  // namespace tallowen
