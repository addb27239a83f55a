#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

// Widget tests need one application object for the whole run. "--scale=N" runs them on a screen of
// N device pixels per layout pixel.
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--scale=", 8) == 0) qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
