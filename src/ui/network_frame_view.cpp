#include "ui/network_frame_view.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStackedLayout>

#include "engine/player_names.h"
#include "records/results.h"

namespace tallowen {

namespace {

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void setTextKeepingCursor(QLineEdit* edit, const std::string& text) {
    const QString wanted = QString::fromStdString(text);
    if (edit->text() != wanted) edit->setText(wanted);
}

}  // namespace

NetworkFrameView::NetworkFrameView(SetupWindow& model, QWidget* parent)
    : QGroupBox(QStringLiteral("Network"), parent), model_(model) {
    auto* grid = new QGridLayout(this);
    host_ = new QRadioButton(QStringLiteral("Host"), this);
    join_ = new QRadioButton(QStringLiteral("Join"), this);
    auto* role = new QButtonGroup(this);
    role->addButton(host_);
    role->addButton(join_);
    grid->addWidget(host_, 0, 0);
    grid->addWidget(join_, 0, 1);
    connect(host_, &QRadioButton::clicked, this, [this] {
        model_.Host_Click();
        emit changed();
    });
    connect(join_, &QRadioButton::clicked, this, [this] {
        model_.Join_Click();
        emit changed();
    });

    auto* pages = new QWidget(this);
    pages_ = new QStackedLayout(pages);
    hostPage_ = makeHostPage();
    joinPage_ = makeJoinPage();
    pages_->addWidget(hostPage_);
    pages_->addWidget(joinPage_);
    grid->addWidget(pages, 1, 0, 1, 2);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    // Room for two lines from the start, so that the window sized then need not grow.
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    grid->addWidget(status_, 2, 0, 1, 2);
}

QWidget* NetworkFrameView::makeHostPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Addresses:"), page), 0, 0, Qt::AlignTop);
    addresses_ = valueLabel(page);
    addresses_->setWordWrap(true);
    grid->addWidget(addresses_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Port:"), page), 1, 0);
    port_ = valueLabel(page);
    grid->addWidget(port_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Code:"), page), 2, 0);
    code_ = valueLabel(page);
    QFont bold = code_->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    code_->setFont(bold);
    grid->addWidget(code_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Game time:"), page), 3, 0);
    time_ = new QComboBox(page);
    for (const std::string& item : kTimeListItems) time_->addItem(QString::fromStdString(item));
    grid->addWidget(time_, 3, 1);
    connect(time_, &QComboBox::activated, this, [this](int index) {
        model_.Combo1_Click(1, index);
        emit changed();
    });
    return page;
}

QWidget* NetworkFrameView::makeJoinPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Name:"), page), 0, 0);
    name_ = new QLineEdit(page);
    name_->setMaxLength(static_cast<int>(kMostNameCharacters));
    grid->addWidget(name_, 0, 1, 1, 2);
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Text3_Change(1, text.toStdString());
        emit changed();
    });
    grid->addWidget(new QLabel(QStringLiteral("Address:"), page), 1, 0);
    address_ = new QLineEdit(page);
    address_->setPlaceholderText(QStringLiteral("name or IP[:port]"));
    grid->addWidget(address_, 1, 1, 1, 2);
    connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Address_Change(text.toStdString());
        emit changed();
    });
    grid->addWidget(new QLabel(QStringLiteral("Code:"), page), 2, 0);
    joinCode_ = new QLineEdit(page);
    joinCode_->setMaxLength(6);
    joinCode_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), joinCode_));
    grid->addWidget(joinCode_, 2, 1);
    connect(joinCode_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.Code_Change(text.toStdString());
        emit changed();
    });
    joinButton_ = new QPushButton(QStringLiteral("Join"), page);
    grid->addWidget(joinButton_, 2, 2);
    connect(joinButton_, &QPushButton::clicked, this, [this] { emit joinClicked(); });
    for (QLineEdit* edit : {address_, joinCode_})
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            if (model_.network.joinEnabled()) emit joinClicked();
        });
    return page;
}

void NetworkFrameView::mirror() {
    const NetworkSetup& n = model_.network;
    host_->setChecked(n.role == NetworkSetup::Role::Host);
    join_->setChecked(n.role == NetworkSetup::Role::Join);
    host_->setEnabled(n.roleEnabled());
    join_->setEnabled(n.roleEnabled());
    pages_->setCurrentWidget(n.role == NetworkSetup::Role::Host ? hostPage_ : joinPage_);

    addresses_->setText(QString::fromStdString(n.addressesLine()));
    port_->setText(n.Port > 0 ? QString::number(n.Port) : QString());
    code_->setText(QString::fromStdString(n.HostCode));
    {
        const QSignalBlocker blocker(time_);
        time_->setCurrentIndex(model_.Combo1(1));
    }
    time_->setEnabled(n.link != NetworkSetup::Link::Playing);

    setTextKeepingCursor(name_, model_.Text3(1).Text);
    setTextKeepingCursor(address_, n.Address);
    setTextKeepingCursor(joinCode_, n.Code);
    for (QLineEdit* edit : {name_, address_, joinCode_}) edit->setEnabled(n.joinInputsEnabled());
    joinButton_->setEnabled(n.joinEnabled());
    status_->setText(QString::fromStdString(n.Status));
}

}  // namespace tallowen
