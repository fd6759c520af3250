// The statements every manager member sends, and the trail of each
// procedure when the data object reports a failure.
#include <gtest/gtest.h>

#include "Managers.h"
#include "RecordingClsBD.h"

using namespace quossatest;

namespace {

std::string Describe(const SqlCase& c) {
    return c.className + (c.view == View::IV ? ".IVisorXML." : ".IMantXML.") + c.member;
}

}  // namespace

TEST(QuossaSql, EveryMemberSendsItsExactStatements) {
    RecordingDataLayer data;
    for (const SqlCase& c : SqlCases()) {
        SCOPED_TRACE(Describe(c));
        data.recording.sent.clear();
        const com::ObjectRef view = ViewOf(c.className, c.view);
        const com::Variant result = CallMember(view, c.member, c.argument);

        EXPECT_EQ(data.recording.texts(), c.sent);
        ASSERT_FALSE(data.recording.sent.empty());
        for (size_t i = 0; i + 1 < data.recording.sent.size(); ++i)
            EXPECT_EQ(data.recording.sent[i].operation, "ConsultaXML") << "a check runs as a query";
        EXPECT_EQ(data.recording.sent.back().operation, DataCallOf(c.member));
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(0));
        EXPECT_EQ(com::Get(view, "UbicacioError"), com::Variant(""));
        EXPECT_EQ(result, AnswersText(c.member) ? com::Variant(data.recording.answer) : com::Variant(true));
    }
}

TEST(QuossaSql, AFailureOfTheDataObjectEndsWithTheProcedureEntry) {
    RecordingDataLayer data;
    data.recording.failWith = -2147467259;
    data.recording.failTrail = "\rDravik - clsBD - ConsultaXMLSenseTransaccio\rDravik - clsBD - ConsultaXML";
    for (const SqlCase& c : SqlCases()) {
        SCOPED_TRACE(Describe(c));
        data.recording.sent.clear();
        const com::ObjectRef view = ViewOf(c.className, c.view);
        const com::Variant result = CallMember(view, c.member, c.argument);

        EXPECT_EQ(data.recording.sent.size(), 1u) << "nothing is sent after a failed check";
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(-2147467259));
        EXPECT_EQ(com::Get(view, "UbicacioError"),
                  com::Variant(data.recording.failTrail + "\rQuossa - " + c.className + " - " + c.procedure));
        EXPECT_EQ(result, AnswersText(c.member) ? com::Variant("") : com::Variant(false));

        // The next operation that succeeds clears both fields.
        data.recording.failWith = 0;
        CallMember(view, c.member, c.argument);
        EXPECT_EQ(com::Get(view, "NumError"), com::Variant(0));
        EXPECT_EQ(com::Get(view, "UbicacioError"), com::Variant(""));
        data.recording.failWith = -2147467259;
    }
}
