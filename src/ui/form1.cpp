#include "ui/form1.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "render/title_gradient.h"
#include "ui/frm_about.h"
#include "ui/frm_edit.h"
#include "ui/frm_vlst.h"
#include "ui/frm_vyb.h"
#include "ui/logo_button.h"
#include "ui/message_box.h"
#include "ui/picture_button.h"
#include "ui/picture_store.h"
#include "ui/player_panel_view.h"
#include "ui/screen_fitting_area.h"
#include "ui/window_art.h"

namespace tallowen {

namespace {

constexpr int kWindowCursor = 10;
constexpr int kHeaderHeight = 64;
constexpr int kButtonSize = 22;

// The band at the top of the window, painted from its backing image.
class Band : public QWidget {
public:
    Band(ImageSurface& image, QWidget* parent) : QWidget(parent), image_(image) {
        setFixedHeight(kHeaderHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(rect(), image_.image());
    }

private:
    ImageSurface& image_;
};

}  // namespace

Form1::Form1(SetupWindow& model, PictureStore& pictures, PopupActions gameCommands)
    : model_(model), pictures_(pictures), menus_(std::move(gameCommands)), band_(600, kHeaderHeight, kBlack) {
    setWindowTitle(QStringLiteral("Tallowen"));
    setCursor(pictures_.cursor(kWindowCursor));
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->addWidget(makeHeader(), 0, 0, 1, 2);
    for (int i = 0; i < 2; ++i) {
        auto* view = new PlayerPanelView(model_, i, model_.game().random, content);
        connect(view, &PlayerPanelView::changed, this, [this] {
            if (onNetwork_) onNetwork_();
            mirror();
        });
        connect(view, &PlayerPanelView::joinClicked, this, [this] {
            if (onJoin_) onJoin_();
        });
        connect(view, &PlayerPanelView::figureClicked, this, &Form1::openFigureSelection);
        grid->addWidget(view, 1, i);
        panels_[static_cast<std::size_t>(i)] = view;
    }
    // The two panels as wide as each other, whatever player 2's network frame needs.
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->addWidget(makeFields(), 2, 0, 1, 2);
    makeEditorMenu();

    model_.Timer2.setHandler([this] {
        model_.Timer2_Timer();
        Check3_->mirror(model_.Check3);
    });
    timers_.attach(model_.Timer2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(new ScreenFittingArea(content, this));
    window->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() { model_.Timer2.setDriver(nullptr); }

QWidget* Form1::makeHeader() {
    header_ = new Band(band_, this);
    auto* row = new QHBoxLayout(header_);
    row->setContentsMargins(12, 0, 12, 0);
    Check3_ = new LogoButton(pictures_.Image3(), header_);
    Check3_->mirror(model_.Check3);
    row->addWidget(Check3_, 0, Qt::AlignVCenter);
    row->addStretch();
    connect(Check3_, &LogoButton::clicked, this, [this] { about().present(this); });
    // In the band, so that no control below moves.
    helpLink_ = new QLabel(QStringLiteral("<a href=\"help\">How to play (F1)</a>"), header_);
    row->addWidget(helpLink_, 0, Qt::AlignVCenter);
    row->addSpacing(12);
    connect(helpLink_, &QLabel::linkActivated, this, [this] {
        if (onHelp_) onHelp_();
    });
    music_ = new PictureButton(header_, QStringLiteral("Music"));
    music_->setFixedSize(kButtonSize, kButtonSize);
    row->addWidget(music_, 0, Qt::AlignVCenter);
    music_->setOnClick([this] {
        if (onMusic_) onMusic_();
    });
    return header_;
}

QWidget* Form1::makeFields() {
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* Frame1 = new QGroupBox(QStringLiteral("Movement"), row);
    Frame1_ = Frame1;
    auto* movement = new QVBoxLayout(Frame1);
    Option1_ = new QRadioButton(QStringLiteral("Star"), Frame1);
    Option2_ = new QRadioButton(QStringLiteral("Cross"), Frame1);
    movement->addWidget(Option1_);
    movement->addWidget(Option2_);
    movement->addStretch();
    connect(Option1_, &QRadioButton::clicked, this, [this] { model_.Option1_Click(); });
    connect(Option2_, &QRadioButton::clicked, this, [this] { model_.Option2_Click(); });
    grid->addWidget(Frame1, 0, 0, 2, 1);

    auto* Frame3 = new QGroupBox(QStringLiteral("Fields"), row);
    Frame3_ = Frame3;
    auto* fields = new QVBoxLayout(Frame3);
    List1_ = new QListWidget(Frame3);
    List1_->setFixedHeight(96);
    fields->addWidget(List1_);
    connect(List1_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.List1_Click(row);
        mirror();
    });
    Command3_ = new QPushButton(QStringLiteral("Editor"), Frame3);
    fields->addWidget(Command3_, 0, Qt::AlignRight);
    connect(Command3_, &QPushButton::clicked, this, &Form1::openEditorMenu);
    grid->addWidget(Frame3, 0, 1, 2, 1);

    Command1_ = new QPushButton(QStringLiteral("START"), row);
    Command1_->setMinimumHeight(56);
    QFont bold = Command1_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    Command1_->setFont(bold);
    grid->addWidget(Command1_, 0, 2);
    connect(Command1_, &QPushButton::clicked, this, [this] {
        model_.Command1_Click();
        mirror();
        if (onStart_) onStart_();
    });
    Check2_ = new QPushButton(QStringLiteral(" Game  results"), row);
    grid->addWidget(Check2_, 1, 2);
    connect(Check2_, &QPushButton::clicked, this, &Form1::openResults);
    grid->setColumnStretch(1, 1);
    return row;
}

void Form1::makeEditorMenu() {
    EDI_ = new QMenu(QStringLiteral("Editor"), this);
    connect(EDI_->addAction(QStringLiteral("Add field")), &QAction::triggered, this, [this] {
        if (const auto refusal = model_.library.ADDMAP_Click(editorModel_)) {
            showMessage(this, *refusal);
            return;
        }
        editor().present();
    });
    EDMAP_ = EDI_->addAction(QStringLiteral("Edit field"));
    connect(EDMAP_, &QAction::triggered, this, [this] {
        model_.library.EDMAP_Click(editorModel_);
        editor().present();
    });
    QMenu* DELMAPcc = EDI_->addMenu(QStringLiteral("Delete field"));
    QMenu* DELMAPc = DELMAPcc->addMenu(QStringLiteral("Really?"));
    connect(DELMAPc->addAction(QStringLiteral("Yes")), &QAction::triggered, this, [this] {
        model_.DELMAP_Click();
        mirror();
    });
    DELMAPcc_ = DELMAPcc->menuAction();
}

void Form1::openEditorMenu() {
    model_.library.Command3_Click();
    EDMAP_->setEnabled(model_.library.EDMAPEnabled);
    DELMAPcc_->setEnabled(model_.library.DELMAPEnabled);
    // Right-aligned under the button's bottom right corner.
    const QPoint corner = Command3_->mapToGlobal(QPoint(Command3_->width(), Command3_->height()));
    EDI_->popup(corner - QPoint(EDI_->sizeHint().width(), 0));
}

void Form1::openFigureSelection(int player) {
    model_.figur(player);
    model_.frmVyb.Timer1_Timer();
    figureSelection().present();
}

void Form1::openResults() {
    const auto message = model_.Check2_Click();
    mirror();
    tellStoreMessages();
    if (message) {
        showMessage(this, *message);
        return;
    }
    results().present();
}

void Form1::tellStoreMessages() {
    for (const UserMessage& message : model_.store().takeMessages()) showMessage(this, message);
}

void Form1::applyDesktopColours(const SystemColours& system) {
    DrawSetupGradient(band_, system);
    header_->update();
    music_->setPicture(art::buttonPicture(QStringLiteral("button_music"), QSize(kButtonSize, 2 * kButtonSize),
                                          devicePixelRatio(), buttonArtColour(system), system));
}

void Form1::mirror() {
    for (PlayerPanelView* view : panels_) view->mirror();
    Option1_->setChecked(model_.Option1());
    Option2_->setChecked(!model_.Option1());
    {
        const QSignalBlocker blocker(List1_);
        QStringList names;
        for (const std::string& name : model_.library.List1) names << QString::fromStdString(name);
        QStringList shown;
        for (int k = 0; k < List1_->count(); ++k) shown << List1_->item(k)->text();
        if (shown != names) {
            List1_->clear();
            List1_->addItems(names);
        }
        List1_->setCurrentRow(model_.library.ListIndex);
    }
    Frame1_->setEnabled(model_.network.gameChoicesEnabled());
    Frame3_->setEnabled(model_.network.gameChoicesEnabled());
    Command1_->setEnabled(model_.network.startEnabled());
    Check3_->mirror(model_.Check3);
    if (isVisible() != model_.Visible) setVisible(model_.Visible);
}

frmAbout& Form1::about() {
    if (!about_) about_ = new frmAbout(pictures_, this);
    return *about_;
}

frmEdit& Form1::editor() {
    if (!editor_) {
        editor_ = new frmEdit(editorModel_, model_.store(), model_.library, pictures_, model_.game().random, this);
        editor_->setOnSaved([this](const FieldHandOver& selection) {
            model_.fieldsReloaded(selection);
            mirror();
        });
    }
    return *editor_;
}

frmVyb& Form1::figureSelection() {
    if (!figureSelection_) {
        figureSelection_ = new frmVyb(model_.frmVyb, model_.game().random, model_.game().FigureDetail, this);
        connect(figureSelection_, &QDialog::finished, this, [this] {
            if (onNetwork_) onNetwork_();
            mirror();
        });
    }
    return *figureSelection_;
}

frmVlst& Form1::results() {
    if (!results_)
        results_ = new frmVlst(model_.results, pictures_, model_.game().random, model_.game().FigureDetail, this);
    return *results_;
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onEnd_) onEnd_();
}

}  // namespace tallowen
