// How each kind of failure reaches the caller: a failed conversion fails
// the call, 518 answers without a trail, a failure inside a procedure ends
// the trail with the procedure's entry.
#include <gtest/gtest.h>

#include "Com/Registry.h"
#include "Managers.h"
#include "RecordingClsBD.h"

using namespace quossatest;

namespace {

const com::Variant kEarlierNumber(77);
const com::Variant kEarlierTrail("\rQuossa - earlier - Operation");

// Error fields as an earlier operation left them.
void SetEarlierError(const com::ObjectRef& view) {
    com::Let(view, "NumError", kEarlierNumber);
    com::Let(view, "UbicacioError", kEarlierTrail);
}

int32_t ErrorOfCall(const com::ObjectRef& view, const std::string& member, const Argument& argument) {
    try {
        CallMember(view, member, argument);
    } catch (const com::ComError& e) {
        return e.number();
    }
    return 0;
}

struct MemberCase {
    std::string className;
    View view;
    std::string member;
    Argument argument;
    int32_t number;
};

}  // namespace

TEST(QuossaErrors, AnArgumentThatDoesNotConvertFailsTheCallAndKeepsTheErrorFields) {
    RecordingDataLayer data;
    using enum View;
    const MemberCase cases[] = {
        {"MngClients", IV, "GetByID", "abc", 13},
        {"MngClients", IM, "Delete", com::Variant::Null(), 94},
        {"MngZones", IV, "GetList", "abc", 13},
        {"MngTrams", IV, "GetList", 3e10, 6},
        {"MngCarrerPunts", IV, "GetList", "abc", 13},
        {"MngTramPunts", IM, "Delete", "abc", 13},
        {"MngUsuariProjectes", IM, "Delete", 5, 13},
        {"MngUsuariProjectes", IM, "Delete", Record("paramIdioma", {}), 438},
        {"MngTaulesAuxiliars", IV, "GetList", {}, 424},
        {"MngTaulesAuxiliars", IM, "GetByID", Record("paramListTaulaAuxiliar", {}), 438},
        {"MngEscomeses", IV, "GetList", Record("paramListEscomesaElements", {}), 438},
        {"MngIdioma", IV, "GetByID", "Formulari", 13},
    };
    for (const MemberCase& c : cases) {
        SCOPED_TRACE(c.className + "." + c.member);
        const com::ObjectRef view = ViewOf(c.className, c.view);
        SetEarlierError(view);
        EXPECT_EQ(ErrorOfCall(view, c.member, c.argument), c.number);
        EXPECT_EQ(com::Get(view, "NumError"), kEarlierNumber);
        EXPECT_EQ(com::Get(view, "UbicacioError"), kEarlierTrail);
    }
    EXPECT_TRUE(data.recording.sent.empty());
}

TEST(QuossaErrors, MembersNotOfferedAnswer518AndTouchNothingElse) {
    RecordingDataLayer data;
    using enum View;
    const MemberCase cases[] = {
        {"MngUsuariProjectes", IV, "GetList", 3, 518},
        {"MngCarrerPunts", IV, "GetByID", 7, 518},
        {"MngZonaPunts", IM, "GetByID", "abc", 518},
        {"MngEscomesaPunts", IV, "GetByID", {}, 518},
        {"MngTramPunts", IM, "GetByID", com::Variant::Null(), 518},
        {"MngPatronsPuntLlum", IV, "GetByID", 1, 518},
        {"MngPatronsPuntLlum", IM, "GetByID", 1, 518},
        {"MngPatronsPuntLlum", IM, "GetEmpty", {}, 518},
        {"MngPatronsPuntLlum", IM, "Save", "<xml/>", 518},
        {"MngPatronsPuntLlum", IM, "Delete", 1, 518},
    };
    for (const MemberCase& c : cases) {
        SCOPED_TRACE(c.className + "." + c.member);
        const com::ObjectRef view = ViewOf(c.className, c.view);
        com::Let(view, "UbicacioError", kEarlierTrail);
        const com::Variant result = CallMember(view, c.member, c.argument);
        EXPECT_EQ(result, AnswersText(c.member) ? com::Variant("") : com::Variant(false));
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(518));
        EXPECT_EQ(com::Get(view, "UbicacioError"), kEarlierTrail);
    }
    EXPECT_TRUE(data.recording.sent.empty());

    // The next procedure of the same manager clears both fields.
    const com::ObjectRef view = ViewOf("MngCarrerPunts", View::IM);
    CallMember(view, "GetByID", 7);
    CallMember(view, "GetEmpty", {});
    EXPECT_EQ(com::Get(view, "NumError"), com::Variant(0));
    EXPECT_EQ(com::Get(view, "UbicacioError"), com::Variant(""));
}

TEST(QuossaErrors, StreetListTextThatHoldsNoNumberFailsInsideTheProcedure) {
    RecordingDataLayer data;
    for (const Argument& argument : {Argument("abc"), Argument()}) {
        const com::ObjectRef view = ViewOf("MngCarrers", View::IV);
        EXPECT_EQ(CallMember(view, "GetList", argument), com::Variant(""));
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(13));
        EXPECT_EQ(com::Get(view, "UbicacioError"), com::Variant("\rQuossa - MngCarrers - GetCarrers"));
    }
    EXPECT_TRUE(data.recording.sent.empty());
}

TEST(QuossaErrors, AFactoryFailureLeavesItsEntryBeforeTheProcedures) {
    RecordingDataLayer data;
    com::RegisterClass("Dravik.clsBD", [] { return com::ObjectRef(); });  // cannot be created: 429
    const com::ObjectRef view = ViewOf("MngZones", View::IM);
    EXPECT_EQ(com::Call(view, "Delete", {com::Variant(4)}), com::Variant(false));
    EXPECT_EQ(com::Get(view, "NumError"), com::Variant(429));
    EXPECT_EQ(com::Get(view, "UbicacioError"),
              com::Variant("\rQuossa - clsFuncionsSubCapaEntitats - CreaObjecteDades"
                           "\rQuossa - MngZones - DeleteZona"));
}

TEST(QuossaErrors, LookupNamesThatAreNotPlainNamesAreRefusedBeforeAnyStatement) {
    RecordingDataLayer data;
    struct NameCase {
        std::string member;
        Argument argument;
        std::string procedure;
    };
    const auto list = [](const char* table, const char* filter, const char* order) {
        return Record("paramListTaulaAuxiliar",
                      {{"strNomTaula", table}, {"strNomCampFiltre", filter}, {"strNomCampOrdre", order}});
    };
    const auto row = [](const char* table, const char* key) {
        return Record("paramTaulaAuxiliar", {{"strNomTaula", table}, {"strNomCampIdentificador", key}});
    };
    const NameCase cases[] = {
        {"GetList", list("TTI_Idioma; Delete * From T_Usuari", "", ""), "GetListAuxiliar"},
        {"GetList", list("TTI_Idioma", "NumIdioma = 1 Or 1", ""), "GetListAuxiliar"},
        {"GetList", list("TTI_Idioma", "", "CodIdioma Desc"), "GetListAuxiliar"},
        {"GetList", list("TTI_Idioma", " ", ""), "GetListAuxiliar"},
        {"GetByID", row("TTI_Idioma", "1"), "GetRegistreById"},
        {"Delete", row("TTI_Idioma", "NumIdioma Or 1 = 1 Or NumIdioma"), "DeleteTaulaAuxiliar"},
        {"Delete", row("", "NumIdioma"), "DeleteTaulaAuxiliar"},
        {"GetEmpty", "", "GetEmptyRecordset"},
        {"GetEmpty", "T_Usuari--", "GetEmptyRecordset"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.member + " " + c.procedure);
        const com::ObjectRef view = ViewOf("MngTaulesAuxiliars", c.member == "GetList" ? View::IV : View::IM);
        EXPECT_EQ(CallMember(view, c.member, c.argument),
                  AnswersText(c.member) ? com::Variant("") : com::Variant(false));
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(5));
        EXPECT_EQ(com::Get(view, "UbicacioError"),
                  com::Variant("\rQuossa - MngTaulesAuxiliars - " + c.procedure));
    }
    EXPECT_TRUE(data.recording.sent.empty());
}
