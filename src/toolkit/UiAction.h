#pragma once
#include <functional>

// Runs a user action at the boundary of the window system. A refused right or another silent
// abort (EAbort) ends the action quietly; it has already told the user why. Returns false when
// the action was aborted. Other errors pass on to the application's error handler.
bool RunAction(const std::function<void()>& action);
