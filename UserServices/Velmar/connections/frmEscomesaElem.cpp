#include "connections/frmEscomesaElem.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>

#include "connections/ElementTree.h"
#include "connections/frmElementsProp.h"
#include "connections/frmEscomeses.h"
#include "core/controls/Locking.h"
#include "framework/References.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmEscomesaElem";
constexpr std::string_view kTaulaElements = "T_EscomesaElements";

int32_t Numero(const com::Variant& value) { return value.isNull() ? 0 : value.toLong(); }

}  // namespace

frmEscomesaElem::frmEscomesaElem(frmEscomeses* cridant)
    // A window of its own, not a child of the calling window: that one's
    // commands reach its own controls only.
    : DataWindow({.nom = kName}),
      frmFormulariQueCrida(cridant),
      trvElements(new QTreeWidget(this)),
      txtEscomesa(new QLineEdit(this)) {
    setWindowFlag(Qt::Dialog);
    txtEscomesa->setObjectName("txtEscomesa");
    trvElements->setObjectName("trvElements");
    trvElements->setHeaderHidden(true);
    trvElements->setMinimumSize(trvElements->fontMetrics().averageCharWidth() * 60,
                                trvElements->fontMetrics().height() * 14);
    connect(trvElements, &QTreeWidget::currentItemChanged, this, [this] { RefrescaFormulariLectura(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(dialogs::Control<QLabel>(this, "lblEscomesa"), 0, 0);
    layout->addWidget(txtEscomesa, 0, 1);
    layout->addWidget(dialogs::Control<QLabel>(this, "lblElements"), 1, 0, 1, 2);
    layout->addWidget(trvElements, 2, 0, 1, 2);
    QHBoxLayout* botons = CommandRow({{"cmdNou", [this] { Nou(); }},
                                      {"cmdEditar", [this] { Editar(); }},
                                      {"cmdEliminar", [this] { Eliminar(); }},
                                      {"cmdExportar", [this] { ExportaEsquemaUsuari(); }},
                                      // Hidden, it keeps its tree for the next time the
                                      // record's edit opens it.
                                      {"cmdSortir", [this] { hide(); }}});
    botons->insertStretch(0);
    layout->addLayout(botons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    IniciFormulari();
}

ado::Recordset& frmEscomesaElem::Elements() const {
    return *frmFormulariQueCrida->TableByName("rstRecordsetElements")->Ref();
}

void frmEscomesaElem::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        Translate();
        const Table& escomeses = frmFormulariQueCrida->rstRecordsetActual;
        const bool fila = escomeses.RowCount() > 0 && !escomeses->IsBOF() && !escomeses->IsEOF();
        const com::Variant numero = fila ? escomeses->Value("NumEscomesa") : com::Variant::Null();
        lngNumEscomesa = numero.isNull() ? -1 : numero.toLong();
        strNumEscomesa = lngNumEscomesa == -1 ? std::string() : com::Str(lngNumEscomesa);
        const auto text = [this](const char* name) {
            if (auto* combo = frmFormulariQueCrida->findChild<QComboBox*>(name)) return combo->currentText();
            return frmFormulariQueCrida->findChild<QLineEdit*>(name)->text();
        };
        txtEscomesa->setText(QString::fromStdString(strNumEscomesa) + "-" + text("cmbCarrer") + "-" +
                             text("txtPostal"));
        SetLocked(txtEscomesa, true);
        strNomEscomesa = MessageOrDefault("valNomEscomesa", "Escomesa");
        RefrescaFormulariActualitzacio();
        // The next new element is numbered below every temporary number
        // the rows already hold.
        int32_t minim = 0;
        for (const element_tree::Element& element : element_tree::ReadElements(Elements())) minim = std::min(minim, element.num);
        lngNumElementTemporal = minim - 1;
    });
}

void frmEscomesaElem::RefrescaArbre() { RefrescaFormulariActualitzacio(); }

void frmEscomesaElem::PosaNumeroEscomesa(int32_t numero) {
    if (QTreeWidgetItem* arrel = trvElements->topLevelItem(0))
        arrel->setText(0, QString::fromStdString(strNomEscomesa + " " + com::Str(numero)));
}

// --- the tree ----------------------------------------------------------------------------------

void frmEscomesaElem::RefrescaFormulariActualitzacio() {
    Inner("RefrescaFormulariActualitzacio", [this] {
        OmpleArbreElements();
        SeleccionaEscomesa();
    });
}

// Each element under its parent, siblings in the order of their rows; an
// element whose parents do not lead to the connection is not shown.
void frmEscomesaElem::OmpleArbreElements() {
    const QSignalBlocker quiet(trvElements);
    trvElements->clear();
    auto* arrel = new QTreeWidgetItem(trvElements, {QString::fromStdString(strNomEscomesa + " " + strNumEscomesa)});
    arrel->setData(0, element_tree::kClau, QString::fromStdString(element_tree::Clau(0)));

    const std::vector<element_tree::Element> elements = element_tree::ReadElements(Elements());
    const auto llista = [this](const char* name) -> const ado::Recordset& {
        return *frmFormulariQueCrida->TableByName(name)->Ref();
    };
    const ado::Recordset &tipus = llista("rstRecordsetTipusElements"), &codis = llista("rstRecordsetCodiElements"),
                         &valors = llista("rstRecordsetValorElements");
    const auto afegeix = [&](auto& self, QTreeWidgetItem* pare, int32_t origen) -> void {
        for (const element_tree::Element& e : elements) {
            if (e.origen != origen || e.num == origen) continue;
            const std::string text = element_tree::Codi(tipus, "CodElementTipus", "NumElementTipus", e.tipus) + " " +
                                     element_tree::Codi(codis, "CodElementCodi", "NumElementCodi", e.codi) + " " +
                                     element_tree::Codi(valors, "CodElementValor", "NumElementValor", e.valor);
            auto* node = new QTreeWidgetItem(pare, {QString::fromStdString(text)});
            node->setData(0, element_tree::kClau, QString::fromStdString(element_tree::Clau(e.num)));
            self(self, node, e.num);
        }
        pare->setExpanded(pare->childCount() > 0);
    };
    afegeix(afegeix, arrel, 0);
}

void frmEscomesaElem::SeleccionaEscomesa() {
    {
        const QSignalBlocker quiet(trvElements);
        trvElements->setCurrentItem(trvElements->topLevelItem(0));
    }
    trvElements->scrollToTop();
    objMarcadorRegistreActual = com::Variant::Null();
}

// The selected element's row becomes the current row of the element rows.
void frmEscomesaElem::RefrescaFormulariLectura() {
    TopLevel("RefrescaFormulariLectura", [this] {
        const QTreeWidgetItem* node = trvElements->currentItem();
        const int32_t numero =
            node ? static_cast<int32_t>(com::Val(node->data(0, element_tree::kClau).toString().mid(4).toStdString())) : 0;
        if (numero == 0) {
            objMarcadorRegistreActual = com::Variant::Null();
            return;
        }
        element_tree::MoveTo(Elements(), numero);
        objMarcadorRegistreActual = Elements().Bookmark();
    });
}

// --- commands ----------------------------------------------------------------------------------

void frmEscomesaElem::ObreElementsProp(int32_t codiOrigen, bool nou) {
    frmElementsProp dialeg(this, codiOrigen, nou);
    dialogs::ShowModalWindow(&dialeg);
}

void frmEscomesaElem::Nou() {
    TopLevel("Nou", [this] {
        ado::Recordset& elements = Elements();
        // Offered under the element selected, or the connection.
        const int32_t origen = objMarcadorRegistreActual.isNull() ? 0 : Numero(elements.Value("NumElementCodi"));
        elements.AddNew();
        elements.SetValue("NumEscomesa", lngNumEscomesa);
        elements.SetValue("NumElement", lngNumElementTemporal);
        --lngNumElementTemporal;
        ObreElementsProp(origen, true);
        MostraArbre();
    });
}

void frmEscomesaElem::Editar() {
    TopLevel("Editar", [this] {
        if (!Valid("CadenaValidacioEditar", "valNoRegistresEditar")) return;
        // The dialog names the parent by its code.
        ado::Recordset& elements = Elements();
        const int32_t pare = Numero(elements.Value("ElementOrigen"));
        int32_t codiOrigen = 0;
        for (const element_tree::Element& element : element_tree::ReadElements(elements))
            if (pare != 0 && element.num == pare) codiOrigen = Numero(element.codi);
        ObreElementsProp(codiOrigen, false);
        MostraArbre();
    });
}

// The element goes with everything below it, the deepest first; not while
// a stored one of them is named elsewhere (a cable segment leaves it).
void frmEscomesaElem::Eliminar() {
    TopLevel("Eliminar", [this] {
        if (!Valid("CadenaValidacioEliminar", "valNoRegistresEliminar")) return;
        ado::Recordset& elements = Elements();
        const int32_t numero = Numero(elements.Value("NumElement"));
        std::vector<int32_t> esborrats = element_tree::Descendants(element_tree::ReadElements(elements), numero);
        esborrats.insert(esborrats.begin(), numero);
        for (const int32_t esborrat : esborrats) {
            if (esborrat <= 0) continue;  // not stored yet
            const std::string taula = references::ReferringTable(kTaulaElements, esborrat);
            if (!taula.empty()) return dialogs::ShowMessage(Message("valReferenciat" + taula));
        }
        if (!dialogs::AskYesNoQuestion(MessageOrDefault("valTextEliminar", "valTextEliminar"))) return;
        for (auto it = esborrats.rbegin(); it != esborrats.rend(); ++it) {
            element_tree::MoveTo(elements, *it);
            elements.Delete();
        }
        MostraArbre();
    });
}

void frmEscomesaElem::MostraArbre() {
    RefrescaFormulariActualitzacio();
    RefrescaFormulariLectura();
}

void frmEscomesaElem::ExportaEsquemaUsuari() {
    TopLevel("ExportaEsquemaUsuari", [this] {
        const std::string path = ChosenFile([this] { return objFuncionsCapaInterficie.EscullArxiuGravar("bmp"); });
        if (path.empty()) return;
        std::error_code error;
        if (std::filesystem::exists(path, error) && !dialogs::AskYesNoQuestion(Message("valSobreescriureArxiu"))) return;
        base::CallChecked(*frmFormulariQueCrida, &frmEscomeses::ExportaEsquema, trvElements, path);
        dialogs::ShowMessage(MessageOrDefault("valExportacioAcabada",
                                            "S'ha realitzat l'exportació de l'esquema dels elements de l'escomesa a un "
                                            "arxiu."));
    });
}

// --- validations -------------------------------------------------------------------------------

// Editing and deleting need an element of a connection selected; else the
// message says so.
bool frmEscomesaElem::Valid(const char* procediment, const char* senseRegistres) {
    std::string text;
    Inner(procediment, [&] {
        if (frmFormulariQueCrida->rstRecordsetActual.RowCount() == 0)
            text = Message(senseRegistres);
        else if (objMarcadorRegistreActual.isNull())
            text = Message("valNoRegistreSeleccionat");
    });
    if (!text.empty()) dialogs::ShowMessage(text);
    return text.empty();
}

}  // namespace velmar
