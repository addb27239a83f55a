#include "ui/frm_edit.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include "render/figure_painter.h"
#include "setup/editor_geometry.h"
#include "ui/message_box.h"
#include "ui/picture_store.h"

namespace tallowen {

namespace {

constexpr int kWindowCursor = 6;
// The pointer of each brush: hole, empty, player 1, player 2.
constexpr int kBrushPictures[] = {13, 12, 0, 1};
constexpr int kSpinnerWidth = 40;

int buttonOf(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return kLeftButton;
    if (button == Qt::RightButton) return kRightButton;
    return 0;
}

}  // namespace

frmEdit::frmEdit(FieldEditor& model, SettingsStore& store, FieldLibrary& library, PictureStore& pictures,
                 RandomSource& random, QWidget* parent)
    : QDialog(parent),
      model_(model),
      store_(store),
      library_(library),
      pictures_(pictures),
      random_(random),
      surface_(1, 1, kBlack) {
    setWindowTitle(QStringLiteral("Editor"));
    setWindowModality(Qt::WindowModal);
    setCursor(pictures_.cursor(kWindowCursor));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const EditorLayout l = editorLayout(screen ? screen->geometry().width() : 1024);
    const int W = static_cast<int>(l.areaWidth), H = static_cast<int>(l.areaHeight);
    setFixedSize(static_cast<int>(l.innerWidth), static_cast<int>(l.innerHeight));

    picEdit_ = new QWidget(this);
    picEdit_->setGeometry(4, 4, W, H);
    picEdit_->setAttribute(Qt::WA_OpaquePaintEvent);
    picEdit_->installEventFilter(this);
    surface_.resize(W, H);
    surface_.setOnRefresh([this] { picEdit_->update(); });

    const int row1 = H + 8, row2 = H + 32;
    auto* Label1 = new QLabel(QStringLiteral("Name :"), this);
    Label1->setGeometry(4, row1, 48, 22);
    Text1_ = new QLineEdit(this);
    Text1_->setGeometry(52, row1, static_cast<int>(l.nameWidth), 22);
    connect(Text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Text1_Change(text.toStdString());
        mirror();
    });

    Check1_ = new QCheckBox(QStringLiteral("Mirror"), this);
    Check1_->setGeometry(4, row2, 100, 22);
    connect(Check1_, &QCheckBox::toggled, this, [this](bool on) { model_.Check1 = on; });
    auto* Command1 = new QPushButton(QStringLiteral("SAVE"), this);
    Command1->setGeometry(W / 2 - 40, row2, 80, 22);
    connect(Command1, &QPushButton::clicked, this, [this] {
        const FieldEditor::SaveOutcome outcome = model_.Command1_Click(store_, library_);
        if (outcome.refusal) showMessage(this, *outcome.refusal);
        if (outcome.selection && onSaved_) onSaved_(*outcome.selection);
    });

    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setRange(0, 2);
    HScroll1_->setPageStep(1);
    HScroll1_->setGeometry(W - 32 - kSpinnerWidth, row2, kSpinnerWidth, 22);
    connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int position) {
        model_.HScroll1_Change(position);
        mirror();
    });
    Text2_ = new QLineEdit(this);
    Text2_->setReadOnly(true);
    Text2_->setMaxLength(2);
    Text2_->setGeometry(W - 28, row2, 32, 22);

    if (screen) move(screen->geometry().center() - rect().center());
}

void frmEdit::present() {
    drawnSide_ = 0;
    mirror();
    show();
    activateWindow();
}

void frmEdit::mirror() {
    if (Text1_->text().toStdString() != model_.Text1) {
        Text1_->setText(QString::fromStdString(model_.Text1));
        Text1_->setSelection(model_.Text1SelStart, model_.Text1SelLength);
    }
    Text2_->setText(QString::fromStdString(model_.Text2));
    {
        const QSignalBlocker blocker(HScroll1_);
        HScroll1_->setValue(model_.HScroll1);
    }
    {
        const QSignalBlocker blocker(Check1_);
        Check1_->setChecked(model_.Check1);
    }
    picEdit_->setCursor(pictures_.cursor(kBrushPictures[model_.brush]));
    if (drawnSide_ != model_.side()) redrawGrid();
}

void frmEdit::redrawGrid() {
    surface_.clear();
    drawnSide_ = model_.side();
    for (int x = 0; x < drawnSide_; ++x)
        for (int y = 0; y < drawnSide_; ++y) drawCell(x, y);
    surface_.refresh();
}

void frmEdit::drawCell(int x, int y) {
    const EditorCellDrawing d =
        DRWP3(model_.cell(x, y), x, y, drawnSide_, surface_.innerWidth(), surface_.innerHeight());
    surface_.filledBox(d.left, d.top, d.right, d.bottom, kBlack);
    if (d.square)
        DRWP2(surface_, d.x, d.y, {figureCodeOf(d.figureCode), d.colour, 0}, d.cellHeight, true, 1, random_);
}

void frmEdit::paintCells(const std::vector<FieldEditor::Cell>& cells) {
    for (const auto& [x, y] : cells) drawCell(x, y);
    if (!cells.empty()) surface_.refresh();
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != picEdit_) return QDialog::eventFilter(watched, event);
    const double w = surface_.innerWidth(), h = surface_.innerHeight();
    switch (event->type()) {
        // A press that quickly follows the last comes as a double-click: it is a press all the same.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF at = mouse->position();
            paintCells(model_.picEdit_MouseDown(buttonOf(mouse->button()), at.x(), at.y(), w, h));
            mirror();
            return true;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int buttons = (mouse->buttons() & Qt::LeftButton ? kLeftButton : 0) |
                                (mouse->buttons() & Qt::RightButton ? kRightButton : 0) |
                                (mouse->buttons() & ~(Qt::LeftButton | Qt::RightButton) ? 4 : 0);
            paintCells(model_.picEdit_MouseMove(buttons, mouse->position().x(), mouse->position().y(), w, h));
            return true;
        }
        case QEvent::Paint: {
            QPainter painter(picEdit_);
            painter.drawImage(0, 0, surface_.image());
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tallowen
