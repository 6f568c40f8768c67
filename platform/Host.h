#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the program asks of its host besides files: message boxes, questions, a folder chooser
// and the end of the program. Each goes through an installable handler, so that the windowed
// program shows real dialogs and quits, while tests record and script them without a modal
// window.

using MessageHandler = std::function<void(const std::string& text)>;
using QuestionHandler =
    std::function<std::size_t(const std::string& text, const std::vector<std::string>& answers)>;
using FolderChooser = std::function<std::optional<std::string>(const std::string& start)>;
// What a file dialog asks: to open an existing file or name one to save, its title, the file to
// start from and the name filter ("Projects (*.umbravel)").
struct FileQuestion {
    bool save;
    std::string title, start, filter;
};
using FileChooser = std::function<std::optional<std::string>(const FileQuestion& question)>;
// The status is the program's exit status.
using EndHandler = std::function<void(int status)>;

// An OK-only message box titled "Umbravel"; returns when the user has closed it.
void ShowMessage(const std::string& text);

// A message box titled "Umbravel" with one button per answer; returns the index of the answer
// chosen. The last answer must be the one that changes nothing: Enter and closing the box both
// choose it, so that no answer that loses work is given by accident.
std::size_t AskQuestion(const std::string& text, const std::vector<std::string>& answers);

// Lets the user pick a folder, starting from the given one; nothing when the user cancels.
std::optional<std::string> ChooseFolder(const std::string& start);

// Lets the user pick a file to open or name one to save; nothing when the user cancels.
std::optional<std::string> ChooseFile(const FileQuestion& question);

// Ends the program at once, closing every screen: with status 0 when the user ends it, with
// status 1 when a fault ends it.
void EndProgram();
void EndProgramAfterFault();

// An empty handler restores the plain one: the message or question on standard error with its
// last answer taken, no folder chosen, the process exit.
void InstallMessageHandler(MessageHandler handler);
void InstallQuestionHandler(QuestionHandler handler);
void InstallFolderChooser(FolderChooser chooser);
void InstallFileChooser(FileChooser chooser);
void InstallEndHandler(EndHandler handler);
