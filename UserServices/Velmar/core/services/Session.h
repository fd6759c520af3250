// How the program opens its session, and the project a window works in.
#pragma once

#include <cstdint>
#include <string>

#include "Base/Trail.h"

namespace velmar {

// The operating system's name for the user running the program.
std::string SystemUserName();

// Makes the user whose Login is `strLogin` the session's user, compared
// without regard to case (an exact match first), and that user's language
// the session's. Without such a user the session has no user (0) and keeps
// its language. A failure to read the users leaves the session as it was
// and is reported in `resultat`, with the entry " - IniciaSessio".
void StartSession(const std::string& strLogin, base::ErrorFields& resultat);

// The session's project, for a window that works within one to keep from
// the moment it opens: a later choice in the project window does not move
// it. Raises base::err::NoProjectChosen (520) while no project is chosen,
// so that the window does not open.
int32_t CaptureProject();

}  // namespace velmar
