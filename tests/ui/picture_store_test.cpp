#include "ui/picture_store.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>

#include "ui/frm_splash.h"

namespace tallowen {
namespace {

// The picture as the art's SVG draws it here and now, on the given ground.
QImage drawnNow(const char* name, QImage::Format format, const QColor& ground) {
    QSvgRenderer svg(QStringLiteral(TALLOWEN_ART_DIR "/%1.svg").arg(QLatin1String(name)));
    QImage image(svg.defaultSize(), format);
    image.fill(ground);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// The splash window's pictures are drawn when the program is built and kept as pixels: what the
// program shows is its art pixel for pixel, the background opaque and the logo with its alpha.
TEST(PictureStore, TheBackgroundAndTheLogoAreTheirArtPixelForPixelAndTheSplashWindowIsTheBackgroundsSize) {
    PictureStore pictures;
    const QImage& background = pictures.Image2();
    const QImage& logo = pictures.Image3();
    ASSERT_FALSE(background.isNull());
    ASSERT_FALSE(logo.isNull());
    EXPECT_FALSE(background.hasAlphaChannel());
    EXPECT_TRUE(logo.hasAlphaChannel());
    EXPECT_EQ(background, drawnNow("background", QImage::Format_RGB32, Qt::black));
    EXPECT_EQ(logo, drawnNow("logo", QImage::Format_ARGB32_Premultiplied, Qt::transparent));

    frmSplash splash(pictures);
    EXPECT_EQ(splash.size(), background.size());
}

}  // namespace
}  // namespace tallowen
