// The service connections of a zone of the project, one at a time: every
// field of the connection in bound controls, grouped as the supply is
// (metering, contract, general protection, switching, dates, cabinet,
// photos), the connection's map points and its protection elements in two
// lists, and a chooser of the zone above. Its element tree is edited in a
// window of its own (frmEscomesaElem) while the connection is edited, and
// is saved with it, with a picture of the tree, in one transaction.
#pragma once

#include <memory>
#include <optional>

#include "framework/RecordWindow.h"

class QTreeWidget;

namespace velmar {

class frmEscomesaElem;

class frmEscomeses final : public RecordWindow {
public:
    // Opens on the connections of the project's first zone.
    explicit frmEscomeses(int32_t projecte, QWidget* parent = nullptr);
    ~frmEscomeses() override;

    // --- members the element windows reach ----------------------------------
    // The map points and the elements of the current connection, from the
    // server, and their lists.
    void ObtePuntsEscomesaActual() { Vertices()->ReadCurrentVertices(); }
    void ObteElementsEscomesaActual();
    void RefrescaLlistaGIS() { Vertices()->RefrescaLlistaGIS(); }
    void RefrescaLlistaElements();
    // Writes the picture of `trvTree` to a bitmap file; a failure stays in
    // NumError and UbicacioError.
    void ExportaEsquema(const QTreeWidget* trvTree, const std::string& strRutaArxiuGravar);
    // A lookup list given the rows the lookup-table editor left (or read
    // again from the server), and the element list with it: the element
    // windows ask for it when the editor changed element types, codes or
    // values.
    void ReloadList(Table& taula, const RecordsetRef& files) override;
    // The element tree window of the connection being edited; none when it
    // was not opened.
    frmEscomesaElem* FormulariElements() const { return objFormulariElements.get(); }

protected:
    // The element tree window goes once the connection is no longer edited.
    void RefreshModeFormEdicio(bool edicio) override;

private:
    static Declaration Declara(frmEscomeses* w, int32_t projecte);

    // --- set-up and layout ------------------------------------------------------
    void Disposa();
    // The headers of the element list, at start; the element image folder,
    // once the first zone is shown.
    void BeforeBinding() override;
    void FinishStart() override;

    // --- the record (EscomesesRegistre.cpp) --------------------------------------
    // The lists and the counter of the current record.
    void ShowCurrent() override;
    // A new connection is of the zone chosen, and has no points nor
    // elements yet.
    void FillNew() override;
    // The connection, its element tree and the tree's picture, in one
    // transaction.
    void Save() override;
    // The connection, and the picture the program made of its tree.
    void Delete() override;
    void MouAEscomesa(int32_t numero);
    void GravaElementsBD(const com::Variant& clau, const std::string& strCodi);
    void DesaEsquema();

    // --- photos and the element tree ---------------------------------------------
    // The photo chooser of the field `camp`, shown in the text box `text`.
    void SeleccionaArxiu(const char* procediment, const char* camp, const char* text);
    void ObreFormulariElements();
    void TancaFormulariElements();

    // --- questions --------------------------------------------------------------
    // The NumEscomesa of the current connection; none without one.
    std::optional<int32_t> EscomesaActual() const;
    // The generated picture of connection `numero`'s tree in the element
    // image folder.
    std::string ArxiuEsquema(int32_t numero) const;

    Table& Elements();

    std::unique_ptr<frmEscomesaElem> objFormulariElements;
    int32_t lngEscomesaGravada = 0;
    std::string strRutaImatgesElements;
    QTreeWidget* lstElementsProteccio;
};

}  // namespace velmar
