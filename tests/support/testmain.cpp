#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with an offscreen QApplication so that fonts, images and widgets work.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
