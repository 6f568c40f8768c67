#include "platform/Host.h"

#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

MessageHandler messageHandler;
QuestionHandler questionHandler;
FolderChooser folderChooser;
FileChooser fileChooser;
EndHandler endHandler;

void EndWith(int status) {
    if (endHandler) {
        endHandler(status);
    } else {
        std::exit(status);
    }
}

}  // namespace

void ShowMessage(const std::string& text) {
    if (messageHandler) {
        messageHandler(text);
    } else {
        std::cerr << "Umbravel: " << text << '\n';
    }
}

std::size_t AskQuestion(const std::string& text, const std::vector<std::string>& answers) {
    if (questionHandler) {
        return questionHandler(text, answers);
    }
    std::cerr << "Umbravel: " << text << " [" << answers.back() << "]\n";
    return answers.size() - 1;
}

std::optional<std::string> ChooseFolder(const std::string& start) {
    if (folderChooser) {
        return folderChooser(start);
    }
    return std::nullopt;
}

std::optional<std::string> ChooseFile(const FileQuestion& question) {
    if (fileChooser)
        return fileChooser(question);
    return std::nullopt;
}

void EndProgram() {
    EndWith(EXIT_SUCCESS);
}

void EndProgramAfterFault() {
    EndWith(EXIT_FAILURE);
}

void InstallMessageHandler(MessageHandler handler) {
    messageHandler = std::move(handler);
}

void InstallQuestionHandler(QuestionHandler handler) {
    questionHandler = std::move(handler);
}

void InstallFolderChooser(FolderChooser chooser) {
    folderChooser = std::move(chooser);
}

void InstallFileChooser(FileChooser chooser) {
    fileChooser = std::move(chooser);
}

void InstallEndHandler(EndHandler handler) {
    endHandler = std::move(handler);
}
