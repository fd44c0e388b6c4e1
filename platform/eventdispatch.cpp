// SPDX-License-Identifier: MIT
#include "platform/eventdispatch.h"

#include "platform/failuremessage.h"
#include "platform/runtimeerror.h"

#include <exception>

namespace platform {

std::u16string_view runProcedure(const std::function<void()>& procedure) noexcept
{
    try {
        procedure();
    } catch (const RuntimeError& error) {
        return failureMessage(error);
    } catch (const std::exception&) {
        return failureMessage();
    }
    return {};
}

} // namespace platform
