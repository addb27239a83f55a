#pragma once

#include <QLabel>

namespace tallowen {

// A label whose text is edged in the contrasting colour, so that a player's colour stays readable
// on every picture behind it (black names on the black panel, a yellow lead on the white split).
// Its font has a pixel size; a text wider than the label is set smaller to fit.
class EdgedLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tallowen
