#include "framework/FinestraManteniment.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "core/BindingControl.h"
#include "core/BindingSource.h"
#include "core/BindingWindow.h"
#include "Com/Registry.h"
#include "core/DataCombo.h"
#include "core/Dialegs.h"
#include "core/FormulariObject.h"
#include "core/TaulesAuxiliars.h"
#include "core/clsAndamiSistema.h"

namespace velmar {
namespace {

constexpr int kPosicio = Qt::UserRole;

// The window by member name: its recordsets, its support object and its
// reload, and beyond those what every window offers (Name, Caption,
// Controls).
class FinestraObjecte final : public com::Object, public BindingWindow {
public:
    FinestraObjecte(FinestraManteniment* window, std::string recupera)
        : window_(window), recupera_(std::move(recupera)), form_(std::make_shared<FormulariObject>(window)) {}

    std::string className() const override { return window()->objectName().toStdString(); }
    QWidget* widget() const override { return window(); }

    com::Variant invoke(std::string_view member, com::CallKind kind, com::Args args) override {
        FinestraManteniment* w = window();
        if (kind == com::CallKind::Get || (kind == com::CallKind::Method && args.empty())) {
            if (com::SameName(member, "rstRecordsetActual")) return Recordset(w->rstRecordsetActual);
            if (com::SameName(member, "objClasseSuportActual")) return w->objClasseSuportActual;
            if (const RecordsetRef rows = w->RecordsetLookup(member)) return Recordset(rows);
            if (com::SameName(member, recupera_)) {
                w->Recupera();
                return {};
            }
        }
        return form_->invoke(member, kind, args);
    }

private:
    FinestraManteniment* window() const {
        if (!window_) com::Raise(com::err::ObjectRequired);
        return window_;
    }
    static com::Variant Recordset(const RecordsetRef& rows) {
        if (!rows) return com::ObjectRef();
        return com::ObjectRef(std::make_shared<BindingSource>(rows));
    }

    QPointer<FinestraManteniment> window_;
    std::string recupera_;
    std::shared_ptr<FormulariObject> form_;
};

ado::Recordset& Files(const RecordsetRef& rows) {
    if (!rows) com::Raise(com::err::ObjectRequired);
    return *rows;
}

}  // namespace

FinestraManteniment::FinestraManteniment(Declaracio declaracio, QWidget* parent)
    : QWidget(parent),
      declaracio_(std::move(declaracio)),
      llista_(new QListWidget(this)),
      camps_(new QFormLayout),
      botonsPropis_(new QHBoxLayout) {
    setObjectName(QString::fromUtf8(declaracio_.nom.data(), static_cast<qsizetype>(declaracio_.nom.size())));
    objecte_ = std::make_shared<FinestraObjecte>(this, declaracio_.recupera);
    DonaAConeixerFormulari(this, objecte_);

    llista_->setSortingEnabled(true);
    llista_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(llista_, &QListWidget::itemClicked, this, [this] { RefrescaFormulariAmbLlista(); });
    connect(llista_, &QListWidget::currentRowChanged, this, [this] { RefrescaFormulariAmbLlista(); });

    cmdNou_ = dialegs::Control<QPushButton>(this, "cmdNou");
    cmdEditar_ = dialegs::Control<QPushButton>(this, "cmdEditar");
    cmdEliminar_ = dialegs::Control<QPushButton>(this, "cmdEliminar");
    cmdSortir_ = dialegs::Control<QPushButton>(this, "cmdSortir");
    cmdSortirEdicio_ = dialegs::Control<QPushButton>(this, "cmdSortirEdicio");
    cmdDesferCanvis_ = dialegs::Control<QPushButton>(this, "cmdDesferCanvis");
    connect(cmdNou_, &QPushButton::clicked, this, [this] { Nou(); });
    connect(cmdEditar_, &QPushButton::clicked, this, [this] { Editar(); });
    connect(cmdEliminar_, &QPushButton::clicked, this, [this] { Eliminar(); });
    connect(cmdSortir_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSortirEdicio_, &QPushButton::clicked, this, [this] { SortirEdicio(); });
    connect(cmdDesferCanvis_, &QPushButton::clicked, this, [this] { UndoChanges(); });

    auto* botons = new QHBoxLayout;
    for (QPushButton* b : {cmdNou_, cmdEditar_, cmdEliminar_, cmdSortirEdicio_, cmdDesferCanvis_, cmdSortir_})
        botons->addWidget(b);
    auto* layout = new QGridLayout(this);
    layout->addWidget(dialegs::Control<QLabel>(this, declaracio_.etiquetaLlista), 0, 0);
    layout->addWidget(llista_, 1, 0);
    layout->addLayout(camps_, 1, 1);
    layout->addLayout(botons, 2, 0, 1, 2);
    layout->addLayout(botonsPropis_, 3, 0, 1, 2);
}

// Form_Terminate: the support object goes first, then the helper.
FinestraManteniment::~FinestraManteniment() { objClasseSuportActual.reset(); }

RecordsetRef FinestraManteniment::RecordsetLookup(std::string_view name) const {
    for (const Lookup& lookup : lookups_)
        if (com::SameName(lookup.recordset, name)) return lookup.rows;
    return nullptr;
}

QWidget* FinestraManteniment::AfegeixCamp(const char* label, const char* name, const char* dataField) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setProperty("DataField", dataField);
    camps_->addRow(dialegs::Control<QLabel>(this, label), edit);
    return edit;
}

DataCombo* FinestraManteniment::AfegeixDataCombo(const char* label, const char* name, const char* dataField,
                                                 const std::string& recordset, const std::string& operacio,
                                                 const std::string& listField, const std::string& boundColumn) {
    auto* combo = new DataCombo(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->SetDataField(dataField);
    combo->SetListField(listField);
    combo->SetBoundColumn(boundColumn);
    combo->installEventFilter(this);
    camps_->addRow(dialegs::Control<QLabel>(this, label), combo);
    lookups_.push_back({recordset, operacio, combo, nullptr});
    return combo;
}

void FinestraManteniment::AfegeixLlista(const std::string& recordset, const std::string& operacio) {
    lookups_.push_back({recordset, operacio, nullptr, nullptr});
}

template <class Body>
void FinestraManteniment::TopLevel(std::string_view member, Body body) {
    if (!dialegs::Procediment(*this, declaracio_.nom, member, body)) MostraError();
}

template <class Body>
void FinestraManteniment::Inner(std::string_view member, Body body) {
    dialegs::Procediment(*this, declaracio_.nom, member, body);
}

void FinestraManteniment::MostraError() {
    objFuncionsCapaInterficie.EmetError(NumError, UbicacioError, clsAndamiSistema::Instance().Idioma());
}

void FinestraManteniment::ProvaInterna() const {
    if (NumError != 0) com::Raise(NumError);
}

void FinestraManteniment::ProvaFuncions() { dialegs::PropagaError(*this, objFuncionsCapaInterficie); }

com::Variant FinestraManteniment::CridaSuport(std::string_view member, std::vector<com::Variant> args) {
    com::Variant result = com::CallRef(objClasseSuportActual, member, args);
    if (const int32_t number = com::Get(objClasseSuportActual, "NumError").toLong(); number != 0) {
        UbicacioError = com::Get(objClasseSuportActual, "UbicacioError").toString();
        com::Raise(number);
    }
    return result;
}

void FinestraManteniment::IniciFormulari() {
    TopLevel("IniciFormulari", [this] {
        objClasseSuportActual = declaracio_.suportPerNom
                                    ? objFuncionsCapaInterficie.CreaObjecteSuport(declaracio_.classeSuport)
                                    : com::CreateObject("Brintel." + declaracio_.classeSuport);
        ProvaFuncions();
        rstRecordsetIdioma = objFuncionsCapaInterficie.TradueixFormulariIdioma(
            std::make_shared<FormulariObject>(this), clsAndamiSistema::Instance().Idioma());
        ProvaFuncions();
        intModeFormulari = 0;
        for (Lookup& lookup : lookups_) {
            strXML_ = CridaSuport(lookup.operacio).toString();
            lookup.rows = objFuncionsCapaInterficie.PassaXMLARecordset(strXML_);
            ProvaFuncions();
        }
        Recupera();
        ProvaInterna();
        objFuncionsCapaInterficie.LinkControls(objecte_);
        ProvaFuncions();
        for (Lookup& lookup : lookups_) {
            if (!lookup.combo) continue;
            lookup.combo->SetRowSource(lookup.rows);
            lookup.combo->Refresh();
        }
        RefrescaFormulariActualitzacio();
        ProvaInterna();
        RefrescaFormulariLectura();
        ProvaInterna();
        SetModeEdicio(false);
    });
}

void FinestraManteniment::SetModeEdicio(bool value) {
    RefreshModeFormEdicio(value);
    modeEdicio_ = value;
}

void FinestraManteniment::RefreshModeFormEdicio(bool edicio) {
    TopLevel("RefreshModeFormEdicio", [this, edicio] {
        for (QPushButton* b : {cmdNou_, cmdEditar_, cmdEliminar_, cmdSortir_}) b->setVisible(!edicio);
        for (QPushButton* b : {cmdSortirEdicio_, cmdDesferCanvis_}) b->setVisible(edicio);
        for (QWidget* control : findChildren<QWidget*>()) {
            const std::string type = binding::ControlType(control);
            if (type == "TextBox") static_cast<QLineEdit*>(control)->setReadOnly(!edicio);
            else if (type == "DataCombo" || type == "ComboBox") control->setEnabled(edicio);
        }
        llista_->setEnabled(!edicio);
    });
}

void FinestraManteniment::Recupera() {
    Inner(declaracio_.recupera, [this] {
        if (intModeFormulari != 0 && intModeFormulari != 1) {
            strXML_ = objFuncionsCapaInterficie.PurgaActualitzacionsRecordset(rstRecordsetActual);
            ProvaFuncions();
        } else {
            strXML_ = CridaSuport(declaracio_.operacioLlista).toString();
        }
        rstRecordsetActual = objFuncionsCapaInterficie.PassaXMLARecordset(strXML_);
        ProvaFuncions();
    });
}

void FinestraManteniment::RefrescaFormulariActualitzacio() {
    Inner("RefrescaFormulariActualitzacio", [this] {
        ado::Recordset& rows = Files(rstRecordsetActual);
        {
            // The click handling runs once, for the first item, below.
            const QSignalBlocker blocker(llista_);
            llista_->clear();
            if (rows.RecordCount() < 1) return;
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
                auto* item = new QListWidgetItem(
                    QString::fromStdString(rows.Value(declaracio_.campLlista).toString()), llista_);
                item->setData(kPosicio, rows.AbsolutePosition());
            }
            llista_->setCurrentRow(0);
        }
        RefrescaFormulariAmbLlista();
    });
}

void FinestraManteniment::RefrescaFormulariLectura() {
    Inner("RefrescaFormulariLectura", [this] {
        ado::Recordset& rows = Files(rstRecordsetActual);
        if (rows.RecordCount() < 1 || llista_->count() < 1 || !llista_->currentItem()) return;
        rows.Move(llista_->currentItem()->data(kPosicio).toInt() - 1, ado::Recordset::MoveStart::First);
    });
}

void FinestraManteniment::RefrescaFormulariAmbLlista() {
    TopLevel("RefrescaFormulariAmbLlista", [this] {
        RefrescaFormulariLectura();
        ProvaInterna();
    });
}

bool FinestraManteniment::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        if (auto* combo = dynamic_cast<DataCombo*>(watched)) FixaDataCombo(combo);
    return QWidget::eventFilter(watched, event);
}

void FinestraManteniment::FixaDataCombo(DataCombo* combo) {
    TopLevel("FixaDataCombo", [this, combo] {
        if (!combo->MatchedWithList()) return;
        ado::Recordset& rows = Files(rstRecordsetActual);
        if (rows.IsEOF()) return;
        rows.SetValue(combo->DataField(), com::Val(combo->BoundValue().toString()));
    });
}

std::string FinestraManteniment::Missatge(const std::string& code) {
    if (code.empty()) return {};
    std::string text = objFuncionsCapaInterficie.TradueixMissatgeFormulariIdioma(rstRecordsetIdioma, code);
    ProvaFuncions();
    return text;
}

std::string FinestraManteniment::CadenaValidacioEditar() {
    std::string text;
    Inner("CadenaValidacioEditar", [this, &text] {
        text = Missatge(Files(rstRecordsetActual).RecordCount() == 0 ? "valNoRegistresEditar" : "");
    });
    return text;
}

std::string FinestraManteniment::CadenaValidacioEliminar() {
    std::string text;
    Inner("CadenaValidacioEliminar", [this, &text] {
        text = Missatge(Files(rstRecordsetActual).RecordCount() == 0 ? "valNoRegistresEliminar"
                                                                      : CodiValidacioEliminar());
    });
    return text;
}

std::string FinestraManteniment::CadenaValidacioRegistreActual() {
    std::string text;
    Inner("CadenaValidacioRegistreActual", [this, &text] { text = Missatge(CodiValidacioRegistreActual()); });
    return text;
}

void FinestraManteniment::Nou() {
    TopLevel("Nou", [this] {
        intModeFormulari = 1;
        Files(rstRecordsetActual).AddNew();
        SetModeEdicio(true);
    });
}

void FinestraManteniment::Editar() {
    TopLevel("Editar", [this] {
        const std::string message = CadenaValidacioEditar();
        ProvaInterna();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        SetModeEdicio(true);
        intModeFormulari = 2;
    });
}

void FinestraManteniment::Eliminar() {
    TopLevel("Eliminar", [this] {
        const std::string message = CadenaValidacioEliminar();
        ProvaInterna();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        const std::string question = objFuncionsCapaInterficie.TradueixDefecteMissatgeFormulariIdioma(
            rstRecordsetIdioma, "valTextEliminar", "valTextEliminar");
        ProvaFuncions();
        if (!dialegs::PreguntaSiNo(question)) return;
        intModeFormulari = 2;
        Files(rstRecordsetActual).Delete();
        PropagaCanvisABD();
        ProvaInterna();
        RefrescaFormulariActualitzacio();
        ProvaInterna();
        intModeFormulari = 0;
    });
}

void FinestraManteniment::SortirEdicio() {
    TopLevel("SortirEdicio", [this] {
        const std::string message = CadenaValidacioRegistreActual();
        ProvaInterna();
        if (!message.empty()) return dialegs::MissatgeOk(message);
        if (Files(rstRecordsetActual).RecordCount() > 0) {
            rstRecordsetActual->Update();
            PropagaCanvisABD();
            ProvaInterna();
            RefrescaFormulariActualitzacio();
            ProvaInterna();
        }
        SetModeEdicio(false);
        intModeFormulari = 0;
    });
}

void FinestraManteniment::UndoChanges() {
    TopLevel("UndoChanges", [this] {
        Files(rstRecordsetActual).CancelUpdate();
        RefrescaFormulariLectura();
        ProvaInterna();
        RefrescaFormulariActualitzacio();
        ProvaInterna();
        SetModeEdicio(false);
        intModeFormulari = 0;
    });
}

void FinestraManteniment::PropagaCanvisABD() {
    Inner("PropagaCanvisABD", [this] {
        try {
            objFuncionsCapaInterficie.DeslinkControls(objecte_);
            ProvaFuncions();
            strXML_ = objFuncionsCapaInterficie.PassaRecordsetAXML(rstRecordsetActual);
            ProvaFuncions();
            const std::string canvis = objFuncionsCapaInterficie.ObteActualitzacionsDeXML(strXML_);
            ProvaFuncions();
            CridaSuport(declaracio_.operacioDesa, {canvis});
            Recupera();
            ProvaInterna();
            objFuncionsCapaInterficie.LinkControls(objecte_);
            ProvaFuncions();
        } catch (...) {
            // The controls follow whatever recordset the window now holds;
            // the failure itself goes on to the handler.
            objFuncionsCapaInterficie.LinkControls(objecte_);
            throw;
        }
    });
}

}  // namespace velmar
