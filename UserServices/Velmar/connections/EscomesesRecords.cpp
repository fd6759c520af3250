// What the service-connection window does with its records beyond the
// shape it is built on: what shows with the current one, what a new one
// starts with, the save of the connection with its element tree and the
// tree's picture in one transaction, and the delete with the picture.
#include <QTreeWidget>
#include <filesystem>
#include <map>

#include "Ado/AdoError.h"
#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "connections/ElementTree.h"
#include "connections/frmEscomesaElem.h"
#include "connections/frmEscomeses.h"
#include "connections/frmExportEsquema.h"

namespace velmar {
namespace {

namespace support = brintel::names;

// The most new elements a save gives keys to: temporary numbers run from
// -1 down to this.
constexpr int32_t kMaximTemporals = 1000;

}  // namespace

// --- the current record ------------------------------------------------------------------

void frmEscomeses::ShowCurrent() {
    ObtePuntsEscomesaActual();
    ObteElementsEscomesaActual();
    Navigator()->OmpleNumeroRegistre();
}

void frmEscomeses::FillNew() {
    rstRecordsetActual->SetValue("NumZona", Triat());
    ObtePuntsEscomesaActual();
    ObteElementsEscomesaActual();
}

// --- the save ---------------------------------------------------------------------------------

void frmEscomeses::Save() {
    rstRecordsetActual->Update();
    // A connection already saved is found again by its key, a new one by
    // its code.
    const com::Variant clau = rstRecordsetActual->Value("NumEscomesa");
    const com::Variant codi = rstRecordsetActual->Value("CodEscomesa");
    // A connection put in another zone is read back from that zone's list,
    // where the tree and the picture find it; then the zone still chosen is
    // shown again, from its first connection.
    const int32_t zonaTriada = Triat();
    const com::Variant zona = rstRecordsetActual->Value("NumZona");
    if (!zona.isNull()) SetChosen(zona.toLong());
    try {
        InTransaction(
            [&] {
                PropagaCanvisABD();
                GravaElementsBD(clau, codi.isNull() ? std::string() : codi.toString());
                if (objFormulariElements) DesaEsquema();
                if (Triat() != zonaTriada) Tria().Apply();
            },
            {&Elements()});
    } catch (...) {
        // The tables are back as the chosen zone's.
        SetChosen(zonaTriada);
        // The element rows are back as they were, temporary numbers and
        // all, and the tree shows them for another try.
        if (objFormulariElements) OnExit([this] { objFormulariElements->RefrescaArbre(); });
        throw;
    }
}

// Makes the connection `numero` the current record.
void frmEscomeses::MouAEscomesa(int32_t numero) {
    element_tree::MoveTo(*rstRecordsetActual, "NumEscomesa = " + com::Str(numero));
}

// The element tree of the connection just saved: its new elements are
// sent without their temporary numbers, so that the database gives them
// keys; read back, each child of a new element is given its parent's key,
// found by the parent's code (unique within a connection), and sent again.
void frmEscomeses::GravaElementsBD(const com::Variant& clau, const std::string& strCodi) {
    Inner("GravaElementsBD", [&] {
        if (!clau.isNull())
            MouAEscomesa(clau.toLong());
        else
            element_tree::MoveTo(*rstRecordsetActual,
                        "CodEscomesa = '" + objFuncionsCapaInterficie.StrTran(strCodi, "'", "''") + "'");
        lngEscomesaGravada = rstRecordsetActual->Value("NumEscomesa").toLong();

        ado::Recordset* elements = Elements().Ref().get();
        // A new connection's elements take its number.
        if (intModeFormulari() == 1) {
            elements->SetFilter("NumEscomesa  = -1");
            for (; !elements->IsEOF(); elements->MoveNext()) elements->SetValue("NumEscomesa", lngEscomesaGravada);
        }
        // The code of each new element, by its temporary number.
        std::map<int32_t, int32_t> temporals;
        elements->SetFilter("NumElement < 0");
        for (; !elements->IsEOF(); elements->MoveNext()) {
            const int32_t k = -elements->Value("NumElement").toLong();
            if (k > kMaximTemporals) com::Raise(base::err::SubscriptOutOfRange);
            temporals[k] = elements->Value("NumElementCodi").toLong();
            elements->SetValue("NumElement", 0);
        }
        elements->ClearFilter();
        const auto desa = [this](const std::string& canvis) { CallSupport(support::SaveEscomesaElement, {canvis}); };
        desa(objFuncionsCapaInterficie.StrTran(objFuncionsCapaInterficie.ObteActualitzacionsDeXML(
                                                   objFuncionsCapaInterficie.PassaRecordsetAXML(Elements().Ref())),
                                               "NumElement='0'", ""));

        SetRows(Elements(), objFuncionsCapaInterficie.PassaXMLARecordset(
                             CallSupport(support::GetElementsEscomesa, {lngEscomesaGravada})));
        elements = Elements().Ref().get();
        for (const auto& [k, codi] : temporals) {
            if (codi == 0) continue;
            elements->SetFilter("NumElementCodi = " + com::Str(codi));
            if (elements->IsEOF()) com::Raise(ado::err::NoCurrentRecord);
            const int32_t real = elements->Value("NumElement").toLong();
            elements->SetFilter("ElementOrigen = " + com::Str(-k));
            for (; !elements->IsEOF(); elements->MoveNext()) elements->SetValue("ElementOrigen", real);
        }
        // No element may keep a temporary parent in the database.
        elements->SetFilter("ElementOrigen < 0");
        if (elements->RecordCount() > 0) com::Raise(base::err::InvalidProcedureCall);
        elements->ClearFilter();
        desa(objFuncionsCapaInterficie.ObteActualitzacionsDeXML(
            objFuncionsCapaInterficie.PassaRecordsetAXML(Elements().Ref())));
    });
}

// The picture of the tree, as "Elements<n>.bmp" in the element image
// folder, named in the saved connection's own row and stored with it.
void frmEscomeses::DesaEsquema() {
    Inner("DesaEsquema", [this] {
        objFormulariElements->PosaNumeroEscomesa(lngEscomesaGravada);
        ExportaEsquema(objFormulariElements->trvElements, ArxiuEsquema(lngEscomesaGravada));
        MouAEscomesa(lngEscomesaGravada);
        rstRecordsetActual->SetValue("FotoEsquema", "Elements" + com::Digits(lngEscomesaGravada) + ".bmp");
        PropagaCanvisABD();
        MouAEscomesa(lngEscomesaGravada);
    });
}

void frmEscomeses::ExportaEsquema(const QTreeWidget* trvTree, const std::string& strRutaArxiuGravar) {
    Inner("ExportaEsquema", [&] {
        frmExportEsquema exportacio;
        exportacio.EsquemaOriginal = trvTree;
        exportacio.strRutaArxiu = strRutaArxiuGravar;
        base::CallChecked(exportacio, &frmExportEsquema::GravarEsquema);
    });
}

// --- delete -----------------------------------------------------------------------------------

void frmEscomeses::Delete() {
    const std::optional<int32_t> numero = EscomesaActual();
    RecordWindow::Delete();
    // Only the picture the program made of this connection's tree goes with
    // it; a path the row names may be any file of the user's.
    if (numero) {
        std::error_code error;
        std::filesystem::remove(ArxiuEsquema(*numero), error);
        if (error) com::Raise(base::err::PathFileAccess);
    }
}

}  // namespace velmar
