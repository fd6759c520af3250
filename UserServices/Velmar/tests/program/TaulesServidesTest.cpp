// The lookup-table service serves what the windows send through it, as
// they declare it: the table behind every ">" button and the child tables
// that its editor checks, the tables each window lists or saves through
// GetListAuxiliar and SaveTaulaAuxiliar, and the tables a window's delete
// check reads (framework/References.h). Database/schema.txt marks them
// "lookup"; the service refuses every other table.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "Brintel/BrintelNames.h"
#include "RegisteredWindowsFixture.h"
#include "SchemaDescription.h"
#include "core/services/clsINtegritatReferencial.h"
#include "framework/DataWindow.h"
#include "framework/References.h"

namespace {

namespace support = brintel::names;

// The table whose rows a list holds: the one its key column comes from.
std::string TaulaDe(const velmar::Table& taula) {
    if (!taula.Ref()) return {};
    for (const ado::FieldInfo& field : taula.Ref()->Fields())
        if (field.keyColumn) return field.baseTable;
    return {};
}

// What a window sends through the service, each table with what sends it.
std::map<std::string, std::string> Enviades(const velmar::DataWindow& finestra) {
    std::map<std::string, std::string> taules;
    for (const velmar::Table* taula : finestra.Tables()) {
        const velmar::TableDeclaration& d = taula->Declaration();
        const bool llistada = d.llista == support::GetListAuxiliar;
        if (llistada) taules[d.arguments().at(0).toString()] = taula->Nom() + " listed";
        if (d.desa == support::SaveTaulaAuxiliar)
            taules[llistada ? d.arguments().at(0).toString() : TaulaDe(*taula)] = taula->Nom() + " saved";
        if (taula == finestra.Tables().front())
            for (const std::string& llegida : velmar::references::TablesRead(TaulaDe(*taula)))
                taules[llegida] = "the delete check";
    }
    for (const velmar::LookupButton& boto : finestra.LookupButtons()) {
        taules[boto.taula] = std::string(boto.nom) + " opens";
        for (const velmar::clsINtegritatReferencial& fill : velmar::ParseReferentialIntegrity(boto.integritat))
            taules[fill.strNomTaulaFill] = std::string(boto.nom) + " checks";
        for (const std::string& llegida : velmar::references::TablesRead(boto.taula))
            taules[llegida] = std::string(boto.nom) + "'s delete check";
    }
    return taules;
}

using TaulesServides = RegisteredWindowsFixture;

TEST_F(TaulesServides, EveryTableTheWindowsSendThroughTheLookupServiceIsServed) {
    std::set<std::string> enviades;
    int ambBotons = 0;
    for (const velmar::RegisteredWindow& registrada : velmar::RegisteredWindows()) {
        const std::unique_ptr<QWidget> window = velmar::OpenWindow(registrada, OpeningOptions(registrada.nom));
        ASSERT_NE(window, nullptr) << registrada.nom;
        // It read what it lists at start through the service.
        EXPECT_TRUE(sessio.shown.empty()) << registrada.nom << ": " << sessio.shown.front();
        sessio.shown.clear();
        // One that only another opens stands in a frame.
        const auto* finestra = dynamic_cast<const velmar::DataWindow*>(window.get());
        if (!finestra) finestra = window->findChild<const velmar::DataWindow*>(registrada.nom);
        if (!finestra) continue;
        if (!finestra->LookupButtons().empty()) ++ambBotons;
        for (const auto& [taula, per] : Enviades(*finestra)) {
            EXPECT_TRUE(database::IsLookupServiceTable(taula)) << registrada.nom << ": " << per << " " << taula;
            enviades.insert(taula);
        }
    }
    // The light-point, service-connection, segment and element windows.
    EXPECT_EQ(ambBotons, 4);
    for (const char* taula : {"TTS_CaixaModel", "T_PatroPLL", "T_Lluminaria", "TSP_SuportPropietat", "T_PuntLlum",
                              "TTE_ElementCodi", "TT_SeccioCable", "T_Tram", "T_Projecte"})
        EXPECT_TRUE(enviades.contains(taula)) << taula;
    // Neither the users nor what belongs to them, nor the window texts.
    for (const char* taula : {"T_Usuari", "T_UsuariProjecte", "T_Idioma"}) {
        EXPECT_FALSE(enviades.contains(taula)) << taula;
        EXPECT_FALSE(database::IsLookupServiceTable(taula)) << taula;
    }
}

}  // namespace
