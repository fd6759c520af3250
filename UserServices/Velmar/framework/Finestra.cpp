#include "framework/Finestra.h"

#include <algorithm>

#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "Com/Registry.h"
#include "core/Bloqueig.h"
#include "core/BindingControl.h"
#include "core/BindingSource.h"
#include "core/BindingWindow.h"
#include "core/DataCombo.h"
#include "core/FormulariObject.h"
#include "core/LlistaRegistres.h"
#include "core/TaulesAuxiliars.h"
#include "core/clsAndamiSistema.h"

namespace velmar {
namespace {

constexpr const char* kBotonsConsulta[] = {"cmdNou", "cmdEditar", "cmdEliminar", "cmdSortir"};
constexpr const char* kBotonsEdicio[] = {"cmdSortirEdicio", "cmdDesferCanvis"};

// The texts of a window whose translation failed: none, so that a message
// looked up is missing (517) like any code the language table lacks.
constexpr std::string_view kSenseTextos =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
    " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>\n"
    "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>"
    "<s:AttributeType name='CodTextIdioma'><s:datatype dt:type='string' dt:maxLength='50'/></s:AttributeType>"
    "<s:AttributeType name='TextTraduit'><s:datatype dt:type='string' dt:maxLength='255'/></s:AttributeType>"
    "</s:ElementType></s:Schema>\n<rs:data>\n</rs:data>\n</xml>";

// The window by member name: its tables, its support object and its
// reload, and beyond those what every window offers (Name, Caption,
// Controls).
class FinestraObjecte final : public com::Object, public BindingWindow {
public:
    explicit FinestraObjecte(Finestra* window, std::string recupera)
        : window_(window), recupera_(std::move(recupera)), form_(std::make_shared<FormulariObject>(window)) {}

    std::string className() const override { return window()->objectName().toStdString(); }
    QWidget* widget() const override { return window(); }

    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        Finestra* w = window();
        if (kind == com::CallKind::Get || (kind == com::CallKind::Method && args.empty())) {
            if (const Taula* taula = w->TaulaPerNom(member)) return Recordset(taula->Ref());
            if (base::SameName(member, "objClasseSuportActual")) return w->objClasseSuportActual;
            if (base::SameName(member, recupera_)) {
                w->Recupera();
                return {};
            }
        }
        return form_->invoke(member, kind, args);
    }

private:
    Finestra* window() const {
        if (!window_) com::Raise(com::err::ObjectRequired);
        return window_;
    }
    static com::Variant Recordset(const RecordsetRef& rows) {
        if (!rows) return com::ObjectRef();
        return com::ObjectRef(std::make_shared<BindingSource>(rows));
    }

    QPointer<Finestra> window_;
    std::string recupera_;
    std::shared_ptr<FormulariObject> form_;
};

DeclaracioTaula Actual(DeclaracioTaula declaracio) {
    declaracio.recordset = "rstRecordsetActual";
    return declaracio;
}

}  // namespace

Finestra::Finestra(Declaracio declaracio, QWidget* parent)
    : QWidget(parent),
      rstRecordsetActual(Actual(declaracio.actual)),
      declaracio_(std::move(declaracio)),
      camps_(declaracio_.controls.empty() ? nullptr : new QFormLayout) {
    setObjectName(QString::fromUtf8(declaracio_.nom.data(), static_cast<qsizetype>(declaracio_.nom.size())));
    for (const DeclaracioTaula& taula : declaracio_.taules) taules_.emplace_back(taula);
    objecte_ = std::make_shared<FinestraObjecte>(this, declaracio_.recupera);
    DonaAConeixerFormulari(this, objecte_);
    if (camps_) AfegeixControls(this, camps_, declaracio_.controls);
}

// Form_Terminate: the support object goes first, then the helper.
Finestra::~Finestra() { objClasseSuportActual.reset(); }

Taula* Finestra::TaulaPerNom(std::string_view name) {
    if (base::SameName(rstRecordsetActual.Nom(), name)) return &rstRecordsetActual;
    for (Taula& taula : taules_)
        if (base::SameName(taula.Nom(), name)) return &taula;
    return nullptr;
}

int16_t Finestra::intModeFormulari() const {
    switch (mode_) {
        case Mode::Consulta: return 0;
        case Mode::Nou: return 1;
        case Mode::Edicio:
        case Mode::Eliminacio: return 2;
    }
    return 0;
}

com::Variant Finestra::CridaSuport(std::string_view member, std::vector<com::Variant> args) {
    return velmar::CridaSuport(objClasseSuportActual, member, std::move(args));
}

// --- set-up ------------------------------------------------------------------

void Finestra::CreaSuport() {
    objClasseSuportActual =
        declaracio_.suportPerNom
            ? objFuncionsCapaInterficie.CreaObjecteSuport(std::string(declaracio_.classeSuport))
            : com::CreateObject(com::ProgID(brintel::names::Brintel, declaracio_.classeSuport));
}

void Finestra::Tradueix() {
    rstRecordsetIdioma = objFuncionsCapaInterficie.TradueixFormulariIdioma(std::make_shared<FormulariObject>(this),
                                                                           clsAndamiSistema::Instance().Idioma());
}

std::string Finestra::Llista(const Taula& taula) {
    const DeclaracioTaula& d = taula.Declaracio();
    return CridaSuport(d.llista, d.arguments ? d.arguments() : std::vector<com::Variant>()).toString();
}

void Finestra::Carrega(Taula& taula) { Posa(taula, objFuncionsCapaInterficie.PassaXMLARecordset(Llista(taula))); }

void Finestra::CarregaTaules() {
    for (Taula& taula : taules_)
        if (!taula.Declaracio().llista.empty()) Carrega(taula);
}

Taula& Finestra::AfegeixTaula(DeclaracioTaula declaracio) { return taules_.emplace_back(std::move(declaracio)); }

void Finestra::Posa(Taula& taula, RecordsetRef rows) {
    const RecordsetRef before = std::exchange(taula.rows_, std::move(rows));
    if (!before) return;
    // What showed the rows the table held shows its new ones.
    for (DataCombo* combo : findChildren<DataCombo*>())
        if (combo->RowSource() == before) combo->SetRowSource(taula.rows_);
    for (LlistaRegistres* llista : findChildren<LlistaRegistres*>())
        if (llista->Recordset() == before) llista->SetRecordset(taula.rows_);
}

void Finestra::LligaControls() {
    objFuncionsCapaInterficie.LinkControls(objecte_);
    // A bound text box is wide enough to read what its field holds, up to
    // a line of a few words.
    constexpr int kMaxCharacters = 45;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (!binding::DataSource(edit)) continue;
        const int characters = std::min(edit->maxLength(), kMaxCharacters);
        edit->setMinimumWidth(std::max(edit->minimumWidth(),
                                       edit->fontMetrics().averageCharWidth() * characters + 12));
    }
}

void Finestra::DeslligaControls() { objFuncionsCapaInterficie.DeslinkControls(objecte_); }

void Finestra::PosaOrigensCombos() {
    for (DataCombo* combo : findChildren<DataCombo*>()) {
        // Leaving a combo writes its value; opening its list is no leaving.
        combo->installEventFilter(this);
        if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
        if (Taula* taula = TaulaPerNom(combo->RowSourceName())) combo->SetRowSource(taula->Ref());
    }
}

// --- modes ---------------------------------------------------------------------

void Finestra::Entra(Mode mode) {
    const bool before = ModeEdicio();
    mode_ = mode;
    if (ModeEdicio() != before) RefreshModeFormEdicio(ModeEdicio());
}

void Finestra::RefreshModeFormEdicio(bool edicio) {
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        for (const char* name : kBotonsConsulta)
            if (auto* button = findChild<QPushButton*>(name)) button->setVisible(!edicio);
        for (const char* name : kBotonsEdicio)
            if (auto* button = findChild<QPushButton*>(name)) button->setVisible(edicio);
        for (QWidget* control : findChildren<QWidget*>()) {
            const std::string type = binding::ControlType(control);
            if (type == "TextBox" || type == "ComboBox" || type == "DataCombo" ||
                (type == "CheckBox" && !base::Trim(binding::DataField(control), " ").empty()))
                Bloqueja(control, !edicio);
        }
        for (QPushButton* button : findChildren<QPushButton*>())
            if (button->text().trimmed() == ">") button->setEnabled(edicio);
    });
}

// --- the save ------------------------------------------------------------------

std::vector<Taula*> Finestra::TaulesDesades() {
    std::vector<Taula*> desades;
    if (declaracio_.ordreDesa.empty()) {
        if (rstRecordsetActual.EsDesa()) desades.push_back(&rstRecordsetActual);
        for (Taula& taula : taules_)
            if (taula.EsDesa()) desades.push_back(&taula);
    } else {
        for (const std::string& name : declaracio_.ordreDesa)
            if (Taula* taula = TaulaPerNom(name)) desades.push_back(taula);
    }
    return desades;
}

void Finestra::PropagaCanvisABD() {
    Inner("PropagaCanvisABD", [this] {
        try {
            DinsTransaccio([this] {
                DeslligaControls();
                const std::vector<Taula*> desades = TaulesDesades();
                // A row still being edited is sent as it now stands.
                for (Taula* taula : desades)
                    if (taula->Ref() && taula->Ref()->EditMode() != ado::EditState::None) taula->Ref()->Update();
                for (Taula* taula : desades) {
                    const std::string xml = objFuncionsCapaInterficie.PassaRecordsetAXML(taula->Ref());
                    CridaSuport(taula->Declaracio().desa, {objFuncionsCapaInterficie.ObteActualitzacionsDeXML(xml)});
                }
                // Reloaded inside the transaction: what was sent is no longer
                // pending, and new rows have their keys.
                Recupera();
                for (Taula* taula : desades)
                    if (taula != &rstRecordsetActual) Carrega(*taula);
                LligaControls();
            });
        } catch (...) {
            // The controls follow whatever the tables now hold; the failure
            // itself goes on to the handler.
            EnSortir([this] { objFuncionsCapaInterficie.LinkControls(objecte_); });
            throw;
        }
    });
}

void Finestra::DinsTransaccio(const std::function<void()>& body) {
    if (dinsTransaccio_) return body();
    std::vector<Copia> copies = CopiaTaules();
    objFuncionsCapaInterficie.BeginTransaction(objecte_);
    dinsTransaccio_ = true;
    try {
        body();
        objFuncionsCapaInterficie.CommitTransaction(objecte_);
        dinsTransaccio_ = false;
    } catch (...) {
        dinsTransaccio_ = false;
        // Nothing stays half written, and no later save nests in a
        // transaction left open. The failure shown is the one that stopped
        // the save, not one of the rollback.
        EnSortir([this] { objFuncionsCapaInterficie.RollBackTransaction(objecte_); });
        RestauraTaules(copies);
        throw;
    }
}

void Finestra::EliminaActual(const std::function<void()>& mostra) {
    Entra(Mode::Eliminacio);
    try {
        DinsTransaccio([this] {
            rstRecordsetActual->Delete();
            PropagaCanvisABD();
        });
    } catch (...) {
        // No later save sends the delete.
        Entra(Mode::Consulta);
        EnSortir(mostra);
        throw;
    }
}

std::vector<Finestra::Copia> Finestra::CopiaTaules() {
    std::vector<Copia> copies;
    for (Taula* taula : TaulesDesades())
        if (taula->Ref()) copies.push_back({taula, std::make_shared<ado::Recordset>(taula->Ref()->Clone())});
    return copies;
}

void Finestra::RestauraTaules(std::vector<Copia>& copies) {
    EnSortir([this] { objFuncionsCapaInterficie.DeslinkControls(objecte_); });
    for (Copia& copia : copies) Posa(*copia.taula, std::move(copia.rows));
    EnSortir([this] { objFuncionsCapaInterficie.LinkControls(objecte_); });
}

void Finestra::Recupera() {
    Inner(declaracio_.recupera, [this] {
        const std::string xml = intModeFormulari() == 2
                                    ? objFuncionsCapaInterficie.PurgaActualitzacionsRecordset(rstRecordsetActual.Ref())
                                    : Llista(rstRecordsetActual);
        Posa(rstRecordsetActual, objFuncionsCapaInterficie.PassaXMLARecordset(xml));
    });
}

// --- validation ------------------------------------------------------------------

std::string Finestra::CodiRegles(const std::vector<Regla>& regles) {
    for (const Regla& regla : regles)
        if (regla.es(*this)) return regla.codi;
    return {};
}

std::string Finestra::CadenaValidacioEditar() {
    std::string text;
    Inner("CadenaValidacioEditar", [this, &text] {
        text = Missatge(rstRecordsetActual.Files() == 0 ? "valNoRegistresEditar" : "");
    });
    return text;
}

std::string Finestra::CadenaValidacioEliminar() {
    std::string text;
    Inner("CadenaValidacioEliminar", [this, &text] {
        text = Missatge(rstRecordsetActual.Files() == 0 ? "valNoRegistresEliminar"
                                                        : CodiRegles(declaracio_.reglesElimina));
    });
    return text;
}

std::string Finestra::CadenaValidacioRegistreActual() {
    std::string text;
    Inner("CadenaValidacioRegistreActual", [this, &text] { text = Missatge(CodiRegles(declaracio_.reglesDesa)); });
    return text;
}

std::string Finestra::Missatge(const std::string& code) {
    if (code.empty()) return {};
    if (!rstRecordsetIdioma) rstRecordsetIdioma = objFuncionsCapaInterficie.PassaXMLARecordset(kSenseTextos);
    return objFuncionsCapaInterficie.TradueixMissatgeFormulariIdioma(rstRecordsetIdioma, code);
}

std::string Finestra::MissatgeDefecte(const std::string& code, const std::string& defecte) {
    if (!rstRecordsetIdioma) rstRecordsetIdioma = objFuncionsCapaInterficie.PassaXMLARecordset(kSenseTextos);
    return objFuncionsCapaInterficie.TradueixDefecteMissatgeFormulariIdioma(rstRecordsetIdioma, code, defecte);
}

bool Finestra::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        auto* combo = dynamic_cast<DataCombo*>(watched);
        if (!combo && watched->parent()) combo = dynamic_cast<DataCombo*>(watched->parent());
        if (combo) FixaDataCombo(combo);
    }
    return QWidget::eventFilter(watched, event);
}

void Finestra::FixaDataCombo(DataCombo* combo) {
    TopLevel("FixaDataCombo", [this, combo] {
        // Only an edit writes, and only a value that differs: a combo the
        // user emptied stands for no value; a text none of the list's
        // leaves the field as it was, for the save's check to find.
        if (!ModeEdicio()) return;
        const RecordsetRef rows = binding::DataSource(combo);
        if (!rows || rows->IsBOF() || rows->IsEOF()) return;
        com::Variant value = com::Variant::Null();
        if (!combo->currentText().isEmpty()) {
            if (!combo->MatchedWithList()) return;
            value = com::Val(combo->BoundValue().toString());
        }
        const std::string field(base::Trim(combo->DataField(), " "));
        const com::Variant current = rows->Value(field);
        if (current.isNull() ? value.isNull() : DataCombo::SameKey(current, value)) return;
        rows->SetValue(field, value);
    });
}

}  // namespace velmar
