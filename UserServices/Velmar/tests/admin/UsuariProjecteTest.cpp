// The project-access dialog on the sample database, in Català and in
// English, opened for the administrator by the user window: it adds and
// removes projects at once, refuses a project it has or none (a text that
// names no project is none), and after a removal that failed still lists
// what the next addition stored.
#include <gtest/gtest.h>

#include <QLabel>

#include "admin/frmUsuariProjecte.h"
#include "admin/frmUsuaris.h"
#include "core/controls/DataCombo.h"
#include "framework/WindowFixture.h"

namespace {

using velmar::frmUsuariProjecte;

constexpr const char* kVilanova = "Enllumenat públic de Vilanova del Riu";
constexpr const char* kPins = "Enllumenat de la urbanització Els Pins";
constexpr const char* kForques = "Ampliació del polígon industrial Les Forques";

class UsuariProjecte : public LanguageWindowFixture {
protected:
    // The dialog for the user the user window shows first, the
    // administrator.
    std::unique_ptr<frmUsuariProjecte> Obre() {
        auto dialeg = std::make_unique<frmUsuariProjecte>();
        dialeg->frmFormulariQueCrida = usuaris.Objecte();
        dialeg->Obre();
        return dialeg;
    }
    static std::string Message(const char* code) { return Text("frmUsuariProjecte", code); }
    static void Tria(frmUsuariProjecte& w, const QString& text) {
        w.findChild<velmar::DataCombo*>("cmbProjectes")->setEditText(text);
    }
    // The projects the administrator may open, as the server holds them.
    static std::multiset<int32_t> Desats() {
        const com::ObjectRef service = com::CreateObject("Brintel.SvrUsuariProjectes");
        ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetUsuariProjectes", {14}).toString());
        std::multiset<int32_t> saved;
        if (rows.RecordCount() > 0)
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) saved.insert(rows.Value("NumProjecte").toLong());
        return saved;
    }

    velmar::frmUsuaris usuaris;
};

TEST_P(UsuariProjecte, AddsAndRemovesProjectsAtOnce) {
    const auto w = Obre();
    ASSERT_EQ(w->NumError, 0) << w->UbicacioError;
    EXPECT_EQ(w->windowTitle().toStdString(), Message("Formulari"));
    EXPECT_EQ(w->findChild<QLabel*>("lblNomUsuari")->text(), "Administrador");
    EXPECT_EQ(Items(*w), std::vector<std::string>{kVilanova});
    EXPECT_EQ(w->findChild<velmar::DataCombo*>("cmbProjectes")->count(), 3);

    Tria(*w, kPins);
    Click(*w, "cmdAfegir");
    Tria(*w, kForques);
    Click(*w, "cmdAfegir");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(), (std::multiset<int32_t>{306, 307, 308}));
    // By name, the first selected.
    EXPECT_EQ(Items(*w), (std::vector<std::string>{kForques, kPins, kVilanova}));
    EXPECT_EQ(Llista(*w)->currentRow(), 0);

    answer = false;
    Click(*w, "cmdEliminar");
    EXPECT_EQ(Desats().size(), 3u);
    answer = true;
    Llista(*w)->setCurrentRow(1);
    Click(*w, "cmdEliminar");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(asked, (std::vector<std::string>(2, Message("valTextEliminar"))));
    EXPECT_EQ(Desats(), (std::multiset<int32_t>{306, 308}));
    EXPECT_EQ(Items(*w), (std::vector<std::string>{kForques, kVilanova}));
    EXPECT_EQ(Llista(*w)->currentRow(), 0);

    // Removed, it can be added again at once.
    Tria(*w, kPins);
    Click(*w, "cmdAfegir");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Desats(), (std::multiset<int32_t>{306, 307, 308}));

    // Nothing of it reaches the user window's rows.
    EXPECT_EQ(usuaris.rstRecordsetActual->EditMode(), ado::EditState::None);
    EXPECT_EQ(usuaris.TableByName("rstRecordsetProjectes")->RowCount(), 3);
}

TEST_P(UsuariProjecte, RefusesNoProjectATextOfNoneAndOneItHas) {
    const auto w = Obre();
    const std::vector<std::pair<QString, std::string>> cases = {
        {"", Message("valProjecteBuit")},
        {"0", Message("valProjecteBuit")},
        {"Projecte que no existeix", Message("valProjecteBuit")},
        {kVilanova, Message("valProjecteJaSeleccionat")},
        {QString(kVilanova).toUpper(), Message("valProjecteJaSeleccionat")},
    };
    for (const auto& [text, message] : cases) {
        sessio.shown.clear();
        Tria(*w, text);
        Click(*w, "cmdAfegir");
        EXPECT_EQ(sessio.shown, std::vector<std::string>{message}) << text.toStdString();
    }
    EXPECT_EQ(Desats(), std::multiset<int32_t>{306});
    EXPECT_EQ(Llista(*w)->currentRow(), 0);
    EXPECT_EQ(w->rstRecordsetActual->Value("NumProjecte").toLong(), 306);

    // With none left there is nothing to remove.
    Click(*w, "cmdEliminar");
    sessio.shown.clear();
    EXPECT_TRUE(Items(*w).empty());
    Click(*w, "cmdEliminar");
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valNoRegistresEliminar")});
}

TEST_P(UsuariProjecte, AfterAFailedRemovalTheNextAdditionIsListed) {
    const auto w = Obre();
    sessio.execute("ALTER TABLE T_UsuariProjecte RENAME TO T_UsuariProjecteApart");
    Click(*w, "cmdEliminar");
    ASSERT_EQ(sessio.shown.size(), 1u);
    EXPECT_TRUE(sessio.shown.front().ends_with("\rVelmar(exe) - frmUsuariProjecte - Eliminar)"))
        << sessio.shown.front();
    EXPECT_EQ(Items(*w), std::vector<std::string>{kVilanova});

    sessio.execute("ALTER TABLE T_UsuariProjecteApart RENAME TO T_UsuariProjecte");
    sessio.shown.clear();
    Tria(*w, kPins);
    Click(*w, "cmdAfegir");
    ASSERT_TRUE(sessio.shown.empty()) << sessio.shown.front();
    EXPECT_EQ(Items(*w), (std::vector<std::string>{kPins, kVilanova}));
}

TEST_P(UsuariProjecte, AUserNotYetSavedHasNoProjectsToShow) {
    velmar::frmUsuaris nou;
    Click(nou, "cmdNou");
    Text(nou, "txtNomUsuari")->setText("Pere Vila");
    auto w = std::make_unique<frmUsuariProjecte>();
    w->frmFormulariQueCrida = nou.Objecte();
    w->Obre();
    // Said in words, not as the conversion that cannot be made.
    EXPECT_EQ(sessio.shown, std::vector<std::string>{Message("valUsuariNoDesat")});
    EXPECT_EQ(w->NumError, 0) << w->UbicacioError;
    EXPECT_EQ(w->findChild<QLabel*>("lblNomUsuari")->text(), "Pere Vila");
    EXPECT_TRUE(Items(*w).empty());
    EXPECT_EQ(w->findChild<velmar::DataCombo*>("cmbProjectes")->count(), 0);
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdAfegir")->isEnabled());
}

INSTANTIATE_EN_CADA_IDIOMA(UsuariProjecte);

}  // namespace
