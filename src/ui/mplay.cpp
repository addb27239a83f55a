#include "ui/mplay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWindow>

#include "render/image_surface.h"
#include "render/title_gradient.h"
#include "ui/system_palette.h"

namespace tallowen {

namespace {
constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr int kKnobWidth = 12;
constexpr int kKnobHeight = 16;
// The strip lies inset by 8 on each side; the knob's left edge runs from 4 to 4 + the strip's
// width, so its middle follows the strip from end to end.
constexpr int kStripLeft = 8;
constexpr int kStripTop = 6;
constexpr int kStripWidth = kWidth - 2 * kStripLeft;
constexpr int kStripHeight = 10;
constexpr int kKnobTop = kStripTop - (kKnobHeight - kStripHeight) / 2;
constexpr int kListTop = kStripTop + kStripHeight + 10;
}  // namespace

MPlay::MPlay(MusicPlayer& model, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(model),
      Picture1_(new QLabel(this)),
      Picture2_(new QLabel(this)),
      Command2_(new QPushButton(this)),
      Combo1_(new QListWidget(this)),
      Label1_(new QLabel(this)) {
    setWindowTitle("Tallowen - Music");
    setFixedSize(kWidth, kHeight);
    Picture1_->setGeometry(kStripLeft, kStripTop, kStripWidth, kStripHeight);
    Picture2_->setGeometry(kStripLeft, kStripTop, kStripWidth, kStripHeight);
    Command2_->setGeometry(4, kKnobTop, kKnobWidth, kKnobHeight);
    Command2_->setFocusPolicy(Qt::NoFocus);
    Combo1_->setGeometry(8, kListTop, kWidth - 16, kHeight - kListTop - 32);
    Label1_->setGeometry(8, kHeight - 26, kWidth - 16, 20);
    Label1_->setEnabled(false);  // a quiet, greyed line
    paintStrips();
    model_.Picture1Width = kStripWidth;
    model_.setOnChange([this] { mirror(); });
    timers_.attach(model_.Timer1);
    connect(Combo1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0 || row == model_.Combo1ListIndex) return;
        model_.Combo1ListIndex = row;
        model_.Combo1_Click();
        mirror();
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MPlay::focusWindowChanged);
    mirror();
}

MPlay::~MPlay() {
    model_.setOnChange(nullptr);
    model_.Timer1.setDriver(nullptr);
}

void MPlay::load(RandomSource& random) {
    model_.load(random);
    mirror();
}

void MPlay::toggleVisible() { setVisible(!isVisible()); }

void MPlay::setOnBackground(std::function<void(bool)> onBackground) {
    onBackground_ = std::move(onBackground);
    if (onBackground_) onBackground_(background_);
}

void MPlay::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

void MPlay::focusWindowChanged(QWindow* window) {
    const QWidget* active = nullptr;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (window && w->windowHandle() == window) active = w;
    model_.activeWindowChanged(active == this         ? ActiveWindow::Music
                               : active && kindOf_    ? kindOf_(active)
                                                      : ActiveWindow::Other);
    mirror();
}

void MPlay::paintStrips() {
    const SystemColours colours = systemColoursOf(palette());
    ImageSurface surface(kStripWidth, kStripHeight, colours.buttonFace);
    DrawTitleGradient(surface, true, colours);
    Picture1_->setPixmap(QPixmap::fromImage(surface.image()));
    DrawTitleGradient(surface, false, colours);
    Picture2_->setPixmap(QPixmap::fromImage(surface.image()));
}

void MPlay::mirror() {
    if (Combo1_->count() != static_cast<int>(model_.Combo1.size())) {
        const QSignalBlocker blocker(Combo1_);
        Combo1_->clear();
        for (const std::string& entry : model_.Combo1) Combo1_->addItem(QString::fromStdString(entry));
    }
    if (Combo1_->currentRow() != model_.Combo1ListIndex) {
        const QSignalBlocker blocker(Combo1_);
        Combo1_->setCurrentRow(model_.Combo1ListIndex);
    }
    Command2_->setVisible(model_.Command2Visible);
    Command2_->move(model_.Command2Left, kKnobTop);
    Command2_->raise();
    Picture2_->setVisible(model_.Picture2Visible);
    Label1_->setText(QString::fromStdString(model_.Label1));
    if (background_ != model_.TallowPicture4Visible) {
        background_ = model_.TallowPicture4Visible;
        if (onBackground_) onBackground_(background_);
    }
}

}  // namespace tallowen
