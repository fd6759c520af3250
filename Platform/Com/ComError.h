// Errors of the object model: the system's errors (Base/Error.h), which
// every late-bound call raises and every caller of one catches.
#pragma once

#include "Base/Error.h"

namespace com {

namespace err = base::err;
using ComError = base::Error;
using base::ErrorDescription;
using base::ErrorMessage;
using base::ErrorNumber;
using base::Raise;

}  // namespace com
