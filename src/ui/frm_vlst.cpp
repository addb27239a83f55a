#include "ui/frm_vlst.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

#include "render/figure_painter.h"
#include "ui/figure_box.h"
#include "ui/picture_store.h"

namespace tallowen {

namespace {

constexpr int kWindowCursor = 7;

QLabel* heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QListWidget* lines(int count, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setFixedHeight(list->fontMetrics().height() * count + 4 * count + 8);
    return list;
}

void fill(QListWidget* list, const std::vector<std::string>& texts) {
    list->clear();
    for (const std::string& text : texts) list->addItem(QString::fromStdString(text));
}

}  // namespace

frmVlst::frmVlst(ResultsWindow& model, PictureStore& pictures, RandomSource& random, const int& figureDetail,
                 QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowTitle(QStringLiteral("Results"));
    setCursor(pictures.cursor(kWindowCursor));
    setWindowModality(Qt::WindowModal);
    auto* grid = new QGridLayout(this);

    grid->addWidget(heading("Results of player", this), 0, 0, 1, 2);
    ComboB_ = new QComboBox(this);
    grid->addWidget(ComboB_, 1, 0, 1, 2);
    connect(ComboB_, &QComboBox::activated, this, [this](int index) {
        model_.ComboB_Click(index);
        ++figureRevision_;
        refresh();
    });
    Picture4_ = new FigureBox(random, figureDetail, this);
    Picture4_->setFixedSize(96, 72);
    grid->addWidget(Picture4_, 2, 0, Qt::AlignTop);
    List2_ = lines(4, this);
    grid->addWidget(List2_, 2, 1);

    grid->addWidget(heading("Results of all games", this), 3, 0, 1, 2);
    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setPageStep(1);
    grid->addWidget(HScroll1_, 4, 0, 1, 2);
    connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.HScroll1_Change(value);
        refresh();
    });
    List1_ = lines(8, this);
    List1_->setMinimumWidth(360);
    grid->addWidget(List1_, 5, 0, 1, 2);
}

void frmVlst::present() {
    ++figureRevision_;
    refresh();
    show();
    activateWindow();
}

void frmVlst::refresh() {
    {
        const QSignalBlocker blocker(ComboB_);
        ComboB_->clear();
        for (const std::string& name : model_.ComboB()) ComboB_->addItem(QString::fromStdString(name));
        ComboB_->setCurrentIndex(model_.ComboBIndex);
        ComboB_->setEnabled(model_.ComboBEnabled);
    }
    fill(List2_, model_.List2);
    const int code = model_.ComboBIndex >= 0 ? figureCodeOf(model_.player.figure.code) : kNoFigure;
    Picture4_->display({code, model_.player.figure.colour, model_.player.level, false, figureRevision_});
    {
        const QSignalBlocker blocker(HScroll1_);
        HScroll1_->setRange(0, std::max(model_.HScroll1Max(), 0));
        HScroll1_->setValue(model_.HScroll1);
    }
    fill(List1_, model_.List1);
}

}  // namespace tallowen
