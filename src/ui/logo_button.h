#pragma once

#include <QAbstractButton>
#include <QImage>

#include "setup/setup_window.h"

namespace tallowen {

// The logo strip: a graphic check box showing as much of the logo as its growing size allows. A
// click that ticks it clears it again at once, so it never stays ticked.
class LogoButton : public QAbstractButton {
    Q_OBJECT
public:
    LogoButton(const QImage& logo, QWidget* parent);

    // Takes the strip's size from the model.
    void mirror(const LogoStrip& strip);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage logo_;
};

}  // namespace tallowen
