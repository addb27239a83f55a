#include "ui/player_panel_view.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedLayout>

#include "engine/player_names.h"
#include "records/results.h"
#include "ui/figure_box.h"
#include "ui/network_frame_view.h"

namespace tallowen {

PlayerPanelView::PlayerPanelView(SetupWindow& model, int player, RandomSource& random, QWidget* parent)
    : QGroupBox(parent), model_(model), i_(player) {
    auto* grid = new QGridLayout(this);
    Option18_ = new QRadioButton(QStringLiteral("PC"), this);
    Option19_ = new QRadioButton(QStringLiteral("Human"), this);
    auto* kind = new QButtonGroup(this);
    kind->addButton(Option18_);
    kind->addButton(Option19_);
    grid->addWidget(Option18_, 0, 0);
    grid->addWidget(Option19_, 0, 1);
    connect(Option18_, &QRadioButton::clicked, this, [this] {
        model_.Option18_Click(i_);
        emit changed();
    });
    connect(Option19_, &QRadioButton::clicked, this, [this] {
        model_.Option19_Click(i_);
        emit changed();
    });

    // Both choices start where they do without "Network": it follows "Human" in its column.
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    if (i_ == 1) {
        OptionNetwork_ = new QRadioButton(QStringLiteral("Network"), this);
        kind->addButton(OptionNetwork_);
        auto* personOrNetwork = new QHBoxLayout;
        grid->removeWidget(Option19_);
        personOrNetwork->addWidget(Option19_);
        personOrNetwork->addWidget(OptionNetwork_);
        personOrNetwork->addStretch();
        grid->addLayout(personOrNetwork, 0, 1);
        connect(OptionNetwork_, &QRadioButton::clicked, this, [this] {
            model_.OptionNetwork_Click();
            emit changed();
        });
    }

    // The person's frame, the computer's and the network's share one place; the panel keeps its size.
    auto* kindFrames = new QWidget(this);
    stack_ = new QStackedLayout(kindFrames);
    grid->addWidget(kindFrames, 1, 0, 1, 2);
    Frame4_ = new QGroupBox(QStringLiteral("Human"), kindFrames);
    auto* human = new QGridLayout(Frame4_);
    human->addWidget(new QLabel(QStringLiteral("Name:"), Frame4_), 0, 0);
    Text3_ = new QComboBox(Frame4_);
    Text3_->setEditable(true);
    Text3_->setMinimumWidth(140);
    Text3_->setInsertPolicy(QComboBox::NoInsert);
    Text3_->lineEdit()->setMaxLength(static_cast<int>(kMostNameCharacters));
    Text3_->lineEdit()->installEventFilter(this);
    human->addWidget(Text3_, 0, 1);
    connect(Text3_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Text3_Change(i_, text.toStdString());
        emit changed();
    });
    connect(Text3_, &QComboBox::activated, this, [this](int index) {
        model_.Text3_Select(i_, index);
        emit changed();
    });
    human->addWidget(new QLabel(QStringLiteral("Game time:"), Frame4_), 1, 0);
    Combo1_ = new QComboBox(Frame4_);
    for (const std::string& item : kTimeListItems) Combo1_->addItem(QString::fromStdString(item));
    human->addWidget(Combo1_, 1, 1);
    connect(Combo1_, &QComboBox::activated, this, [this](int index) {
        model_.Combo1_Click(i_, index);
        emit changed();
    });
    stack_->addWidget(Frame4_);

    Frame7_ = new QGroupBox(QStringLiteral("PC Intelligence"), kindFrames);
    auto* computer = new QVBoxLayout(Frame7_);
    const char* names[] = {"Beginner", "Professional", "Genius", "Master"};
    for (int level = 1; level <= kMasterLevel; ++level) {
        auto* option = new QRadioButton(QString::fromLatin1(names[level - 1]), Frame7_);
        // A click leaves the focus where it was, on the preview's side of the panel.
        option->setFocusPolicy(Qt::TabFocus);
        computer->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, level] {
            model_.Level_Click(i_, level);
            emit changed();
        });
        levels_[static_cast<std::size_t>(level - 1)] = option;
    }
    stack_->addWidget(Frame7_);
    if (i_ == 1) {
        network_ = new NetworkFrameView(model_, kindFrames);
        connect(network_, &NetworkFrameView::changed, this, &PlayerPanelView::changed);
        connect(network_, &NetworkFrameView::joinClicked, this, &PlayerPanelView::joinClicked);
        stack_->addWidget(network_);
    }

    Picture7_ = new FigureBox(random, model_.game().FigureDetail, this);
    Picture7_->setFixedSize(128, 96);
    Picture7_->setToolTip(QStringLiteral("Select figure"));
    grid->addWidget(Picture7_, 2, 0, 1, 2, Qt::AlignHCenter);
    connect(Picture7_, &FigureBox::clicked, this, [this] { emit figureClicked(i_); });
}

bool PlayerPanelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text3_->lineEdit() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        model_.Text3_Click(i_);
        emit changed();
    }
    return QGroupBox::eventFilter(watched, event);
}

void PlayerPanelView::mirror() {
    const PlayerPanel& panel = model_.panels[static_cast<std::size_t>(i_)];
    setTitle(QString::fromStdString(panel.Frame6));
    const bool person = model_.isPerson(i_);
    const bool remote = panel.FrameNetworkVisible;
    setEnabled(model_.network.panelEnabled(i_));
    Option18_->setChecked(!person);
    Option19_->setChecked(person && !remote);
    if (OptionNetwork_) OptionNetwork_->setChecked(remote);
    if (network_) network_->mirror();
    stack_->setCurrentWidget(remote ? network_ : panel.Frame7Visible ? Frame7_ : Frame4_);
    for (std::size_t k = 0; k < levels_.size(); ++k) levels_[k]->setChecked(panel.Level[k]);

    const NameBox& box = model_.Text3(i_);
    {
        const QSignalBlocker blocker(Text3_);
        QStringList items;
        for (const std::string& name : box.List) items << QString::fromStdString(name);
        QStringList shown;
        for (int k = 0; k < Text3_->count(); ++k) shown << Text3_->itemText(k);
        if (shown != items) {
            Text3_->clear();
            Text3_->addItems(items);
        }
        const QString text = QString::fromStdString(model_.shownName(i_));
        if (Text3_->currentText() != text) {
            Text3_->setEditText(text);
            if (panel.Text3SelLength > 0) Text3_->lineEdit()->setSelection(panel.Text3SelStart, panel.Text3SelLength);
        }
    }
    {
        const QSignalBlocker blocker(Combo1_);
        Combo1_->setCurrentIndex(model_.Combo1(i_));
    }
    Picture7_->display(panel.Picture7);
}

}  // namespace tallowen

