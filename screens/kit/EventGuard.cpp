#include "screens/kit/EventGuard.h"

#include <exception>

#include "platform/Host.h"

bool Guarded(const std::function<void()>& event) {
    try {
        event();
        return true;
    } catch (const std::exception& fault) {
        // ProgramStop carries its message, UnexpectedError the error's description.
        ShowMessage(fault.what());
    } catch (...) {
        ShowMessage("An unexpected error occurred.");
    }
    EndProgramAfterFault();
    return false;
}
