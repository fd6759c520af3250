#include "connections/frmElementsProp.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "connections/ElementTree.h"
#include "connections/frmEscomesaElem.h"
#include "connections/frmEscomeses.h"
#include "core/controls/DataCombo.h"

namespace velmar {
namespace {

constexpr std::string_view kName = "frmElementsProp";
constexpr const char* kElements = "rstRecordsetElements";
constexpr const char* kCodis = "rstRecordsetCodiElements";
constexpr const char* kLlistes[] = {kElements, "rstRecordsetTipusElements", kCodis, "rstRecordsetValorElements"};
constexpr const char* kCombos[] = {"cmbTipus", "cmbCodi", "cmbValor"};

// A lookup of the element rows, with its ">" button; the codes and values
// offered for editing are those of the element's type.
Control Combo(const char* etiqueta, const char* nom, const char* numero, const char* llista, const char* codi,
              const char* boto, const char* taula, const char* campFiltre) {
    const std::string integritat = std::string("T_EscomesaElements, ") + numero;
    static std::vector<std::string> integritats;  // the texts the declarations point to
    integritats.push_back(integritat);
    return DataComboField(etiqueta, nom, numero, llista, codi, numero,
                         LookupButton{.nom = boto,
                                      .taula = taula,
                                      .campIdentificador = numero,
                                      .campCodi = codi,
                                      .integritat = integritats.back().c_str(),
                                      .campFiltre = campFiltre},
                         kElements);
}

DataWindow::Declaration Declara() {
    std::vector<TableDeclaration> taules;
    for (const char* llista : kLlistes) taules.push_back({.recordset = llista});
    return {.nom = kName,
            .taules = std::move(taules),
            .controls = {Control{.tipus = Control::Tipus::Combo, .nom = "cmbOrigen", .etiqueta = "lblOrigen"},
                         Combo("lblTipus", "cmbTipus", "NumElementTipus", "rstRecordsetTipusElements",
                               "CodElementTipus", "cmdTipus", "TTE_ElementTipus", ""),
                         Combo("lblCodi", "cmbCodi", "NumElementCodi", kCodis, "CodElementCodi", "cmdCodi",
                               "TTE_ElementCodi", "NumElementTipus"),
                         Combo("lblValor", "cmbValor", "NumElementValor", "rstRecordsetValorElements",
                               "CodElementValor", "cmdValor", "TTE_ElementValor", "NumElementTipus"),
                         TextField("lblObservacions", "txtObservacions", "Observacions", kElements)}};
}

// Two values of a field are one: both Null, the same key, or the same text.
bool Igual(const com::Variant& a, const com::Variant& b) {
    if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
    if (a.isNumeric() && b.isNumeric()) return DataCombo::SameKey(a, b);
    return a.toString() == b.toString();
}

}  // namespace

frmElementsProp::frmElementsProp(frmEscomesaElem* cridant, int32_t codiOrigen, bool nou)
    : DataWindow(Declara(), cridant),
      frmFormulariQueCrida(cridant),
      lngNumCodiElementOrigen(codiOrigen),
      bolNouElement(nou),
      cmbOrigen(findChild<QComboBox*>("cmbOrigen")) {
    setWindowFlag(Qt::Dialog);
    auto* marc = new QGroupBox(this);
    marc->setObjectName("Frame1");
    marc->setLayout(FieldForm());
    auto* botons = new QHBoxLayout;
    botons->addStretch();
    QPushButton* acceptar = dialogs::Control<QPushButton>(this, "cmdAcceptar");
    QPushButton* cancellar = dialogs::Control<QPushButton>(this, "cmdCancellar");
    connect(acceptar, &QPushButton::clicked, this, [this] { Acceptar(); });
    connect(cancellar, &QPushButton::clicked, this, [this] { Cancellar(); });
    acceptar->setDefault(true);
    botons->addWidget(acceptar);
    botons->addWidget(cancellar);
    botons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(marc);
    layout->addLayout(botons);

    IniciFormulari();
}

frmEscomeses& frmElementsProp::Escomeses() const { return *frmFormulariQueCrida->frmFormulariQueCrida; }

ado::Recordset& frmElementsProp::Elements() const { return *Escomeses().TableByName(kElements)->Ref(); }

void frmElementsProp::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        Translate();
        strNomEscomesa = MessageOrDefault("valNomEscomesa", "Escomesa");
        // The rows and lists are the service-connection window's own.
        for (const char* llista : kLlistes) SetRows(*TableByName(llista), Escomeses().TableByName(llista)->Ref());
        OmpleComboOrigen(lngNumCodiElementOrigen);
        BindControls();
        SetComboSources();
        EnterMode(Mode::Editing);
        if (!bolNouElement)
            for (const char* camp : kCamps) valorsInicials_.push_back(Elements().Value(camp));
    });
}

// The connection, then every element code, with `codi` chosen.
void frmElementsProp::OmpleComboOrigen(int32_t codi) {
    const ado::Recordset& codis = *TableByName(kCodis)->Ref();
    const std::vector<com::Variant> numeros = codis.ColumnValues(codis.FieldIndex("NumElementCodi"));
    const std::vector<com::Variant> textos = codis.ColumnValues(codis.FieldIndex("CodElementCodi"));
    cmbOrigen->clear();
    cmbOrigen->addItem(QString::fromStdString(strNomEscomesa), 0);
    int triat = 0;
    for (size_t i = 0; i < numeros.size(); ++i) {
        if (numeros[i].isNull()) continue;
        cmbOrigen->addItem(textos[i].isNull() ? QString() : QString::fromStdString(textos[i].toString()),
                           numeros[i].toLong());
        if (numeros[i].toLong() == codi) triat = cmbOrigen->count() - 1;
    }
    cmbOrigen->setCurrentIndex(triat);
}

void frmElementsProp::ReloadList(Table& taula, const RecordsetRef& files) {
    Table& propia = *Escomeses().TableByName(taula.Nom());
    base::CallChecked(Escomeses(), &frmEscomeses::ReloadList, propia, files);
    SetRows(taula, propia.Ref());
    if (taula.Nom() == kCodis) OmpleComboOrigen(cmbOrigen->currentData().toInt());
}

// --- accept and cancel ---------------------------------------------------------------------

void frmElementsProp::Acceptar() {
    TopLevel("Acceptar", [this] {
        // What is chosen in the combos is in the row, whether they were
        // left or not.
        for (const char* nom : kCombos) FixaDataCombo(findChild<DataCombo*>(nom));
        const std::string message = CadenaValidacioRegistreActual();
        if (!message.empty()) return dialogs::ShowMessage(message);
        ado::Recordset& elements = Elements();
        bool escriu = bolNouElement;
        if (!bolNouElement) {
            if (HiHaCanvis()) {
                escriu = dialogs::AskYesNoQuestion(MessageOrDefault("valGuardarCanvis", "Desitja guardar els canvis?"));
                // Not kept: the element is as it was, as Cancel leaves it.
                if (!escriu) PosaValorsInicials();
            } else {
                elements.CancelUpdate();
            }
        }
        if (escriu) {
            // The parent is the element of the code chosen as origin.
            const int32_t codi = cmbOrigen->currentData().toInt();
            int32_t pare = 0;
            for (const element_tree::Element& element : element_tree::ReadElements(elements))
                if (codi != 0 && DataCombo::SameKey(element.codi, codi)) {
                    pare = element.num;
                    break;
                }
            elements.SetValue("ElementOrigen", pare);
            elements.Update();
        }
        tancat_ = true;
        close();
    });
}

void frmElementsProp::Cancellar() {
    TopLevel("Cancellar", [this] {
        if (bolNouElement)
            Elements().Delete();
        else
            PosaValorsInicials();
        tancat_ = true;
        close();
    });
}

void frmElementsProp::FixaDataCombo(DataCombo* combo) {
    if (!tancat_) DataWindow::FixaDataCombo(combo);
}

// Closing the dialog is cancelling it.
void frmElementsProp::closeEvent(QCloseEvent* event) {
    if (!tancat_) Cancellar();
    if (!tancat_) return event->ignore();
    DataWindow::closeEvent(event);
}

void frmElementsProp::PosaValorsInicials() {
    ado::Recordset& elements = Elements();
    for (size_t i = 0; i < std::size(kCamps); ++i) elements.SetValue(kCamps[i], valorsInicials_[i]);
    elements.Update();
}

// A change of the type, code, value or remarks in the row, or of the
// origin chosen.
bool frmElementsProp::HiHaCanvis() {
    const ado::Recordset& elements = Elements();
    for (size_t i = 0; i < std::size(kCamps); ++i)
        if (std::string_view(kCamps[i]) != "ElementOrigen" && !Igual(elements.Value(kCamps[i]), valorsInicials_[i]))
            return true;
    return cmbOrigen->currentData().toInt() != lngNumCodiElementOrigen;
}

// --- validation ----------------------------------------------------------------------------

std::string frmElementsProp::CadenaValidacioRegistreActual() {
    std::string text;
    Inner("CadenaValidacioRegistreActual", [this, &text] { text = Message(CodiValidacio()); });
    return text;
}

std::string frmElementsProp::CodiValidacio() {
    const auto* codi = findChild<DataCombo*>("cmbCodi");
    if (codi->currentText() == cmbOrigen->currentText()) return "valNoOrigenEllMateix";
    // Every element has a code of the list: without one there is nothing
    // to compare.
    const com::Variant numero = codi->BoundValue();
    if (numero.isNull()) return "valCodiBuit";
    const std::vector<element_tree::Element> elements = element_tree::ReadElements(Elements());
    const auto mateixCodi = [](const com::Variant& numero) {
        return [numero](const element_tree::Element& e) { return DataCombo::SameKey(e.codi, numero); };
    };
    if (std::ranges::count_if(elements, mateixCodi(numero)) > 1) return "valCodiElementRepetits";
    if (cmbOrigen->currentIndex() > 0) {
        const auto pare = std::ranges::find_if(elements, mateixCodi(cmbOrigen->currentData().toInt()));
        if (pare == elements.end()) return "valNoExisteixOrigen";
        // Neither its own child nor its descendants' may it become.
        const int32_t element = Elements().Value("NumElement").isNull() ? 0 : Elements().Value("NumElement").toLong();
        if (std::ranges::count(element_tree::Descendants(elements, element), pare->num) > 0) return "valOrigenDescendent";
    }
    return {};
}

}  // namespace velmar
