// Controls of a window bound to its recordsets, the data combo, and the
// counts the windows' validation asks of a recordset.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/binding/BindingControl.h"
#include "core/binding/BindingSource.h"
#include "core/binding/BindingWindow.h"
#include "core/controls/DataCombo.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace {

using velmar::clsFuncionsCapaInterficie;
using velmar::RecordsetRef;

const std::string kZones =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\n"
    "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\n"
    "\txmlns:rs='urn:schemas-microsoft-com:rowset'\n"
    "\txmlns:z='#RowsetSchema'>\n"
    "<s:Schema id='RowsetSchema'>\n"
    "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'>\n"
    "\t\t<s:AttributeType name='NumZona' rs:number='1'>\n"
    "\t\t\t<s:datatype dt:type='int' dt:maxLength='4' rs:precision='10' rs:fixedlength='true'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:AttributeType name='NomZona' rs:number='2' rs:nullable='true'>\n"
    "\t\t\t<s:datatype dt:type='string' dt:maxLength='50'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:AttributeType name='Actiu' rs:number='3' rs:nullable='true'>\n"
    "\t\t\t<s:datatype dt:type='boolean' dt:maxLength='2' rs:fixedlength='true'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:AttributeType name='Alta' rs:number='4' rs:nullable='true'>\n"
    "\t\t\t<s:datatype dt:type='dateTime' dt:maxLength='16' rs:fixedlength='true'/>\n"
    "\t\t</s:AttributeType>\n"
    "\t\t<s:extends type='rs:rowbase'/>\n"
    "\t</s:ElementType>\n"
    "</s:Schema>\n"
    "<rs:data>\n"
    "\t<z:row NumZona='1' NomZona='Nord' Actiu='True' Alta='2024-03-01T00:00:00'/>\n"
    "\t<z:row NumZona='2' NomZona='L&apos;Horta' Actiu='False'/>\n"
    "\t<z:row NumZona='3' NomZona='Nord' Alta='2024-03-01T10:30:00'/>\n"
    "\t<z:row NumZona='5'/>\n"
    "</rs:data>\n</xml>";

RecordsetRef Zones() { return std::make_shared<ado::Recordset>(ado::Recordset::FromXml(kZones)); }

std::string Entry(const std::string& member) { return "\rVelmar(exe) - FuncionsCapaInterficie - " + member; }

// A window with the two recordset properties the controls' Tags name, and
// one property whose reading fails.
class Window final : public com::Dispatch<Window>, public velmar::BindingWindow {
public:
    static constexpr const char* kClassName = "frmProva";
    static const com::Members<Window>& Interface() {
        static const com::Members<Window> members = [] {
            com::Members<Window> m;
            m.property("rstRecordsetActual", [](Window& w) { return com::Variant(source(w.actual)); });
            m.property("rstRecordsetSuport", [](Window& w) { return com::Variant(source(w.suport)); });
            m.property("Trencada", [](Window&) -> com::Variant { com::Raise(91); });
            return m;
        }();
        return members;
    }
    QWidget* widget() const override { return const_cast<QWidget*>(&form); }

    template <class Control>
    Control* add(const char* dataField, const char* tag = "") {
        auto* control = new Control(&form);
        control->setProperty("DataField", dataField);
        control->setProperty("Tag", tag);
        return control;
    }

    QWidget form;
    RecordsetRef actual = Zones();
    RecordsetRef suport = Zones();

private:
    static com::ObjectRef source(const RecordsetRef& r) { return std::make_shared<velmar::BindingSource>(r); }
};

class Binding : public testing::Test {
protected:
    std::shared_ptr<Window> window = std::make_shared<Window>();
    clsFuncionsCapaInterficie f;
};

TEST_F(Binding, ExisteixPropietatAnswersWhetherAPropertyReads) {
    EXPECT_TRUE(f.ExisteixPropietat(com::ObjectRef(window), "RSTRECORDSETACTUAL").toBool());
    EXPECT_EQ(f.NumError, 0);

    EXPECT_FALSE(f.ExisteixPropietat(com::ObjectRef(window), "rstNoHiEs").toBool());
    EXPECT_EQ(f.NumError, 0);
    EXPECT_EQ(f.UbicacioError, "");

    // Any other failure of the read is reported.
    EXPECT_FALSE(f.ExisteixPropietat(com::ObjectRef(window), "Trencada").toBool());
    EXPECT_EQ(f.NumError, 91);
    EXPECT_EQ(f.UbicacioError, Entry("ExisteixPropietat"));
}

TEST_F(Binding, BoundControlsFollowTheirRecordsetAndWriteEditsBack) {
    auto* nom = window->add<QLineEdit>(" NomZona ");
    auto* num = window->add<QLineEdit>("NumZona");
    auto* actiu = window->add<QCheckBox>("Actiu", "rstRecordsetSuport");
    auto* combo = window->add<QComboBox>("NomZona");
    combo->addItems({"Nord", "L'Horta"});
    auto* label = window->add<QLabel>("NomZona");
    auto* list = window->add<QListWidget>("NomZona");
    // Skipped before its Tag is looked at.
    auto* unbound = window->add<QLineEdit>("  ", "rstNoHiEs");

    f.LinkControls(window);
    ASSERT_EQ(f.NumError, 0) << f.UbicacioError;

    EXPECT_EQ(nom->maxLength(), 50);
    // A number is not limited to its width in bytes.
    EXPECT_EQ(num->maxLength(), QLineEdit().maxLength());
    EXPECT_EQ(num->text(), "1");
    EXPECT_EQ(nom->text(), "Nord");
    EXPECT_EQ(combo->currentText(), "Nord");
    EXPECT_TRUE(actiu->isChecked());
    EXPECT_EQ(velmar::binding::DataSource(nom), window->actual);
    EXPECT_EQ(velmar::binding::DataSource(actiu), window->suport);
    for (QWidget* ignored : std::initializer_list<QWidget*>{label, list, unbound})
        EXPECT_EQ(velmar::binding::DataSource(ignored), nullptr);

    window->actual->MoveNext();
    window->suport->MoveNext();
    EXPECT_EQ(nom->text(), "L'Horta");
    EXPECT_EQ(combo->currentText(), "L'Horta");
    EXPECT_FALSE(actiu->isChecked());

    // An edit reaches the record, and the other controls on it show it.
    nom->setText("Nord");
    EXPECT_EQ(window->actual->Value("NomZona").toString(), "Nord");
    EXPECT_EQ(combo->currentText(), "Nord");
    actiu->setChecked(true);
    EXPECT_TRUE(window->suport->Value("Actiu").toBool());
    nom->setText("");
    EXPECT_TRUE(window->actual->Value("NomZona").isNull());

    // A record with no value, and no record at all, show nothing.
    window->actual->MoveLast();
    EXPECT_EQ(nom->text(), "");
    window->actual->MoveNext();
    EXPECT_EQ(nom->text(), "");
    // An edit with no record to take it is undone.
    nom->setText("Sud");
    EXPECT_EQ(nom->text(), "");

    f.DeslinkControls(window);
    ASSERT_EQ(f.NumError, 0);
    EXPECT_EQ(velmar::binding::DataSource(nom), nullptr);
    window->actual->MoveFirst();
    EXPECT_EQ(nom->text(), "");
}

TEST_F(Binding, AMissingRecordsetPropertyIsError519AndKeepsEarlierBindings) {
    auto* first = window->add<QLineEdit>("NomZona");
    window->add<QLineEdit>("NomZona", "rstNoHiEs");

    f.LinkControls(window);
    EXPECT_EQ(f.NumError, 519);
    EXPECT_EQ(f.UbicacioError, Entry(" LinkControls"));
    EXPECT_EQ(velmar::binding::DataSource(first), window->actual);
}

TEST_F(Binding, AFieldTheRecordsetLacksFailsWithItsError) {
    window->add<QCheckBox>("NoHiEs");
    f.LinkControls(window);
    EXPECT_NE(f.NumError, 0);
    EXPECT_EQ(f.UbicacioError.substr(f.UbicacioError.rfind('\r')), Entry(" LinkControls"));
}

TEST_F(Binding, DataComboShowsTheCodeAndBindsTheNumber) {
    auto* combo = window->add<velmar::DataCombo>("NumZona");
    EXPECT_EQ(combo->DataField(), "NumZona");
    combo->SetRowSource(Zones());
    combo->SetListField("NomZona");
    combo->SetBoundColumn("NumZona");

    // Bound before its list is read, it shows the record's row once it is.
    f.LinkControls(window);
    ASSERT_EQ(f.NumError, 0) << f.UbicacioError;
    combo->Refresh();
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentText(), "Nord");
    EXPECT_EQ(window->actual->EditMode(), ado::EditState::None);
    window->actual->MoveNext();
    EXPECT_EQ(combo->currentText(), "L'Horta");

    // Its binding only shows the field: choosing or typing writes nothing
    // (the window writes it when the combo is left), and an edit of
    // another field leaves a typed text alone.
    combo->setCurrentIndex(0);
    EXPECT_EQ(window->actual->Value("NumZona").toLong(), 2);
    EXPECT_EQ(window->actual->EditMode(), ado::EditState::None);
    combo->setEditText("Sud");
    window->actual->SetValue("NomZona", "Horta");
    EXPECT_EQ(combo->currentText(), "Sud");
    window->actual->SetValue("NumZona", 1);
    EXPECT_EQ(combo->currentText(), "Nord");

    struct Case { const char* text; bool matched; };
    for (const Case c : {Case{"Nord", true}, Case{"nord", true}, Case{"Sud", false}, Case{"", true}}) {
        combo->setEditText(c.text);
        EXPECT_EQ(combo->MatchedWithList(), c.matched) << c.text;
    }
    combo->setEditText("Sud");
    EXPECT_TRUE(combo->BoundValue().isNull());
}

// Its popup list is built only when first opened: it lists the codes then,
// and a code typed in part is completed as the user types, in any case.
TEST_F(Binding, DataComboListsItsCodesWhenOpenedAndCompletesATypedOne) {
    auto* combo = window->add<velmar::DataCombo>("NumZona");
    combo->SetRowSource(Zones());
    combo->SetListField("NomZona");
    combo->SetBoundColumn("NumZona");
    combo->Refresh();
    window->form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window->form));

    combo->showPopup();
    ASSERT_TRUE(combo->view()->isVisible());
    EXPECT_EQ(combo->view()->model()->rowCount(), 4);
    EXPECT_EQ(combo->view()->model()->index(1, 0).data().toString(), "L'Horta");
    combo->hidePopup();

    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), "l'h");
    EXPECT_EQ(combo->currentText().toLower(), "l'horta");
    EXPECT_TRUE(combo->MatchedWithList());
    EXPECT_EQ(combo->BoundValue().toLong(), 2);
}

TEST_F(Binding, ValorCampRepetitCountsTheCurrentValue) {
    RecordsetRef zones = Zones();
    EXPECT_TRUE(f.ValorCampRepetit(zones, "NomZona"));  // "Nord" twice
    zones->MoveNext();
    EXPECT_FALSE(f.ValorCampRepetit(zones, "NomZona"));  // an apostrophe, once
    EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    zones->MoveLast();
    EXPECT_FALSE(f.ValorCampRepetit(zones, "NomZona"));  // Null equals nothing
    EXPECT_FALSE(f.ValorCampRepetit(zones, "NumZona"));

    // The row being edited counts with its edit, which stays open; rows the
    // filter hides count too.
    zones->SetFilter("NumZona > 2");
    zones->SetValue("NomZona", "l'horta");
    EXPECT_TRUE(f.ValorCampRepetit(zones, "NomZona"));
    EXPECT_EQ(zones->EditMode(), ado::EditState::InProgress);
    zones->AddNew();
    zones->SetValue("NomZona", "Carrer d'Avall");
    EXPECT_FALSE(f.ValorCampRepetit(zones, "NomZona"));
    EXPECT_EQ(zones->EditMode(), ado::EditState::Add);

    EXPECT_FALSE(f.ValorCampRepetit(zones, "NoHiEs"));
    EXPECT_NE(f.NumError, 0);
    EXPECT_EQ(f.UbicacioError, Entry("ValorCampRepetit"));
}

TEST_F(Binding, ComptaAparicionsValorEnRecordsetComparesTheValueAsTheFieldsType) {
    struct Case { const char* field; com::Variant value; int32_t count; };
    const Case cases[] = {
        {"NumZona", 5, 1},
        {"NumZona", -5, 0},
        {"NumZona", 2.0, 1},
        {"Actiu", true, 1},
        {"NomZona", "L'Horta", 1},
        {"Alta", com::Date::FromParts(2024, 3, 1), 1},
        {"Alta", com::Date::FromParts(2024, 3, 1, 10, 30), 1},
        {"NomZona", "nord", 2},
        {"NumZona", "5", 1},
        {"NumZona", "cinc", 0},
        {"NomZona", com::Variant::Null(), 0},
        {"NomZona", com::Variant(), 0},
    };
    RecordsetRef zones = Zones();
    for (const Case& c : cases) {
        EXPECT_EQ(f.ComptaAparicionsValorEnRecordset(zones, c.field, c.value), c.count) << c.field;
        EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    }
}

TEST_F(Binding, CountingKeepsFilterPositionAndTheControlsOnTheRecord) {
    auto* nom = window->add<QLineEdit>("NomZona");
    f.LinkControls(window);
    RecordsetRef zones = window->actual;

    zones->SetFilter("NumZona > 1");
    zones->MoveNext();
    EXPECT_EQ(f.ComptaAparicionsEnRecordset(zones, "NomZona = 'Nord'"), 2);
    EXPECT_EQ(zones->Filter().toString(), "NumZona > 1");
    EXPECT_EQ(zones->Value("NumZona").toLong(), 3);
    EXPECT_EQ(nom->text(), "Nord");

    // No filter before is no filter after.
    zones->ClearFilter();
    EXPECT_EQ(f.ComptaAparicionsEnRecordset(zones, "Actiu = True"), 1);
    EXPECT_EQ(zones->Filter(), com::Variant(0));
    EXPECT_EQ(zones->RecordCount(), 4);

    // A rejected filter counts nothing; the controls still follow the record.
    EXPECT_EQ(f.ComptaAparicionsEnRecordset(zones, "NoHiEs = 1"), 0);
    EXPECT_NE(f.NumError, 0);
    EXPECT_EQ(f.UbicacioError, Entry("ComptaAparicionsEnRecordset"));
    zones->MoveNext();
    EXPECT_EQ(nom->text(), "L'Horta");

    // At the end, or on no rows at all, there is no position to return to.
    zones->MoveLast();
    zones->MoveNext();
    EXPECT_EQ(f.ComptaAparicionsEnRecordset(zones, "NumZona = 1"), 1);
    EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    zones->SetFilter("NumZona = 9");
    EXPECT_EQ(f.ComptaAparicionsEnRecordset(zones, ""), 4);
    EXPECT_EQ(f.NumError, 0) << f.UbicacioError;
    EXPECT_EQ(zones->RecordCount(), 0);
}

TEST_F(Binding, PosaCampsANulEmptiesTheCurrentRecord) {
    RecordsetRef zones = Zones();
    f.PosaCampsANul(zones);
    ASSERT_EQ(f.NumError, 0) << f.UbicacioError;
    for (int32_t field = 0; field < zones->FieldCount(); ++field) EXPECT_TRUE(zones->Value(field).isNull());

    zones->MoveLast();
    zones->MoveNext();
    f.PosaCampsANul(zones);
    EXPECT_NE(f.NumError, 0);
    EXPECT_EQ(f.UbicacioError, Entry(" PosaCampsANul"));
}

}  // namespace
