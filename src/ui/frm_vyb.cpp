#include "ui/frm_vyb.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/figure_box.h"

namespace tallowen {

frmVyb::frmVyb(FigureSelection& model, RandomSource& random, const int& figureDetail, QWidget* parent)
    : QDialog(parent), model_(model) {
    setWindowModality(Qt::WindowModal);
    auto* grid = new QGridLayout(this);

    Combo1_ = new QComboBox(this);
    Combo1_->setToolTip(QStringLiteral("Figure type"));
    for (const std::string& name : model_.Combo1) Combo1_->addItem(QString::fromStdString(name));
    grid->addWidget(Combo1_, 0, 0, 1, 3);
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        model_.Combo1_Click(index);
        refresh();
    });

    const char* bands[] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(bands[i]), this), i + 1, 0);
        QScrollBar* slider = new QScrollBar(Qt::Horizontal, this);
        slider->setRange(0, 4);
        slider->setPageStep(1);
        slider->setMinimumWidth(120);
        grid->addWidget(slider, i + 1, 1);
        connect(slider, &QScrollBar::valueChanged, this, [this, i](int level) {
            model_.VScroll1_Change(i, level);
            refresh();
        });
        VScroll1_[static_cast<std::size_t>(i)] = slider;
    }
    Picture3_ = new QLabel(this);
    Picture3_->setFixedWidth(7);
    Picture3_->setAutoFillBackground(true);
    Picture3_->setFrameShape(QFrame::Box);
    grid->addWidget(Picture3_, 1, 2, 3, 1);

    Picture2_ = new FigureBox(random, figureDetail, this);
    Picture2_->setFixedSize(190, 144);
    grid->addWidget(Picture2_, 4, 0, 1, 3, Qt::AlignHCenter);
    connect(Picture2_, &FigureBox::clicked, this, [this] {
        model_.Timer1_Timer();
        refresh();
    });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    grid->addWidget(ok, 5, 0, 1, 3, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        refresh();
        accept();
    });

    model_.Timer1.setHandler([this] {
        model_.Timer1_Timer();
        refresh();
    });
    timers_.attach(model_.Timer1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmVyb::present() {
    model_.Visible = true;
    refresh();
    show();
    activateWindow();
}

void frmVyb::refresh() {
    setWindowTitle(QString::fromStdString(model_.Caption));
    {
        const QSignalBlocker blocker(Combo1_);
        Combo1_->setCurrentIndex(model_.ListIndex);
    }
    for (std::size_t i = 0; i < VScroll1_.size(); ++i) {
        const QSignalBlocker blocker(VScroll1_[i]);
        VScroll1_[i]->setValue(model_.VScroll1[i]);
    }
    QPalette palette = Picture3_->palette();
    const Colour c = model_.Picture3;
    palette.setColor(QPalette::Window, QColor(redOf(c), greenOf(c), blueOf(c)));
    Picture3_->setPalette(palette);
    Picture2_->display(model_.Picture2);
    if (!model_.Visible && isVisible()) hide();
}

}  // namespace tallowen
