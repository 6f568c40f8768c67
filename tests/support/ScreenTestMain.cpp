// One QApplication for the whole screen test binary, headless unless a platform is chosen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryFile>

int main(int argc, char* argv[]) {
    // Headless, on a display of a common laptop's size rather than the offscreen default.
    QTemporaryFile display;
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        platform.isEmpty() || platform == "offscreen") {
        if (!display.open() ||
            display.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366,)"
                          R"( "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0 ||
            !display.flush())
            return 1;
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + display.fileName()).toLocal8Bit());
    }
    // The first place offered is the system time zone's: the same zone on every machine.
    qputenv("TZ", "America/Denver");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
