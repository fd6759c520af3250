// What the collector's tests share: a collector of the test's own, started
// by the first creation, with its test control; "Dravik.INI" beside the
// collector's folder, where it reads its settings; and objects that stand
// in for connections and record what the sweep calls on them
// (support/RecordingConnection.h).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Com/Object.h"
#include "Com/Registry.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "support/RecordingConnection.h"
#include "support/TrailOf.h"

namespace morune::test {

using testsupport::DravikIni;

// "\rMorune - clsDeixalla - <operation>" for each operation, in order.
inline std::string Trail(std::initializer_list<const char*> operations) {
    return testsupport::TrailOf({base::label::Morune, "clsDeixalla"}, operations);
}

class CollectorTest : public testing::Test {
protected:
    static constexpr const char* kSettings =
        "[General]\nPeriodicitatRecolectorDeixalla=600000\nMaximTempsDeTransaccio=1000\n";

    // The collector's test control: starts the collector when it is not running.
    com::ObjectRef control() {
        if (!control_) control_ = com::CreateObject("Morune.TestControl");
        return control_;
    }
    void setClock(int32_t ms) { com::Let(control(), "Clock", com::Variant(ms)); }
    void sweep() { com::Call(control(), "Sweep"); }
    std::string keys() { return com::Get(control(), "Keys").toString(); }
    bool active() { return com::Get(control(), "Active").toBool(); }

    // A new collector object that has registered `connection`.
    static com::ObjectRef Register(const com::Variant& connection) {
        com::ObjectRef collector = com::CreateObject("Morune.clsDeixalla");
        com::Call(collector, "AfegeixConnexio", {connection});
        return collector;
    }
    static int32_t NumError(const com::ObjectRef& o) { return com::Get(o, "NumError").toLong(); }
    static std::string UbicacioError(const com::ObjectRef& o) { return com::Get(o, "UbicacioError").toString(); }

    testsupport::CollectorSandbox sandbox_;
    testsupport::ScopedFile settings_{DravikIni(), std::string(kSettings)};
    com::ObjectRef control_;
};

}  // namespace morune::test
