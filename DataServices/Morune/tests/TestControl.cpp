#include "TestControl.h"

#include <unistd.h>

#include "Com/Registry.h"
#include "ModulPublic.h"
#include "MoruneNames.h"
#include "TickCount.h"

namespace morune {

const com::Members<TestControl>& TestControl::Interface() {
    static const com::Members<TestControl> members =
        com::Members<TestControl>()
            .property(
                "Clock", [](TestControl&) { return com::Variant(static_cast<double>(TickCount())); },
                [](TestControl&, const com::Variant& v) { StopTickCount(static_cast<int64_t>(v.toDouble())); })
            .method("Sweep",
                    [](TestControl&, com::Args) {
                        ModulPublic::Instance().TimerProc();
                        return com::Variant();
                    })
            .property("Keys", [](TestControl&) { return com::Variant(ModulPublic::Instance().keys()); })
            .property("Active", [](TestControl&) { return com::Variant(ModulPublic::Instance().active()); })
            .property("Pid", [](TestControl&) { return com::Variant(static_cast<int32_t>(::getpid())); });
    return members;
}

COM_REGISTER_CLASS(names::Morune, TestControl);

}  // namespace morune
