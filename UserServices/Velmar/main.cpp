// The window program: it starts with the project window and runs until the
// user closes it, or opens one window from its command line.
#include "program/LiniaOrdres.h"

int main(int argc, char** argv) { return velmar::Executa(argc, argv); }
