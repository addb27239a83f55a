#pragma once

#include <QDialog>

class QLabel;

namespace tallowen {

class PictureStore;

// The about window: version, date and the two links, over the background picture. Modal over the
// window that opened it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(PictureStore& pictures, QWidget* parent);

    // Shows the window, modal to `owner`, which it returns to when closed.
    void present(QWidget* owner);

    QLabel* Label3() const { return Label3_; }
    QLabel* Label6() const { return Label6_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureStore& pictures_;
    QLabel* Label3_;
    QLabel* Label6_;
};

}  // namespace tallowen
