#include "ui/review_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "engine/field_strings.h"
#include "ui/position_view.h"
#include "ui/qt_colour.h"
#include "ui/screen_fitting_area.h"
#include "ui/valuation_plot.h"

namespace tallowen {

namespace {

const QString kTurningPoint = QStringLiteral(" \u2014 the turning point");

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ReviewWindow::ReviewWindow(master::MasterQueue& master) : QWidget(nullptr, Qt::Window), valuations_(master) {
    setWindowTitle(QStringLiteral("Tallowen - Review"));
    result_ = new QLabel(this);
    QFont bold = result_->font();
    bold.setBold(true);
    result_->setFont(bold);
    list_ = new QListWidget(this);
    // Wide enough for a turning point of a computer player with a long name, beside the scroll bar.
    const QString widest = QStringLiteral("188. PC Professional m15→o13, +12 — the turning point");
    list_->setMinimumWidth(list_->fontMetrics().horizontalAdvance(widest) + 40);
    board_ = new PositionView(this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    plot_ = new ValuationPlot(this);
    progress_ = new QLabel(this);
    copy_ = new QPushButton(QStringLiteral("Copy moves"), this);
    copy_->setToolTip(QStringLiteral("Puts the game on the clipboard as a tallowen-engine play command"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(result_, 0, 0, 1, 2);
    grid->addWidget(list_, 1, 0, 2, 1);
    grid->addWidget(board_, 1, 1);
    grid->addWidget(status_, 2, 1);
    grid->addWidget(plot_, 3, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(copy_);
    grid->addLayout(bottom, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) choose(static_cast<std::size_t>(row));
    });
    plot_->setOnChoose([this](std::size_t position) { choose(position); });
    connect(copy_, &QPushButton::clicked, this, [this] {
        if (review_) QApplication::clipboard()->setText(text(review_->copyLine()));
    });
}

ReviewWindow::~ReviewWindow() = default;

int ReviewWindow::side() const { return review_ ? sideOfGameString(review_->line().gameString) : 0; }

void ReviewWindow::present(const GameLine& line, const PictureLooks& looks) {
    looks_ = looks;
    if (!review_ || review_->line() != line) {
        review_ = std::make_unique<GameReview>(line);
        // The board after a fill needs no valuation of its own: the game is over there.
        values_.assign(std::min(review_->positions().size(), review_->moveCount() + 1), std::nullopt);
        turningPoints_.clear();
        result_->setText(text(line.fieldName + ", " + (line.rule == MoveRule::Star ? "Star" : "Cross") + ": " +
                              review_->resultText()));
        refreshList();
        choose(review_->positions().size() - 1);
    }
    valueMissing();
    showValuations();
    if (!isVisible() && !testAttribute(Qt::WA_Moved)) adjustSize();
    presentCentredFirstTime(*this);
    list_->setFocus();
}

void ReviewWindow::valueMissing() {
    std::vector<std::size_t> missing;
    std::vector<PositionToValue> questions;
    for (std::size_t k = 0; k < values_.size(); ++k) {
        if (values_[k]) continue;
        const ReviewPosition& p = review_->positions()[k];
        missing.push_back(k);
        questions.push_back({p.board, side(), review_->line().rule, p.mover});
    }
    valuations_.start(questions, [this, missing](std::size_t i, int value) { valued(missing[i], value); });
}

void ReviewWindow::valued(std::size_t index, int value) {
    values_[index] = value;
    if (std::all_of(values_.begin(), values_.end(), [](const auto& v) { return v.has_value(); })) {
        std::vector<int> values, movers;
        for (std::size_t k = 0; k < values_.size(); ++k) {
            values.push_back(*values_[k]);
            movers.push_back(review_->positions()[k].mover);
        }
        turningPoints_ = tallowen::turningPoints(values, movers);
        refreshList();
    }
    showValuations();
    if (index == chosen_) showStatus();
}

void ReviewWindow::showValuations() {
    const auto known = std::count_if(values_.begin(), values_.end(), [](const auto& v) { return v.has_value(); });
    if (static_cast<std::size_t>(known) == values_.size())
        progress_->setText(QStringLiteral("PC Master has valued every position."));
    else
        progress_->setText(QStringLiteral("PC Master is valuing the positions: %1 of %2").arg(known).arg(values_.size()));

    // The piece differences fill the plot's height; a game seen won or lost is drawn at its edge.
    ValuationPlot::Series series;
    series.range = 4;
    for (const auto& v : values_)
        if (v && !seesTheEnd(*v)) series.range = std::max(series.range, std::abs(*v));
    for (const auto& v : values_)
        series.values.push_back(v ? std::optional<int>(std::clamp(*v, -series.range, series.range)) : std::nullopt);
    series.colour1 = toQColor(looks_.player1.BackColor);
    series.colour2 = toQColor(looks_.player2.BackColor);
    series.name1 = text(review_->line().names[0]);
    series.name2 = text(review_->line().names[1]);
    series.turningPoints = turningPoints_;
    plot_->setSeries(series);
}

void ReviewWindow::refreshList() {
    const QSignalBlocker blocker(list_);
    list_->clear();
    list_->addItem(QStringLiteral("Start"));
    for (std::size_t k = 0; k < review_->moveCount(); ++k) {
        const bool turning = std::find(turningPoints_.begin(), turningPoints_.end(), k) != turningPoints_.end();
        auto* item = new QListWidgetItem(text(review_->moveText(k)) + (turning ? kTurningPoint : QString()), list_);
        if (turning) item->setForeground(QColor(200, 30, 30));
    }
    if (review_->endedByFill()) list_->addItem(text(review_->fillText()));
    list_->setCurrentRow(static_cast<int>(chosen_));
}

void ReviewWindow::choose(std::size_t index) {
    if (!review_ || review_->positions().empty()) return;
    const auto& positions = review_->positions();
    chosen_ = std::min(index, positions.size() - 1);
    std::optional<BoardMove> last;
    if (chosen_ >= 1 && chosen_ <= review_->moveCount()) last = review_->line().moves[chosen_ - 1];
    board_->setPicture(positionPicture(positions[chosen_].board, side(), last, PositionView::kBoardWidth,
                                       devicePixelRatioF(), looks_),
                       side());
    plot_->setChosen(std::min(chosen_, values_.size() - 1));
    if (list_->currentRow() != static_cast<int>(chosen_)) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(static_cast<int>(chosen_));
    }
    showStatus();
}

void ReviewWindow::showStatus() {
    const ReviewPosition& p = review_->positions()[chosen_];
    const auto& names = review_->line().names;
    QString status = QStringLiteral("%1: %2 %3, %4 %5.")
                         .arg(list_->item(static_cast<int>(chosen_))->text(), text(names[0]))
                         .arg(p.count1)
                         .arg(text(names[1]))
                         .arg(p.count2);
    if (chosen_ < values_.size()) {
        const auto& v = values_[chosen_];
        status += QStringLiteral(" PC Master: %1.").arg(v ? text(valuationText(*v, names)) : QStringLiteral("not valued yet"));
    }
    status_->setText(status);
}

void ReviewWindow::step(int by) {
    if (!review_) return;
    const auto last = static_cast<long>(review_->positions().size()) - 1;
    choose(static_cast<std::size_t>(std::clamp(static_cast<long>(chosen_) + by, 0L, std::max(last, 0L))));
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
    // The list steps through the game with the arrow keys itself; so does the rest of the window.
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: step(-1); break;
        case Qt::Key_Right:
        case Qt::Key_Down: step(1); break;
        default: QWidget::keyPressEvent(event);
    }
}

void ReviewWindow::hideEvent(QHideEvent* event) {
    // A closed review asks "PC Master" nothing more; shown again, it goes on from there.
    valuations_.stop();
    QWidget::hideEvent(event);
}

}  // namespace tallowen
