// How failures below a support operation reach its caller: the number, the
// trail from the lowest tier up, and the result.
#include "FakeEntities.h"
#include "Com/Registry.h"

namespace {

using fake::Line;
using Failures = fake::WithFakeEntities;

const std::string kEntityTrail = "\rQuossa - MngClients - DeleteClient";

TEST_F(Failures, EachKindOfFailureEndsWithTheOperationsLine) {
    struct Case {
        const char* what;
        const char* service;
        const char* operation;
        std::vector<com::Variant> args;
        const char* scripted;  // Manager.Member
        fake::Outcome outcome;
        com::Variant result;
        int32_t number;
        std::string trail;
    };
    const Case cases[] = {
        {"reported by the entity", "SvrClients", "DeleteClient", {4}, "MngClients.Delete",
         fake::Reports(3021, kEntityTrail), false, 3021, kEntityTrail + Line("SvrClients", "DeleteClient")},
        {"reported by the entity on a read", "SvrClients", "GetClients", {}, "MngClients.GetList",
         fake::Reports(-2147467259, "\rDravik - clsBD - ConsultaXML\rQuossa - MngClients - GetClients"),
         "", -2147467259,
         "\rDravik - clsBD - ConsultaXML\rQuossa - MngClients - GetClients" + Line("SvrClients", "GetClients")},
        {"a failed call", "SvrClients", "GetClientById", {4}, "MngClients.GetById",
         fake::Raises(13), "", 13, Line("SvrClients", "GetClientById")},
        {"a literal of its own", "SvrProjectes", "GetTipusManteniment", {}, "MngManteniments.GetList",
         fake::Raises(5), "", 5, Line("SvrProjectes", "GetManteniment")},
        // A write the entity answers with False and no number has not
        // happened: it is not passed on as a success.
        {"False without a number", "SvrClients", "SaveClient", {"x"}, "MngClients.Save",
         fake::Returns(false), false, 440, Line("SvrClients", "SaveClient")},
        {"no recordset without a number", "SvrZones", "GetZones", {1}, "MngZones.GetList",
         fake::Returns(""), "", 440, Line("SvrZones", "GetZones")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::Reset();
        fake::Script(c.scripted, c.outcome);
        com::ObjectRef service = com::CreateObject(std::string("Brintel.") + c.service);
        std::vector<com::Variant> args = c.args;
        EXPECT_EQ(com::CallRef(service, c.operation, args), c.result);
        EXPECT_EQ(com::Get(service, "NumError").toLong(), c.number);
        EXPECT_EQ(com::Get(service, "UbicacioError").toString(), c.trail);

        // The next call starts afresh.
        fake::Reset();
        com::Call(service, "GetTextIdioma", {1, "frm"});
        EXPECT_EQ(com::Get(service, "NumError").toLong(), 0);
        EXPECT_EQ(com::Get(service, "UbicacioError").toString(), "");
    }
}

TEST_F(Failures, ARecordThatCannotBeCreatedStopsBeforeTheEntityCall) {
    com::UnregisterClass("Quossa.paramUsuariProjecte");
    com::ObjectRef service = com::CreateObject("Brintel.SvrUsuariProjectes");
    EXPECT_EQ(com::Call(service, "DeleteUsuariProjecte", {1, 2}), com::Variant(false));
    EXPECT_EQ(com::Get(service, "NumError").toLong(), 429);
    EXPECT_EQ(com::Get(service, "UbicacioError").toString(),
              Line("clsFuncionsSubCapaSuport", "CreaObjecteEntitat") +
                  Line("SvrUsuariProjectes", "DeleteUsuariProjecte"));
    EXPECT_EQ(fake::Journal(), "+MngUsuariProjectes IV.none");
    fake::Install();
}

TEST_F(Failures, WindowTextsFailWithTheSupportFunctionsLine) {
    const std::string texts = Line("clsFuncionsSubCapaSuport", "GetTextIdiomaForm");
    com::ObjectRef service = com::CreateObject("Brintel.SvrTrams");

    fake::Script("MngIdioma.GetList", fake::Raises(3265));
    EXPECT_EQ(com::Call(service, "GetTextIdioma", {1, "frmTrams"}), com::Variant(""));
    EXPECT_EQ(com::Get(service, "NumError").toLong(), 3265);
    EXPECT_EQ(com::Get(service, "UbicacioError").toString(), texts + Line("SvrTrams", "GetTextIdioma"));

    fake::Script("MngIdioma.GetList", fake::Reports(7, "\rQuossa - MngIdioma - GetList"));
    com::Call(service, "GetTextIdioma", {1, "frmTrams"});
    EXPECT_EQ(com::Get(service, "NumError").toLong(), 7);
    EXPECT_EQ(com::Get(service, "UbicacioError").toString(),
              "\rQuossa - MngIdioma - GetList" + texts + Line("SvrTrams", "GetTextIdioma"));
}

TEST_F(Failures, WindowTextsWithoutAFormNameAskForTheEmptyName) {
    com::ObjectRef functions = com::CreateObject("Brintel.clsFuncionsSubCapaSuport");
    EXPECT_EQ(com::Call(functions, "GetTextIdiomaForm", {3}), com::Variant("rows of GetList"));
    EXPECT_EQ(fake::Journal(),
              "+MngIdioma IV.none +paramIdioma IV.GetList(paramIdioma{lngNumIdioma=3 strNomFormulari=''})");
}

}  // namespace
