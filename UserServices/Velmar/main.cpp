// The window program: it starts with the project window and runs until the
// user closes it, or opens one window from its command line.
#include "program/CommandLine.h"

int main(int argc, char** argv) { return velmar::RunCommandLine(argc, argv); }
