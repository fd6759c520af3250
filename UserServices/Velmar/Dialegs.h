// The one seam through which the program shows message boxes, so that
// tests can see and answer them instead of a user.
#pragma once

#include <functional>
#include <string>

namespace velmar::dialegs {

// Shows `text` in a box with only an OK button, no icon and the program's
// own title. Carriage returns in the text are line breaks.
void MissatgeOk(const std::string& text);

// Puts `handler` in place of the real box (an empty one restores it);
// returns the handler that was in place.
using MissatgeHandler = std::function<void(const std::string& text)>;
MissatgeHandler SetMissatgeHandler(MissatgeHandler handler);

}  // namespace velmar::dialegs
