// The product program serves the collector's class and nothing for tests,
// whatever its environment holds: nothing outside it can stop its clock.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Com/Registry.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/ErrorOf.h"
#include "support/Installation.h"
#include "support/RecordingConnection.h"

namespace {

TEST(CollectorProduct, ServesTheCollectorAndNoTestControl) {
    ::setenv("MORUNE_TEST_CONTROL", "1", 1);  // once enough to stop the product's clock
    testsupport::CollectorSandbox sandbox(testsupport::OwnInstallation().path("DataServices/Morune/Morune"));
    testsupport::ScopedFile settings(testsupport::DravikIni(),
                                     "[General]\nPeriodicitatRecolectorDeixalla=600000\nMaximTempsDeTransaccio=1000\n");

    const com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
    com::Call(collector, "AfegeixConnexio", {com::Variant(std::make_shared<testsupport::RecordingConnection>(1, 1))});
    EXPECT_EQ(com::Get(collector, "NumError").toLong(), 0);
    EXPECT_GT(sandbox.collectorPid(), 0) << "the product serves the collector";
    EXPECT_EQ(testsupport::ErrorOf([] { return com::CreateObject("Morune.TestControl"); }), 429);
    ::unsetenv("MORUNE_TEST_CONTROL");
}

}  // namespace
