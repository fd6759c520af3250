// The program's command line:
//
//   Velmar
//       starts with the project window and runs until it is closed;
//   Velmar --window <name> [--project N] [--language N] [--screenshot FILE.png] [window options]
//       opens that one window on the configured database, in the session's
//       project N and language N when given. A window that fails to open
//       prints the error box's text and ends with 1. With --screenshot the
//       window, once shown and laid out, is written as a PNG picture and the
//       program ends with 0. A wrong command line ends with 2.
#pragma once

namespace velmar {

int RunCommandLine(int argc, char** argv);

}  // namespace velmar
