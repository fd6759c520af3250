// Qt's own texts, such as the buttons of message boxes and file dialogs,
// in the session's language, from the translations Qt installs with it.
#pragma once

#include <cstdint>

namespace velmar {

// The name Qt's translations give the session's language number: "ca" for
// 1 (Català), "es" for 2 (Castellano), "en" for 5 (English).
const char* LocaleQt(int32_t idioma);

// Puts Qt's translation for the language in place of the one in use.
// Without a running application there is nothing to translate; a language
// Qt has no translation for leaves Qt's own English.
void FixaTraduccioQt(int32_t idioma);

}  // namespace velmar
