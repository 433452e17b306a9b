#include "hooks.h"

namespace platform_hooks {

MessageBoxFunction& MessageBoxOverride()
{
    static MessageBoxFunction function;
    return function;
}

std::deque<DialogDriver>& PendingDialogDrivers()
{
    static std::deque<DialogDriver> drivers;
    return drivers;
}

}  // namespace platform_hooks
