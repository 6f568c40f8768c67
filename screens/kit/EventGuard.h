#pragma once

#include <functional>

// The boundary of every screen event. A fault that leaves the event (the awning stop, an
// unexpected error, any other exception) shows its message and ends the program with a failure
// status; no exception reaches the event loop. Returns false when the event ended the program
// that way, so that whatever was to follow it is left undone.
bool Guarded(const std::function<void()>& event);
