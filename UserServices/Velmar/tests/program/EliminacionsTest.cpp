// Every window's delete on the sample installation, row after row as a user
// would try it: each row is deleted, or refused with a message of the
// window's own (never an error), and afterwards no row of the database
// names a row that is gone.
#include <gtest/gtest.h>

#include <QPushButton>
#include <set>

#include "RegisteredWindowsFixture.h"
#include "SchemaDescription.h"
#include "core/services/Dialogs.h"
#include "core/controls/RecordList.h"
#include "framework/DataWindow.h"

namespace {

class Eliminacions : public RegisteredWindowsFixture {
protected:
    void SetUp() override {
        RegisteredWindowsFixture::SetUp();
        previous_ = velmar::dialogs::SetYesNoHandler([this](const std::string&) { return ++preguntes_, true; });
    }
    void TearDown() override {
        velmar::dialogs::SetYesNoHandler(previous_);
        RegisteredWindowsFixture::TearDown();
    }

    // The rows, over every reference of the description, that name a row
    // that is not there.
    int64_t Penjants() const {
        ado::Connection c;
        c.Open(sessio.connectionString());
        int64_t penjants = 0;
        for (const auto& table : database::Schema())
            for (const auto& column : table.columns) {
                if (!column.references) continue;
                const auto& target = *database::FindTable(database::Schema(), column.references->table);
                const std::string sql = "Select Count(*) From " + table.name + " Where " + column.name +
                                        " Is Not Null And Not Exists (Select 1 From " + target.name + " Where " +
                                        target.name + "." + target.key()->name + " = " + table.name + "." +
                                        column.name + ")";
                penjants += c.Query(sql).rows.at(0).at(0).toLong();
            }
        return penjants;
    }

    // One delete of the current row: whether it went. A refusal is a
    // message, never an error with its trail.
    bool Delete(QWidget& window, const char* nom) {
        const int abans = preguntes_;
        sessio.shown.clear();
        window.findChild<QPushButton*>("cmdEliminar")->click();
        for (const std::string& shown : sessio.shown)
            EXPECT_EQ(shown.find("Velmar(exe)"), std::string::npos) << nom << ": " << shown;
        const bool eliminat = preguntes_ > abans && sessio.shown.empty();
        ++(eliminat ? eliminats : refusats);
        return eliminat;
    }

    // Each row of a window with a list in turn; those of a window of one
    // record at a time from the first, again after each delete, past
    // those refused.
    void Recorre(velmar::DataWindow& finestra, const char* nom) {
        if (auto* llista = finestra.findChild<velmar::RecordList*>()) {
            for (int row = 0; row < llista->count();) {
                llista->setCurrentRow(row);
                if (!Delete(finestra, nom)) ++row;
            }
            return;
        }
        auto* principi = finestra.findChild<QPushButton*>("cmdPrincipi");
        auto* endavant = finestra.findChild<QPushButton*>("cmdEndavant");
        if (!principi || !endavant) return;
        std::set<int32_t> refusades;  // positions from the first
        for (bool eliminat = true; eliminat;) {
            eliminat = false;
            principi->click();
            for (int32_t posicio = 1; posicio <= finestra.rstRecordsetActual.RowCount(); ++posicio, endavant->click())
                if (!refusades.contains(posicio)) {
                    if (Delete(finestra, nom)) {
                        eliminat = true;
                        break;
                    }
                    refusades.insert(posicio);
                }
        }
    }

    int eliminats = 0;
    int refusats = 0;

private:
    int preguntes_ = 0;
    velmar::dialogs::YesNoHandler previous_;
};

TEST_F(Eliminacions, NoWindowsDeleteLeavesARowNamingOneThatIsGone) {
    // No inventory date stops a delete before what refers to its row.
    for (const char* table : {"T_Escomesa", "T_Tram", "T_PuntLlum"})
        sessio.execute(std::string("Update ") + table + " Set DataAltaInventari = Null");
    ASSERT_EQ(Penjants(), 0);
    std::set<std::string> recorregudes;
    for (const velmar::RegisteredWindow& registrada : velmar::RegisteredWindows()) {
        const std::unique_ptr<QWidget> window = velmar::OpenWindow(registrada, OpeningOptions(registrada.nom));
        ASSERT_NE(window, nullptr) << registrada.nom;
        sessio.shown.clear();
        auto* finestra = dynamic_cast<velmar::DataWindow*>(window.get());
        auto* eliminar = window->findChild<QPushButton*>("cmdEliminar");
        if (!finestra || !eliminar || !eliminar->isVisibleTo(window.get())) continue;
        Recorre(*finestra, registrada.nom);
        recorregudes.insert(registrada.nom);
        EXPECT_EQ(Penjants(), 0) << "after " << registrada.nom;
    }
    EXPECT_EQ(recorregudes,
              (std::set<std::string>{"frmCarrers", "frmClients", "frmEscomeses", "frmManteniments", "frmProjectes",
                                     "frmPuntsLlum", "frmTaulesAuxiliars", "frmTrams", "frmUsuariProjecte",
                                     "frmUsuaris", "frmZones"}));
    EXPECT_GT(eliminats, 0);
    EXPECT_GT(refusats, 0);
}

}  // namespace
