// Draws an SVG picture at its own size, on a black ground ("opaque") or on a transparent one
// ("clear"), and writes its pixels as the program reads them (see picture_store.cpp): the width,
// the height and the QImage format as three little-endian 32-bit numbers, then the rows. The build
// runs it for the pictures the program shows first, so that the program neither draws them (and
// lays out their text) nor decodes them as it starts.
// Usage: tallowen-svg-to-pixels IN.svg OUT opaque|clear
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 4 || (std::strcmp(argv[3], "opaque") != 0 && std::strcmp(argv[3], "clear") != 0)) {
        std::fprintf(stderr, "usage: tallowen-svg-to-pixels IN.svg OUT opaque|clear\n");
        return 2;
    }
    // The text in the pictures needs the font database, which needs an application; no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "tallowen-svg-to-pixels: cannot read %s\n", argv[1]);
        return 1;
    }
    // An opaque picture has no alpha channel, so that it is copied, not blended, where it is drawn.
    const bool opaque = std::strcmp(argv[3], "opaque") == 0;
    QImage image(svg.defaultSize(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();

    QByteArray pixels(12, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(image.width()), pixels.data());
    qToLittleEndian<quint32>(static_cast<quint32>(image.height()), pixels.data() + 4);
    qToLittleEndian<quint32>(static_cast<quint32>(image.format()), pixels.data() + 8);
    for (int y = 0; y < image.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(pixels) != pixels.size()) {
        std::fprintf(stderr, "tallowen-svg-to-pixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
