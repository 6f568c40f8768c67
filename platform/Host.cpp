#include "platform/Host.h"

#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

MessageHandler messageHandler;
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

void EndProgram() {
    EndWith(EXIT_SUCCESS);
}

void EndProgramAfterFault() {
    EndWith(EXIT_FAILURE);
}

void InstallMessageHandler(MessageHandler handler) {
    messageHandler = std::move(handler);
}

void InstallEndHandler(EndHandler handler) {
    endHandler = std::move(handler);
}
