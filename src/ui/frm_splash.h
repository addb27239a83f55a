#pragma once

#include <QWidget>

class QLabel;

namespace tallowen {

class PictureStore;

// The splash window: the background picture with the logo, the version, the date and the progress
// text of start-up.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(PictureStore& pictures);

    // Shows the progress text and paints it before start-up goes on.
    void setStatus(const QString& text);
    QString status() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureStore& pictures_;
    QLabel* Status_;
};

}  // namespace tallowen
