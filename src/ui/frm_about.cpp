#include "ui/frm_about.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <functional>

#include "ui/hyper_link.h"
#include "ui/picture_store.h"

namespace tallowen {

namespace {

constexpr int kAboutCursor = 11;

// A label that opens its link when clicked.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QString link, QWidget* parent) : QLabel(text, parent), link_(std::move(link)) {
        setCursor(Qt::PointingHandCursor);
        setStyleSheet(QStringLiteral("color: #8cc8ff; text-decoration: underline;"));
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) openLink(link_);
    }

private:
    QString link_;
};

QLabel* text(const QString& caption, int pointSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    QFont font = label->font();
    if (pointSize > 0) font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white;"));
    return label;
}

}  // namespace

frmAbout::frmAbout(PictureStore& pictures, QWidget* parent) : QDialog(parent), pictures_(pictures) {
    setWindowTitle(QStringLiteral("About Tallowen"));
    setCursor(pictures_.cursor(kAboutCursor));
    setFixedSize(pictures_.Image2().size());

    // The title word twice, a shadow under the lettering.
    auto* shadow = text(QStringLiteral("Tallowen"), 30, true, this);
    shadow->setStyleSheet(QStringLiteral("color: #101010;"));
    shadow->adjustSize();
    shadow->move(27, 19);
    auto* title = text(QStringLiteral("Tallowen"), 30, true, this);
    title->setStyleSheet(QStringLiteral("color: #ffb040;"));
    title->adjustSize();
    title->move(24, 16);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 80, 24, 20);
    column->addWidget(text(QStringLiteral("Version 1.55e"), 0, true, this));
    column->addWidget(text(QStringLiteral("20.01. 2001"), 0, false, this));
    column->addSpacing(12);
    auto* url = new QHBoxLayout;
    url->addWidget(text(QStringLiteral("My URL :"), 0, false, this));
    Label3_ = new LinkLabel(QString::fromLatin1(kWebPage), QString::fromLatin1(kWebPage), this);
    url->addWidget(Label3_);
    url->addStretch();
    column->addLayout(url);
    column->addSpacing(12);
    column->addWidget(text(QStringLiteral("Tell us what you like and what should be better:"), 0, false, this));
    Label6_ = new LinkLabel(QString::fromLatin1(kMailAddress), QStringLiteral("Mailto:") + kMailAddress, this);
    column->addWidget(Label6_);
    column->addStretch();
    column->addWidget(text(QStringLiteral("Made by the Tallowen developers: code, pictures, music and fields."), 0,
                           false, this));
}

void frmAbout::present(QWidget* owner) {
    // The window belongs to whichever window opened it, and blocks that one while it shows.
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    setWindowModality(Qt::WindowModal);
    show();
    activateWindow();
}

void frmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, pictures_.Image2());
    // A veil over the board picture keeps the texts readable.
    painter.fillRect(rect(), QColor(0, 0, 0, 150));
}

}  // namespace tallowen
