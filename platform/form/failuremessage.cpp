// SPDX-License-Identifier: MIT
#include "platform/form/failuremessage.h"

#include "platform/numbers/runtimeerror.h"

namespace platform {

std::u16string_view failureMessage(const RuntimeError& error)
{
    switch (error.kind()) {
    case RuntimeError::Kind::DivisionByZero:
        return u"Impossibile calcolare: la risoluzione non può essere zero.";
    case RuntimeError::Kind::Overflow:
        break;
    }
    return u"Impossibile calcolare: il numero è troppo grande.";
}

std::u16string_view failureMessage()
{
    return u"Impossibile completare il calcolo.";
}

} // namespace platform
