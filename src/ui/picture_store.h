#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <array>
#include <optional>

namespace tallowen {

// The setup window's picture store: the logo (Image3), the background picture (Image2) and the
// fifteen icons that serve as cursor pictures (Image1(0) ... Image1(14)): a person's pointers in
// the six mark colours (0 ... 5) and grey (12), the computer's with a screen badge (6 ... 11, 14),
// and the hole brush (13). Each picture is made when it is first asked for.
class PictureStore {
public:
    static constexpr int kIcons = 15;

    const QImage& Image3();
    const QImage& Image2();
    const QImage& Image1(int index);
    // The picture as a mouse pointer, pointing with its top left corner.
    QCursor cursor(int index);

private:
    std::optional<QImage> logo_;
    std::optional<QImage> background_;
    std::array<std::optional<QImage>, kIcons> icons_;
};

}  // namespace tallowen
