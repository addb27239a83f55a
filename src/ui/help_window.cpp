#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>

#include "render/position_picture.h"
#include "setup/how_to_play.h"
#include "ui/screen_fitting_area.h"

namespace tallowen {

namespace {

constexpr double kFacesHeight = 96;

const HelpExample* exampleNamed(const QString& name) {
    for (const HelpSection& section : howToPlay())
        for (const HelpExample& example : section.examples)
            if (QString::fromStdString(example.name) == name) return &example;
    return nullptr;
}

}  // namespace

HelpPage::HelpPage(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    // The pages are written to fit; a table of captions as wide as the page would otherwise bring
    // a scroll bar for its last pixels.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QVariant HelpPage::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource || name.scheme() != QStringLiteral("example"))
        return QTextBrowser::loadResource(type, name);
    const double ratio = devicePixelRatioF();
    if (ratio != ratio_) {
        pictures_.clear();
        ratio_ = ratio;
    }
    const QString picture = name.path();
    if (!pictures_.contains(picture)) {
        if (picture == QString::fromLatin1(kFacesPicture)) {
            pictures_[picture] = facesPicture(PictureLooks{}.player1, kFacesHeight, ratio, PictureLooks{}.figureDetail);
        } else if (const HelpExample* example = exampleNamed(picture)) {
            pictures_[picture] =
                playedPicture([example](HeadlessGame& game) { playExample(*example, game); }, example->width, ratio);
        }
    }
    return pictures_.value(picture);
}

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setWindowTitle(QStringLiteral("Tallowen - How to play"));
    contents_ = new QListWidget(this);
    page_ = new HelpPage(this);
    for (const HelpSection& section : howToPlay()) contents_->addItem(QString::fromStdString(section.title));
    contents_->setFixedWidth(contents_->sizeHintForColumn(0) + 2 * contents_->frameWidth() + 24);
    auto* row = new QHBoxLayout(this);
    row->addWidget(contents_);
    row->addWidget(page_, 1);
    connect(contents_, &QListWidget::currentRowChanged, this, &HelpWindow::showSection);
    contents_->setCurrentRow(0);
    resize(860, 740);
}

void HelpWindow::showSection(int index) {
    const auto& sections = howToPlay();
    if (index < 0 || index >= static_cast<int>(sections.size())) return;
    if (contents_->currentRow() != index) contents_->setCurrentRow(index);
    const HelpSection& section = sections[static_cast<std::size_t>(index)];
    page_->setHtml(QStringLiteral("<h2>%1</h2>").arg(QString::fromStdString(section.title).toHtmlEscaped()) +
                   QString::fromStdString(section.html));
}

void HelpWindow::present() { presentCentredFirstTime(*this); }

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat()) {
            open_();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tallowen
