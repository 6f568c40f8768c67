#include "platform/Host.h"

#include <cstdlib>
#include <iostream>
#include <utility>

namespace {

MessageHandler messageHandler;
EndHandler endHandler;

}  // namespace

void ShowMessage(const std::string& text) {
    if (messageHandler) {
        messageHandler(text);
    } else {
        std::cerr << "Umbravel: " << text << '\n';
    }
}

void EndProgram() {
    if (endHandler) {
        endHandler();
    } else {
        std::exit(EXIT_SUCCESS);
    }
}

void InstallMessageHandler(MessageHandler handler) {
    messageHandler = std::move(handler);
}

void InstallEndHandler(EndHandler handler) {
    endHandler = std::move(handler);
}
