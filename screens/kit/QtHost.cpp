#include "screens/kit/QtHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/Host.h"
#include "screens/kit/ScreenParts.h"

namespace {

std::size_t AskInMessageBox(const std::string& text, const std::vector<std::string>& answers) {
    QMessageBox box(QMessageBox::Question, "Umbravel", ToQt(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    std::vector<QAbstractButton*> buttons;
    for (const std::string& answer : answers) {
        buttons.push_back(box.addButton(ToQt(answer), QMessageBox::AcceptRole));
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(buttons.back()));
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        if (box.clickedButton() == buttons[index]) {
            return index;
        }
    }
    return answers.size() - 1;
}

}  // namespace

void InstallQtHost() {
    InstallMessageHandler([](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, "Umbravel", ToQt(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    });
    InstallQuestionHandler(AskInMessageBox);
    InstallFolderChooser([](const std::string& start) -> std::optional<std::string> {
        const QString folder = QFileDialog::getExistingDirectory(
            QApplication::activeWindow(), "Folder for the print and data files", ToQt(start));
        if (folder.isEmpty()) {
            return std::nullopt;
        }
        return FromQt(folder);
    });
    InstallFileChooser([](const FileQuestion& q) -> std::optional<std::string> {
        QWidget* parent = QApplication::activeWindow();
        const QString path = q.save ? QFileDialog::getSaveFileName(parent, ToQt(q.title),
                                                                   ToQt(q.start), ToQt(q.filter))
                                    : QFileDialog::getOpenFileName(parent, ToQt(q.title),
                                                                   ToQt(q.start), ToQt(q.filter));
        if (path.isEmpty())
            return std::nullopt;
        return FromQt(path);
    });
    InstallEndHandler([](int status) {
        // Closing the last screen would otherwise end the event loop with status 0.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QApplication::closeAllWindows();
        QCoreApplication::exit(status);
    });
}
