// SPDX-License-Identifier: MIT
#include "platform/form/eventdispatch.h"

#include "platform/form/failuremessage.h"
#include "platform/numbers/runtimeerror.h"

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
