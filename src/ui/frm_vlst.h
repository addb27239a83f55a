#pragma once

#include <QDialog>

#include "records/results_window.h"

class QComboBox;
class QListWidget;
class QScrollBar;

namespace tallowen {

class FigureBox;
class PictureStore;
class RandomSource;

// The results window: a player's figure and four lines, and every stored game one at a time.
// Modal over the setup window.
class frmVlst : public QDialog {
    Q_OBJECT
public:
    frmVlst(ResultsWindow& model, PictureStore& pictures, RandomSource& random, const int& figureDetail,
            QWidget* parent);

    // Shows the window, modal to its owner, as the model was prepared.
    void present();
    void refresh();

private:
    ResultsWindow& model_;
    QComboBox* ComboB_;
    FigureBox* Picture4_;
    QListWidget* List2_;
    QScrollBar* HScroll1_;
    QListWidget* List1_;
    int figureRevision_ = 0;
};

}  // namespace tallowen
