#include "framework/Finestra.h"

#include <algorithm>
#include <optional>

#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "Com/Registry.h"
#include "core/Bloqueig.h"
#include "core/CaixaTextMultilinia.h"
#include "core/BindingControl.h"
#include "core/BindingSource.h"
#include "core/BindingWindow.h"
#include "core/DataCombo.h"
#include "core/FormulariObject.h"
#include "core/LlistaRegistres.h"
#include "core/KnownWindows.h"
#include "core/LookupCombo.h"
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

// What the lookup-table editor's opener gives its rows to: they are kept
// for the window, which puts them in its list once the editor is gone.
struct FilesEditor final : ComboTaulaAuxiliar {
    void SetRowSource(const RecordsetRef& rows) override { files = rows; }
    void Refresh() override {}
    RecordsetRef files;
};

// Whether a row of `rows`, deleted ones aside, holds `valor` in `columna`.
bool TeClau(const ado::Recordset& rows, const std::string& columna, const com::Variant& valor) {
    for (const com::Variant& clau : rows.ColumnValues(rows.FieldIndex(columna)))
        if (DataCombo::SameKey(clau, valor)) return true;
    return false;
}

// The values of `columna` in the rows of `rows`, deleted ones aside; none
// without rows.
std::vector<com::Variant> Claus(const RecordsetRef& rows, const std::string& columna) {
    if (!rows) return {};
    return rows->ColumnValues(rows->FieldIndex(columna));
}

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
    // Every record shown lays out the text of each box again; texts in a
    // script that needs shaping are still shaped, the others are not, which
    // is most of what a record shown costs.
    QFont lletra = font();
    lletra.setStyleStrategy(QFont::PreferNoShaping);
    setFont(lletra);
    for (const DeclaracioTaula& taula : declaracio_.taules) taules_.emplace_back(taula);
    objecte_ = std::make_shared<FinestraObjecte>(this, declaracio_.recupera);
    DonaAConeixerFormulari(this, objecte_);
    if (camps_) AfegeixCamps(camps_, declaracio_.controls);
}

std::vector<QWidget*> Finestra::AfegeixCamps(QFormLayout* form, const std::vector<Control>& controls) {
    std::vector<QWidget*> built = AfegeixControls(this, form, controls);
    for (size_t i = 0; i < controls.size(); ++i) {
        const BotoAuxiliar& boto = controls[i].auxiliar;
        auto* combo = dynamic_cast<DataCombo*>(built[i]);
        if (boto.nom && combo) ConnectaAuxiliar(combo, boto);
    }
    return built;
}

void Finestra::ConnectaAuxiliar(DataCombo* combo, const BotoAuxiliar& boto) {
    botonsAuxiliars_.push_back(boto);
    auto* button = findChild<QPushButton*>(QString::fromLatin1(boto.nom));
    connect(button, &QPushButton::clicked, this, [this, combo, boto] { ObreFormulariTaulaAuxiliar(combo, boto); });
}

QHBoxLayout* Finestra::FilaOrdres(const std::vector<Ordre>& ordres) {
    auto* fila = new QHBoxLayout;
    for (const Ordre& ordre : ordres) {
        QPushButton* button = dialegs::Control<QPushButton>(this, ordre.nom);
        connect(button, &QPushButton::clicked, this, ordre.executa);
        fila->addWidget(button);
    }
    return fila;
}

// Form_Terminate: the support object goes first, then the helper.
Finestra::~Finestra() { objClasseSuportActual.reset(); }

std::vector<const Taula*> Finestra::Taules() const {
    std::vector<const Taula*> taules = {&rstRecordsetActual};
    for (const Taula& taula : taules_) taules.push_back(&taula);
    return taules;
}

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

com::Variant Finestra::Llista(const Taula& taula) {
    const DeclaracioTaula& d = taula.Declaracio();
    return CridaSuport(d.llista, d.arguments ? d.arguments() : std::vector<com::Variant>());
}

void Finestra::Carrega(Taula& taula) { Posa(taula, objFuncionsCapaInterficie.PassaXMLARecordset(Llista(taula))); }

void Finestra::CarregaTaules() {
    for (Taula& taula : taules_)
        if (!taula.Declaracio().llista.empty() && !taula.Declaracio().ambTria) Carrega(taula);
}

Taula& Finestra::AfegeixTaula(DeclaracioTaula declaracio) { return taules_.emplace_back(std::move(declaracio)); }

void Finestra::Posa(Taula& taula, RecordsetRef rows) {
    const RecordsetRef before = std::exchange(taula.rows_, std::move(rows));
    // Rows that nothing else holds are shown by no combo or list: the
    // window's controls are not searched (a move reads a table anew).
    if (!before || before.use_count() == 1) return;
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
    static constexpr int kMaxCharacters = 45;
    const auto ample = [](QWidget* edit, int maxLength) {
        if (!binding::DataSource(edit)) return;
        const int characters = std::min(maxLength, kMaxCharacters);
        edit->setMinimumWidth(std::max(edit->minimumWidth(),
                                       edit->fontMetrics().averageCharWidth() * characters + 12));
    };
    for (QLineEdit* edit : findChildren<QLineEdit*>()) ample(edit, edit->maxLength());
    for (CaixaTextMultilinia* box : findChildren<CaixaTextMultilinia*>()) ample(box, box->maxLength());
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
                // Read again inside the transaction: what was sent is no
                // longer pending, and new rows have their keys.
                LlegeixDesades();
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

void Finestra::LlegeixActual() {
    Inner(declaracio_.recupera, [this] { Carrega(rstRecordsetActual); });
}

void Finestra::LlegeixDesades() {
    LlegeixActual();
    for (Taula* taula : TaulesDesades())
        if (taula != &rstRecordsetActual) Carrega(*taula);
}

void Finestra::LlegeixDeNou() {
    DeslligaControls();
    try {
        LlegeixDesades();
    } catch (...) {
        EnSortir([this] { LligaControls(); });
        throw;
    }
    LligaControls();
}

void Finestra::DinsTransaccio(const std::function<void()>& body, const std::vector<Taula*>& mesTaules) {
    if (dinsTransaccio_) return body();
    std::vector<Copia> copies = CopiaTaules(mesTaules);
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

std::string Finestra::ArxiuEscollit(const std::function<std::string()>& dialeg) {
    try {
        return dialeg();
    } catch (const base::Error& error) {
        if (error.number() != base::err::DialogCancelled) throw;
        return {};
    }
}

std::vector<Finestra::Copia> Finestra::CopiaTaules(const std::vector<Taula*>& mesTaules) {
    std::vector<Taula*> taules = TaulesDesades();
    taules.insert(taules.end(), mesTaules.begin(), mesTaules.end());
    std::vector<Copia> copies;
    for (Taula* taula : taules)
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
        const com::Variant xml = intModeFormulari() == 2
                                     ? objFuncionsCapaInterficie.PurgaActualitzacionsRecordset(rstRecordsetActual.Ref())
                                     : Llista(rstRecordsetActual);
        Posa(rstRecordsetActual, objFuncionsCapaInterficie.PassaXMLARecordset(xml));
    });
}

// --- validation ------------------------------------------------------------------

std::string Finestra::MissatgeRegles(const std::vector<Regla>& regles) {
    for (const Regla& regla : regles) {
        if (!regla.es(*this)) continue;
        const std::string text = Missatge(regla.codi);
        return regla.completa ? regla.completa(*this, text) : text;
    }
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
        text = rstRecordsetActual.Files() == 0 ? Missatge("valNoRegistresEliminar")
                                               : MissatgeRegles(declaracio_.reglesElimina);
    });
    return text;
}

std::string Finestra::CadenaValidacioRegistreActual() {
    std::string text;
    Inner("CadenaValidacioRegistreActual", [this, &text] {
        text = MissatgeTextsNoLlegits();
        if (text.empty()) text = MissatgeRegles(declaracio_.reglesDesa);
    });
    return text;
}

std::string Finestra::MissatgeTextsNoLlegits() {
    const std::optional<binding::TextNoLlegit> noLlegit = binding::PrimerTextNoLlegit(this);
    if (!noLlegit) return {};
    const QString text = QString::fromStdString(Missatge(CodiMissatge(noLlegit->lectura)));
    return text.arg(binding::NomCamp(noLlegit->control)).toStdString();
}

bool Finestra::PotCanviarFila() {
    const std::string message = MissatgeTextsNoLlegits();
    if (!message.empty()) dialegs::MissatgeOk(message);
    return message.empty();
}

bool Finestra::ConfirmaEliminar() {
    const std::string message = CadenaValidacioEliminar();
    if (!message.empty()) {
        dialegs::MissatgeOk(message);
        return false;
    }
    return dialegs::PreguntaSiNo(MissatgeDefecte("valTextEliminar", "valTextEliminar"));
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

void Finestra::ObreFormulariTaulaAuxiliar(DataCombo* combo, const BotoAuxiliar& boto) {
    TopLevel("ObreFormulariTaulaAuxiliar", [this, combo, &boto] {
        int32_t valorFiltre = 0;
        if (*boto.campFiltre) {
            const RecordsetRef rows = binding::DataSource(combo);
            const com::Variant valor =
                rows && !rows->IsBOF() && !rows->IsEOF() ? rows->Value(boto.campFiltre) : com::Variant::Null();
            if (!valor.isNull()) valorFiltre = valor.toLong();
        }
        const std::vector<com::Variant> abans = Claus(combo->RowSource(), combo->BoundColumn());
        FilesEditor editor;
        objFuncionsCapaInterficie.ObrirFormulariAuxiliar(editor, boto.taula, boto.campIdentificador, boto.campCodi,
                                                         boto.integritat, boto.campFiltre, valorFiltre);
        Taula* llista = TaulaPerNom(combo->RowSourceName());
        if (!llista) {
            if (editor.files) combo->SetRowSource(editor.files);
            return TriaAfegida(combo, abans);
        }
        // Unbound while the list changes: a control bound to the list (a
        // photo of its current row) follows the new rows once bound again.
        DeslligaControls();
        try {
            // The editor lists the whole table unless a filter chose part
            // of it; a part is no list, which is read again instead.
            const com::Variant filtre = llista->Ref() ? llista->Ref()->Filter() : com::Variant();
            RecarregaLlista(*llista, *boto.campFiltre ? nullptr : editor.files);
            if (filtre.type() == com::Variant::Type::String && llista->Ref())
                llista->Ref()->SetFilter(filtre.toString());
        } catch (...) {
            EnSortir([this] { LligaControls(); });
            throw;
        }
        LligaControls();
        BuidaClausEliminades(*llista);
        TriaAfegida(combo, abans);
    });
}

void Finestra::TriaAfegida(DataCombo* combo, const std::vector<com::Variant>& abans) {
    const RecordsetRef fila = binding::DataSource(combo);
    if (!ModeEdicio() || !fila || fila->IsBOF() || fila->IsEOF()) return;
    // The last row the database numbered among those the list did not hold.
    std::optional<com::Variant> afegida;
    for (const com::Variant& clau : Claus(combo->RowSource(), combo->BoundColumn())) {
        const bool nova = std::ranges::none_of(abans, [&clau](const com::Variant& c) { return DataCombo::SameKey(c, clau); });
        if (nova && !clau.isNull() && (!afegida || clau.toDouble() > afegida->toDouble())) afegida = clau;
    }
    if (!afegida) return;
    // As if the user had picked it and left the combo.
    combo->SetBoundValue(*afegida);
    FixaDataCombo(combo);
}

void Finestra::RecarregaLlista(Taula& taula, const RecordsetRef& files) {
    if (files)
        Posa(taula, files);
    else
        Carrega(taula);
}

void Finestra::BuidaClausEliminades(const Taula& llista) {
    if (!ModeEdicio() || !llista.Ref()) return;
    for (DataCombo* combo : findChildren<DataCombo*>()) {
        if (combo->RowSource() != llista.Ref()) continue;
        const RecordsetRef fila = binding::DataSource(combo);
        if (!fila || fila->IsBOF() || fila->IsEOF()) continue;
        const std::string camp(base::Trim(combo->DataField(), " "));
        const com::Variant valor = fila->Value(camp);
        if (!valor.isNull() && !TeClau(*llista.Ref(), combo->BoundColumn(), valor))
            fila->SetValue(camp, com::Variant::Null());
    }
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
