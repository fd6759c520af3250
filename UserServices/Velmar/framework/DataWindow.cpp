#include "framework/DataWindow.h"

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
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "core/controls/Locking.h"
#include "core/controls/MultilineTextBox.h"
#include "core/binding/BindingControl.h"
#include "core/binding/BindingSource.h"
#include "core/binding/BindingWindow.h"
#include "core/controls/DataCombo.h"
#include "core/binding/WindowObject.h"
#include "core/controls/RecordList.h"
#include "core/binding/KnownWindows.h"
#include "core/controls/LookupCombo.h"
#include "core/services/clsAndamiSistema.h"

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
    explicit FinestraObjecte(DataWindow* window, std::string recupera)
        : window_(window), recupera_(std::move(recupera)), form_(std::make_shared<WindowObject>(window)) {}

    std::string className() const override { return window()->objectName().toStdString(); }
    QWidget* widget() const override { return window(); }

    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        DataWindow* w = window();
        if (kind == com::CallKind::Get || (kind == com::CallKind::Method && args.empty())) {
            if (const Table* taula = w->TableByName(member)) return Recordset(taula->Ref());
            if (base::SameName(member, "objClasseSuportActual")) return w->objClasseSuportActual;
            if (base::SameName(member, recupera_)) {
                w->Recupera();
                return {};
            }
        }
        return form_->invoke(member, kind, args);
    }

private:
    DataWindow* window() const {
        if (!window_) com::Raise(com::err::ObjectRequired);
        return window_;
    }
    static com::Variant Recordset(const RecordsetRef& rows) {
        if (!rows) return com::ObjectRef();
        return com::ObjectRef(std::make_shared<BindingSource>(rows));
    }

    QPointer<DataWindow> window_;
    std::string recupera_;
    std::shared_ptr<WindowObject> form_;
};

// What the lookup-table editor's opener gives its rows to: they are kept
// for the window, which puts them in its list once the editor is gone.
struct FilesEditor final : LookupCombo {
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

TableDeclaration Actual(TableDeclaration declaracio) {
    declaracio.recordset = "rstRecordsetActual";
    return declaracio;
}

}  // namespace

DataWindow::DataWindow(Declaration declaracio, QWidget* parent)
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
    for (const TableDeclaration& taula : declaracio_.taules) taules_.emplace_back(taula);
    objecte_ = std::make_shared<FinestraObjecte>(this, declaracio_.recupera);
    MakeWindowKnown(this, objecte_);
    if (camps_) AddFields(camps_, declaracio_.controls);
}

std::vector<QWidget*> DataWindow::AddFields(QFormLayout* form, const std::vector<Control>& controls) {
    std::vector<QWidget*> built = AddControls(this, form, controls);
    for (size_t i = 0; i < controls.size(); ++i) {
        const LookupButton& boto = controls[i].auxiliar;
        auto* combo = dynamic_cast<DataCombo*>(built[i]);
        if (boto.nom && combo) ConnectLookupButton(combo, boto);
    }
    return built;
}

void DataWindow::ConnectLookupButton(DataCombo* combo, const LookupButton& boto) {
    botonsAuxiliars_.push_back(boto);
    auto* button = findChild<QPushButton*>(QString::fromLatin1(boto.nom));
    connect(button, &QPushButton::clicked, this, [this, combo, boto] { ObreFormulariTaulaAuxiliar(combo, boto); });
}

QHBoxLayout* DataWindow::CommandRow(const std::vector<Ordre>& ordres) {
    auto* fila = new QHBoxLayout;
    for (const Ordre& ordre : ordres) {
        QPushButton* button = dialogs::Control<QPushButton>(this, ordre.nom);
        connect(button, &QPushButton::clicked, this, ordre.executa);
        fila->addWidget(button);
    }
    return fila;
}

// Form_Terminate: the support object goes first, then the helper.
DataWindow::~DataWindow() { objClasseSuportActual.reset(); }

std::vector<const Table*> DataWindow::Tables() const {
    std::vector<const Table*> taules = {&rstRecordsetActual};
    for (const Table& taula : taules_) taules.push_back(&taula);
    return taules;
}

Table* DataWindow::TableByName(std::string_view name) {
    if (base::SameName(rstRecordsetActual.Nom(), name)) return &rstRecordsetActual;
    for (Table& taula : taules_)
        if (base::SameName(taula.Nom(), name)) return &taula;
    return nullptr;
}

int16_t DataWindow::intModeFormulari() const {
    switch (mode_) {
        case Mode::Browsing: return 0;
        case Mode::Adding: return 1;
        case Mode::Editing:
        case Mode::Deleting: return 2;
    }
    return 0;
}

com::Variant DataWindow::CallSupport(std::string_view member, std::vector<com::Variant> args) {
    return com::CallChecked(objClasseSuportActual, member, std::move(args));
}

// --- set-up ------------------------------------------------------------------

void DataWindow::CreateSupport() {
    objClasseSuportActual =
        declaracio_.suportPerNom
            ? objFuncionsCapaInterficie.CreaObjecteSuport(std::string(declaracio_.classeSuport))
            : com::CreateObject(com::ProgID(brintel::names::Brintel, declaracio_.classeSuport));
}

void DataWindow::Translate() {
    rstRecordsetIdioma = objFuncionsCapaInterficie.TradueixFormulariIdioma(std::make_shared<WindowObject>(this),
                                                                           clsAndamiSistema::Instance().Idioma());
}

com::Variant DataWindow::Llista(const Table& taula) {
    const TableDeclaration& d = taula.Declaration();
    return CallSupport(d.llista, d.arguments ? d.arguments() : std::vector<com::Variant>());
}

void DataWindow::Load(Table& taula) { SetRows(taula, objFuncionsCapaInterficie.PassaXMLARecordset(Llista(taula))); }

void DataWindow::LoadTables() {
    for (Table& taula : taules_)
        if (!taula.Declaration().llista.empty() && !taula.Declaration().ambTria) Load(taula);
}

Table& DataWindow::AddTable(TableDeclaration declaracio) { return taules_.emplace_back(std::move(declaracio)); }

void DataWindow::SetRows(Table& taula, RecordsetRef rows) {
    const RecordsetRef before = std::exchange(taula.rows_, std::move(rows));
    // Rows that nothing else holds are shown by no combo or list: the
    // window's controls are not searched (a move reads a table anew).
    if (!before || before.use_count() == 1) return;
    // What showed the rows the table held shows its new ones.
    for (DataCombo* combo : findChildren<DataCombo*>())
        if (combo->RowSource() == before) combo->SetRowSource(taula.rows_);
    for (RecordList* llista : findChildren<RecordList*>())
        if (llista->Recordset() == before) llista->SetRecordset(taula.rows_);
}

void DataWindow::BindControls() {
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
    for (MultilineTextBox* box : findChildren<MultilineTextBox*>()) ample(box, box->maxLength());
}

void DataWindow::UnbindControls() { objFuncionsCapaInterficie.DeslinkControls(objecte_); }

void DataWindow::SetComboSources() {
    for (DataCombo* combo : findChildren<DataCombo*>()) {
        // Leaving a combo writes its value; opening its list is no leaving.
        combo->installEventFilter(this);
        if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
        if (Table* taula = TableByName(combo->RowSourceName())) combo->SetRowSource(taula->Ref());
    }
}

// --- modes ---------------------------------------------------------------------

void DataWindow::EnterMode(Mode mode) {
    const bool before = ModeEdicio();
    mode_ = mode;
    if (ModeEdicio() != before) RefreshModeFormEdicio(ModeEdicio());
}

void DataWindow::RefreshModeFormEdicio(bool edicio) {
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        for (const char* name : kBotonsConsulta)
            if (auto* button = findChild<QPushButton*>(name)) button->setVisible(!edicio);
        for (const char* name : kBotonsEdicio)
            if (auto* button = findChild<QPushButton*>(name)) button->setVisible(edicio);
        for (QWidget* control : findChildren<QWidget*>()) {
            const std::string type = binding::ControlType(control);
            if (type == "TextBox" || type == "ComboBox" || type == "DataCombo" ||
                (type == "CheckBox" && !base::Trim(binding::DataField(control), " ").empty()))
                SetLocked(control, !edicio);
        }
        for (QPushButton* button : findChildren<QPushButton*>())
            if (button->text().trimmed() == ">") button->setEnabled(edicio);
    });
}

// --- the save ------------------------------------------------------------------

std::vector<Table*> DataWindow::SavedTables() {
    std::vector<Table*> desades;
    if (declaracio_.ordreDesa.empty()) {
        if (rstRecordsetActual.IsSaved()) desades.push_back(&rstRecordsetActual);
        for (Table& taula : taules_)
            if (taula.IsSaved()) desades.push_back(&taula);
    } else {
        for (const std::string& name : declaracio_.ordreDesa)
            if (Table* taula = TableByName(name)) desades.push_back(taula);
    }
    return desades;
}

void DataWindow::PropagaCanvisABD() {
    Inner("PropagaCanvisABD", [this] {
        try {
            InTransaction([this] {
                UnbindControls();
                const std::vector<Table*> desades = SavedTables();
                // A row still being edited is sent as it now stands.
                for (Table* taula : desades)
                    if (taula->Ref() && taula->Ref()->EditMode() != ado::EditState::None) taula->Ref()->Update();
                for (Table* taula : desades) {
                    const std::string xml = objFuncionsCapaInterficie.PassaRecordsetAXML(taula->Ref());
                    CallSupport(taula->Declaration().desa, {objFuncionsCapaInterficie.ObteActualitzacionsDeXML(xml)});
                }
                // Read again inside the transaction: what was sent is no
                // longer pending, and new rows have their keys.
                ReadSaved();
                BindControls();
            });
        } catch (...) {
            // The controls follow whatever the tables now hold; the failure
            // itself goes on to the handler.
            OnExit([this] { objFuncionsCapaInterficie.LinkControls(objecte_); });
            throw;
        }
    });
}

void DataWindow::ReadCurrent() {
    Inner(declaracio_.recupera, [this] { Load(rstRecordsetActual); });
}

void DataWindow::ReadSaved() {
    ReadCurrent();
    for (Table* taula : SavedTables())
        if (taula != &rstRecordsetActual) Load(*taula);
}

void DataWindow::LlegeixDeNou() {
    UnbindControls();
    try {
        ReadSaved();
    } catch (...) {
        OnExit([this] { BindControls(); });
        throw;
    }
    BindControls();
}

void DataWindow::InTransaction(const std::function<void()>& body, const std::vector<Table*>& mesTaules) {
    if (dinsTransaccio_) return body();
    std::vector<TableCopy> copies = CopyTables(mesTaules);
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
        OnExit([this] { objFuncionsCapaInterficie.RollBackTransaction(objecte_); });
        RestoreTables(copies);
        throw;
    }
}

std::string DataWindow::ChosenFile(const std::function<std::string()>& dialeg) {
    try {
        return dialeg();
    } catch (const base::Error& error) {
        if (error.number() != base::err::DialogCancelled) throw;
        return {};
    }
}

std::vector<DataWindow::TableCopy> DataWindow::CopyTables(const std::vector<Table*>& mesTaules) {
    std::vector<Table*> taules = SavedTables();
    taules.insert(taules.end(), mesTaules.begin(), mesTaules.end());
    std::vector<TableCopy> copies;
    for (Table* taula : taules)
        if (taula->Ref()) copies.push_back({taula, std::make_shared<ado::Recordset>(taula->Ref()->Clone())});
    return copies;
}

void DataWindow::RestoreTables(std::vector<TableCopy>& copies) {
    OnExit([this] { objFuncionsCapaInterficie.DeslinkControls(objecte_); });
    for (TableCopy& copia : copies) SetRows(*copia.taula, std::move(copia.rows));
    OnExit([this] { objFuncionsCapaInterficie.LinkControls(objecte_); });
}

void DataWindow::Recupera() {
    Inner(declaracio_.recupera, [this] {
        const com::Variant xml = intModeFormulari() == 2
                                     ? objFuncionsCapaInterficie.PurgaActualitzacionsRecordset(rstRecordsetActual.Ref())
                                     : Llista(rstRecordsetActual);
        SetRows(rstRecordsetActual, objFuncionsCapaInterficie.PassaXMLARecordset(xml));
    });
}

// --- validation ------------------------------------------------------------------

std::string DataWindow::RulesMessage(const std::vector<Rule>& regles) {
    for (const Rule& regla : regles) {
        if (!regla.es(*this)) continue;
        const std::string text = Message(regla.codi);
        return regla.completa ? regla.completa(*this, text) : text;
    }
    return {};
}

std::string DataWindow::CadenaValidacioEditar() {
    std::string text;
    Inner("CadenaValidacioEditar", [this, &text] {
        text = Message(rstRecordsetActual.RowCount() == 0 ? "valNoRegistresEditar" : "");
    });
    return text;
}

std::string DataWindow::CadenaValidacioEliminar() {
    std::string text;
    Inner("CadenaValidacioEliminar", [this, &text] {
        text = rstRecordsetActual.RowCount() == 0 ? Message("valNoRegistresEliminar")
                                               : RulesMessage(declaracio_.reglesElimina);
    });
    return text;
}

std::string DataWindow::CadenaValidacioRegistreActual() {
    std::string text;
    Inner("CadenaValidacioRegistreActual", [this, &text] {
        text = UnreadTextsMessage();
        if (text.empty()) text = RulesMessage(declaracio_.reglesDesa);
    });
    return text;
}

std::string DataWindow::UnreadTextsMessage() {
    const std::optional<binding::UnreadText> noLlegit = binding::FirstUnreadText(this);
    if (!noLlegit) return {};
    return binding::NamingField(Message(MessageCode(noLlegit->lectura)), noLlegit->control);
}

std::string DataWindow::UnmatchedCodeMessage(const RecordsetRef& rows, const std::string& codi) {
    for (DataCombo* combo : findChildren<DataCombo*>())
        if (binding::DataSource(combo) == rows && combo->HoldsUnmatchedCode())
            return binding::NamingField(Message(codi), combo);
    return {};
}

bool DataWindow::ConfirmDelete() {
    const std::string message = CadenaValidacioEliminar();
    if (!message.empty()) {
        dialogs::ShowMessage(message);
        return false;
    }
    return dialogs::AskYesNoQuestion(MessageOrDefault("valTextEliminar", "valTextEliminar"));
}

std::string DataWindow::Message(const std::string& code) {
    if (code.empty()) return {};
    if (!rstRecordsetIdioma) rstRecordsetIdioma = objFuncionsCapaInterficie.PassaXMLARecordset(kSenseTextos);
    return objFuncionsCapaInterficie.TradueixMissatgeFormulariIdioma(rstRecordsetIdioma, code);
}

std::string DataWindow::MessageOrDefault(const std::string& code, const std::string& defecte) {
    if (!rstRecordsetIdioma) rstRecordsetIdioma = objFuncionsCapaInterficie.PassaXMLARecordset(kSenseTextos);
    return objFuncionsCapaInterficie.TradueixDefecteMissatgeFormulariIdioma(rstRecordsetIdioma, code, defecte);
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        auto* combo = dynamic_cast<DataCombo*>(watched);
        if (!combo && watched->parent()) combo = dynamic_cast<DataCombo*>(watched->parent());
        if (combo) FixaDataCombo(combo);
    }
    return QWidget::eventFilter(watched, event);
}

void DataWindow::ObreFormulariTaulaAuxiliar(DataCombo* combo, const LookupButton& boto) {
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
        Table* llista = TableByName(combo->RowSourceName());
        if (!llista) {
            if (editor.files) combo->SetRowSource(editor.files);
            return SelectAdded(combo, abans);
        }
        // Unbound while the list changes: a control bound to the list (a
        // photo of its current row) follows the new rows once bound again.
        UnbindControls();
        try {
            // The editor lists the whole table unless a filter chose part
            // of it; a part is no list, which is read again instead.
            const com::Variant filtre = llista->Ref() ? llista->Ref()->Filter() : com::Variant();
            ReloadList(*llista, *boto.campFiltre ? nullptr : editor.files);
            if (filtre.type() == com::Variant::Type::String && llista->Ref())
                llista->Ref()->SetFilter(filtre.toString());
        } catch (...) {
            OnExit([this] { BindControls(); });
            throw;
        }
        BindControls();
        ClearDeletedKeys(*llista);
        SelectAdded(combo, abans);
    });
}

void DataWindow::SelectAdded(DataCombo* combo, const std::vector<com::Variant>& abans) {
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

void DataWindow::ReloadList(Table& taula, const RecordsetRef& files) {
    if (files)
        SetRows(taula, files);
    else
        Load(taula);
}

void DataWindow::ClearDeletedKeys(const Table& llista) {
    if (!ModeEdicio() || !llista.Ref()) return;
    for (DataCombo* combo : findChildren<DataCombo*>()) {
        if (combo->RowSource() != llista.Ref()) continue;
        const RecordsetRef files = binding::DataSource(combo);
        if (!files || files->IsBOF() || files->IsEOF()) continue;
        const int32_t camp = files->FieldIndex(base::Trim(combo->DataField(), " "));
        const auto senseFila = [&](const com::Variant& valor) {
            return !valor.isNull() && !TeClau(*llista.Ref(), combo->BoundColumn(), valor);
        };
        if (senseFila(files->Value(camp))) files->SetValue(camp, com::Variant::Null());
        // The other rows the user may have changed meanwhile (the other
        // luminaires of the point) are sent by the same save, which the
        // database would refuse for a key that names no row. A row being
        // added stays current: moving off it would keep it unchecked.
        if (files->EditMode() == ado::EditState::Add) continue;
        const com::Variant lloc = files->Bookmark();
        bool mogut = false;
        for (int32_t posicio = 1; posicio <= files->RecordCount(); ++posicio) {
            if (!senseFila(files->ValueAt(posicio, camp))) continue;
            files->Move(posicio - 1, ado::Recordset::MoveStart::First);
            files->SetValue(camp, com::Variant::Null());
            mogut = true;
        }
        if (mogut) files->SetBookmark(lloc);
    }
}

void DataWindow::FixaDataCombo(DataCombo* combo) {
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
