#pragma once

#include <functional>
#include <string>

// What the program asks of its host besides files: a message box and the end of the program.
// Each goes through an installable handler, so that the windowed program shows a real box and
// quits, while tests record the message and the end without a modal window.

using MessageHandler = std::function<void(const std::string& text)>;
// The status is the program's exit status.
using EndHandler = std::function<void(int status)>;

// An OK-only message box titled "Umbravel"; returns when the user has closed it.
void ShowMessage(const std::string& text);

// Ends the program at once, closing every screen: with status 0 when the user ends it, with
// status 1 when a fault ends it.
void EndProgram();
void EndProgramAfterFault();

// An empty handler restores the plain one: the message on standard error, the process exit.
void InstallMessageHandler(MessageHandler handler);
void InstallEndHandler(EndHandler handler);
