#include "ui/game_panels.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/rounding.h"
#include "ui/qt_colour.h"

namespace tallowen {

namespace {

void setUp(QLabel& label, Qt::Alignment alignment) {
    label.setAlignment(alignment | Qt::AlignVCenter);
    label.setAttribute(Qt::WA_TransparentForMouseEvents);
    label.setTextFormat(Qt::PlainText);
}

void setLabelFont(QLabel& label, int pixels, bool bold) {
    pixels = std::max(pixels, 8);
    QFont font = label.font();
    if (font.pixelSize() == pixels && font.bold() == bold) return;
    font.setPixelSize(pixels);
    font.setBold(bold);
    label.setFont(font);
}

// A panel's look: a dark face in a one-pixel frame. Painted, not styled: the game window's style
// sheets cost every start of the program about 2 ms.
void paintPanel(QWidget& panel, const QColor& frame) {
    QPainter painter(&panel);
    const QRect r = panel.rect();
    painter.fillRect(r, QColor(0x10, 0x14, 0x28));
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), frame);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), frame);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), frame);
}

int px(double v) { return roundHalfEven(v); }

}  // namespace

void mirrorLabel(QLabel& shown, const Label& label) {
    const QString text = QString::fromStdString(label.Caption);
    if (shown.text() != text) shown.setText(text);
    const QColor colour = toQColor(label.ForeColor);
    if (shown.palette().color(QPalette::WindowText) != colour) {
        QPalette palette = shown.palette();
        palette.setColor(QPalette::WindowText, colour);
        shown.setPalette(palette);
    }
    if (shown.isVisibleTo(shown.parentWidget()) != label.Visible) shown.setVisible(label.Visible);
}

PlayersPanel::PlayersPanel(QWidget* parent, BoardPainter& painter)
    : PictureBox(parent, painter.Picture5()),
      painter_(painter),
      name1_(this),
      name2_(this),
      clock1_(this),
      clock2_(this),
      turn_(this) {
    for (QLabel* left : {&name1_, &clock1_}) setUp(*left, Qt::AlignLeft);
    for (QLabel* right : {&name2_, &clock2_}) setUp(*right, Qt::AlignRight);
    setUp(turn_, Qt::AlignHCenter);
}

void PlayersPanel::mirror(const GameWindow& game) {
    const UpperPanel& up = painter_.upperPanel();
    const double r = painter_.pixelRatio();
    const int half = height() / 2;
    name1_.setGeometry(px(up.Label5Left / r), 0, px(up.Label5Width / r), half);
    name2_.setGeometry(px(up.Label6Left / r), 0, px(up.Label6Width / r), half);
    clock1_.setGeometry(px(up.Label5Left / r), half, px(up.Label5Width / r), height() - half);
    clock2_.setGeometry(px(up.Label6Left / r), half, px(up.Label6Width / r), height() - half);
    turn_.setGeometry(0, half, width(), height() - half);
    setLabelFont(name1_, px(height() * 0.4), game.Label5.FontBold);
    setLabelFont(name2_, px(height() * 0.4), game.Label6.FontBold);
    for (QLabel* small : {&clock1_, &clock2_, &turn_}) setLabelFont(*small, px(height() * 0.32), false);
    mirrorLabel(name1_, game.Label5);
    mirrorLabel(name2_, game.Label6);
    mirrorLabel(clock1_, game.Label3[1]);
    mirrorLabel(clock2_, game.Label3[2]);
    mirrorLabel(turn_, game.Label7);
}

ScorePanel::ScorePanel(QWidget* parent, BoardPainter& painter)
    : PictureBox(parent, painter.Picture1()), painter_(painter), count1_(this), count2_(this), lead_(this) {
    setUp(count1_, Qt::AlignLeft);
    setUp(count2_, Qt::AlignRight);
    setUp(lead_, Qt::AlignHCenter);
}

void ScorePanel::mirror(const GameWindow& game) {
    for (QLabel* label : {&count1_, &count2_, &lead_}) setLabelFont(*label, px(height() * 0.75), true);
    count1_.setGeometry(2, 0, width() - 4, height());
    count2_.setGeometry(2, 0, width() - 4, height());
    mirrorLabel(count1_, game.PL1S);
    mirrorLabel(count2_, game.PL2S);
    mirrorLabel(lead_, game.PLS);
    const int w = lead_.sizeHint().width() + 4;
    lead_.setGeometry(px(painter_.scoreSplit() / painter_.pixelRatio() - w / 2.0), 0, w, height());
}

ThinkingPanel::ThinkingPanel(QWidget* parent, BoardPainter& painter)
    : QWidget(parent), percentage_(this), strip_(this, painter.PPru()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(percentage_, Qt::AlignHCenter);
    setLabelFont(percentage_, 20, true);
}

void ThinkingPanel::mirror(const GameWindow& game) {
    const int stripHeight = 6;
    percentage_.setGeometry(0, 2, width(), height() - stripHeight - 6);
    strip_.setGeometry(0, height() - stripHeight - 3, width(), stripHeight);
    mirrorLabel(percentage_, game.Label1);
    setVisible(game.Picture9.Visible);
}

ResultPanel::ResultPanel(QWidget* parent, BoardPainter& painter)
    : QWidget(parent), figure_(this, painter.Picture6()), winner_(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUp(winner_, Qt::AlignHCenter);
    setLabelFont(winner_, 22, true);
    setToolTip(QStringLiteral("Review the game (R)"));
}

void ThinkingPanel::paintEvent(QPaintEvent*) { paintPanel(*this, QColor(0x88, 0x90, 0xa0)); }

void ResultPanel::paintEvent(QPaintEvent*) { paintPanel(*this, QColor(0xc9, 0xa4, 0x5c)); }

void ResultPanel::mousePressEvent(QMouseEvent* event) { event->setAccepted(event->button() == Qt::LeftButton); }

void ResultPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_) onClick_();
}

void ResultPanel::mirror(const GameWindow& game) {
    const QSize figure(120, 90);
    figure_.setGeometry((width() - figure.width()) / 2, 14, figure.width(), figure.height());
    winner_.setGeometry(4, 14 + figure.height() + 6, width() - 8, height() - figure.height() - 26);
    mirrorLabel(winner_, game.Check3);
    setVisible(game.Picture3.Visible);
}

}  // namespace tallowen
