#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>

// Widget tests need one application object for the whole run, on the offscreen platform unless the
// caller names another, so that they list and run without a display. "--scale=N" runs them on a
// screen of N device pixels per layout pixel.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--scale=", 8) == 0) qputenv("QT_SCALE_FACTOR", argv[i] + 8);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
