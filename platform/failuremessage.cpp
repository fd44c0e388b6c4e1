// SPDX-License-Identifier: MIT
#include "platform/failuremessage.h"

#include "platform/runtimeerror.h"

using namespace Qt::Literals::StringLiterals;

namespace platform {

QString failureMessage(const RuntimeError& error)
{
    switch (error.kind()) {
    case RuntimeError::Kind::DivisionByZero:
        return u"Impossibile calcolare: la risoluzione non può essere zero."_s;
    case RuntimeError::Kind::Overflow:
        break;
    }
    return u"Impossibile calcolare: il numero è troppo grande."_s;
}

QString failureMessage()
{
    return u"Impossibile completare il calcolo."_s;
}

} // namespace platform
