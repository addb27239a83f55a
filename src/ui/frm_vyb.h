#pragma once

#include <QDialog>
#include <array>

#include "setup/figure_selection.h"
#include "eventloop/qt_timer_driver.h"

class QComboBox;
class QScrollBar;
class QLabel;

namespace tallowen {

class FigureBox;
class RandomSource;

// The figure selection window: the design list, the red, green and blue sliders with the swatch,
// the preview and "OK". Modal over the setup window.
class frmVyb : public QDialog {
    Q_OBJECT
public:
    frmVyb(FigureSelection& model, RandomSource& random, const int& figureDetail, QWidget* parent);

    // Shows the window, modal to its owner, for the player the model was prepared for.
    void present();
    // Mirrors the model.
    void refresh();

private:
    FigureSelection& model_;
    QtTimerDriver timers_;
    QComboBox* Combo1_;
    std::array<QScrollBar*, 3> VScroll1_{};
    QLabel* Picture3_;
    FigureBox* Picture2_;
};

}  // namespace tallowen
