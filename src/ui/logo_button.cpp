#include "ui/logo_button.h"

#include <QPainter>

#include "engine/rounding.h"

namespace tallowen {

LogoButton::LogoButton(const QImage& logo, QWidget* parent) : QAbstractButton(parent), logo_(logo) {
    setFocusPolicy(Qt::NoFocus);
}

void LogoButton::mirror(const LogoStrip& strip) {
    setFixedSize(roundHalfEven(strip.Width), roundHalfEven(strip.Height));
}

void LogoButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The strip opens from the middle of the logo outwards.
    painter.drawImage((width() - logo_.width()) / 2, (height() - logo_.height()) / 2, logo_);
}

}  // namespace tallowen
