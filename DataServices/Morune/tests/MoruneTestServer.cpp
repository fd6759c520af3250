// The collector as the tests run it: the product's class and sweep, with
// the test control and a clock the tests stop (TestControl.h). Built for
// the tests only and never installed: the object model starts it in place
// of the product wherever a test asks for it (testsupport::CollectorSandbox).
// It serves under its own file name, which is the name its clients reach it
// by.
#include <filesystem>

#include "Com/LocalServer.h"

int main(int, char** argv) {
    return com::LocalServer::Instance().run(std::filesystem::path(argv[0]).filename().string());
}
