// Qt's own texts, such as the buttons of message boxes and file dialogs,
// in the session's language, from the translations Qt installs with it.
#pragma once

#include <cstdint>

namespace velmar {

// Puts Qt's translation for the session's language number (1 Català,
// 2 Castellano, 5 English; any other number is Català, as the session
// reads it) in place of the one in use. Without a running application
// there is nothing to translate; without Qt's translations installed, Qt's
// own English stays.
void SetQtTranslation(int32_t idioma);

}  // namespace velmar
