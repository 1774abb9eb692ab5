#include "UiAction.h"

#include "Errors.h"

bool RunAction(const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const EAbort&) {
        return false;
    }
}
