#pragma once

#include <QGroupBox>
#include <array>

#include "setup/setup_window.h"

class QComboBox;
class QRadioButton;
class QStackedLayout;

namespace tallowen {

class FigureBox;
class NetworkFrameView;
class RandomSource;

// One player's panel of the setup window: "PC" or "Human", the person's name and time, the
// computer's strength and the figure preview. Input goes to the setup window's model.
class PlayerPanelView : public QGroupBox {
    Q_OBJECT
public:
    PlayerPanelView(SetupWindow& model, int player, RandomSource& random, QWidget* parent);

    void mirror();

    QComboBox* Text3() const { return Text3_; }
    QComboBox* Combo1() const { return Combo1_; }
    QRadioButton* Option18() const { return Option18_; }
    QRadioButton* Option19() const { return Option19_; }
    // Player 2's "Network" choice and its frame; none for player 1.
    QRadioButton* OptionNetwork() const { return OptionNetwork_; }
    NetworkFrameView* network() const { return network_; }
    QRadioButton* level(int level) const { return levels_[static_cast<std::size_t>(level - 1)]; }
    FigureBox* Picture7() const { return Picture7_; }

signals:
    // Something the player's panel shows changed in the model.
    void changed();
    // The figure preview was clicked.
    void figureClicked(int player);
    // "Join" in the network frame.
    void joinClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SetupWindow& model_;
    const int i_;
    QRadioButton* Option18_;
    QRadioButton* Option19_;
    QRadioButton* OptionNetwork_ = nullptr;
    NetworkFrameView* network_ = nullptr;
    QStackedLayout* stack_;
    QGroupBox* Frame4_;
    QComboBox* Text3_;
    QComboBox* Combo1_;
    QGroupBox* Frame7_;
    std::array<QRadioButton*, 4> levels_{};
    FigureBox* Picture7_;
};

}  // namespace tallowen
