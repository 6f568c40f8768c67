#include "ui/QtHost.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Host.h"
#include "ui/ScreenParts.h"

void InstallQtHost() {
    InstallMessageHandler([](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, "Umbravel", ToQt(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
    InstallEndHandler([](int status) {
        // Closing the last screen would otherwise end the event loop with status 0.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QApplication::closeAllWindows();
        QCoreApplication::exit(status);
    });
}
