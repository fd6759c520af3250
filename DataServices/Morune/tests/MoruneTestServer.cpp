// The collector as the tests run it: the product's class and sweep, with
// the test control and a clock the tests stop (TestControl.h). Built for
// the tests only and never installed: the object model starts it in place
// of the product wherever a test asks for it (testsupport::CollectorSandbox).
// Its clients reach it by its own path, as the product's reach the product.
#include "Com/LocalServer.h"

int main() { return com::LocalServer::Instance().run(); }
