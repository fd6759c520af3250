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

#include "framework/Finestra.h"
#include "framework/Triador.h"

class QTreeWidget;

namespace velmar {

class LlistaPunts;
class Navegador;
class frmEscomesaElem;

class frmEscomeses final : public Finestra {
public:
    // Opens on the connections of the project's first zone.
    explicit frmEscomeses(int32_t projecte, QWidget* parent = nullptr);
    ~frmEscomeses() override;

    // --- members the element windows reach ----------------------------------
    // The map points and the elements of the current connection, from the
    // server, and their lists.
    void ObtePuntsEscomesaActual();
    void ObteElementsEscomesaActual();
    void RefrescaLlistaGIS();
    void RefrescaLlistaElements();
    // Writes the picture of `trvTree` to a bitmap file; a failure stays in
    // NumError and UbicacioError.
    void ExportaEsquema(const QTreeWidget* trvTree, const std::string& strRutaArxiuGravar);
    // A lookup list given the rows the lookup-table editor left (or read
    // again from the server), and the element list with it: the element
    // windows ask for it when the editor changed element types, codes or
    // values.
    void RecarregaLlista(Taula& taula, const RecordsetRef& files) override;
    // The element tree window of the connection being edited; none when it
    // was not opened.
    frmEscomesaElem* FormulariElements() const { return objFormulariElements.get(); }

protected:
    void RefreshModeFormEdicio(bool edicio) override;

private:
    static Declaracio Declara(frmEscomeses* w, int32_t projecte);

    // --- set-up and layout ------------------------------------------------------
    void Disposa();
    void IniciFormulari();
    void ConfiguraLlistaElements();
    // The connections of the zone `zona` from the server, all or nothing.
    void CarregaZona(int32_t zona);

    // --- the record -------------------------------------------------------------
    void Nou();
    void Editar();
    void Eliminar();
    void SortirEdicio();
    void UndoChanges();
    // The lists and the counter of the current record.
    void Mostra();
    void RefrescaFormulariLectura();
    void MouAEscomesa(int32_t numero);
    void GravaElementsBD(const com::Variant& clau, const std::string& strCodi);
    void DesaEsquema();
    void SeleccionaArxiu(const char* procediment, const char* camp);
    void ObreFormulariElements();
    void TancaFormulariElements();

    // --- questions --------------------------------------------------------------
    // The NumEscomesa of the current connection; none without one.
    std::optional<int32_t> EscomesaActual() const;
    // The generated picture of connection `numero`'s tree in the element
    // image folder.
    std::string ArxiuEsquema(int32_t numero) const;

    Taula& Elements();

    std::unique_ptr<frmEscomesaElem> objFormulariElements;
    int32_t lngZonaActual = 0;
    int32_t lngEscomesaGravada = 0;
    std::string strRutaImatgesElements;
    std::vector<Copia> abans_;  // the window's tables as a new record or an edit began

    Triador cmbEscullZona;
    Navegador* navegador_;
    LlistaPunts* lstPunts;
    QTreeWidget* lstElementsProteccio;
};

}  // namespace velmar
