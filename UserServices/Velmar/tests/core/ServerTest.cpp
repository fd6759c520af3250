// The presentation core on the whole server side: a sample database of the
// test's own, the support services loaded by name, and a collector of the
// test's own. Error texts, window translation, the session's transaction
// and change sets sent to the database.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "Ado/Connection.h"
#include "Com/Registry.h"
#include "core/services/Dialogs.h"
#include "core/binding/WindowObject.h"
#include "support/CollectorSandbox.h"
#include "support/DravikSettings.h"
#include "core/services/clsAndamiSistema.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"
#include "support/Files.h"
#include "support/SampleDatabase.h"

namespace {

using velmar::clsFuncionsCapaInterficie;
using velmar::RecordsetRef;

const std::string kEntry = "\rVelmar(exe) - FuncionsCapaInterficie - ";

// A window as the transaction members see it: it offers its support object
// by name.
class DataWindow final : public com::Dispatch<DataWindow> {
public:
    static constexpr const char* kClassName = "frmProva";
    static const com::Members<DataWindow>& Interface() {
        static const com::Members<DataWindow> members = com::Members<DataWindow>().property(
            "objClasseSuportActual", [](DataWindow& f) { return com::Variant(f.support); });
        return members;
    }
    com::ObjectRef support = com::CreateObject("Brintel.SvrPuntsLlum");
};

// A window without a support object.
struct NoSupport final : com::Dispatch<NoSupport> {
    static constexpr const char* kClassName = "frmBuit";
    static const com::Members<NoSupport>& Interface() {
        static const com::Members<NoSupport> none;
        return none;
    }
};

class Server : public testing::TestWithParam<testsupport::Engine> {
protected:
    com::ObjectRef connectionOf(const com::ObjectRef& holder) { return com::Get(holder, "IdTransaccio").toObject(); }
    void execute(const std::string& sql) {
        ado::Connection c;
        c.Open(db_->connectionString());
        c.Execute(sql);
    }
    RecordsetRef companies(const com::ObjectRef& support) {
        std::vector<com::Variant> args{"TTE_Companyia", "CodCompanyia"};
        RecordsetRef rst = f_.PassaXMLARecordset(com::CallRef(support, "GetListAuxiliar", args));
        EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
        return rst;
    }

    testsupport::CollectorSandbox collector_;
    std::unique_ptr<testsupport::TestDatabase> db_ = testsupport::SampleDatabase(GetParam());
    testsupport::ScopedFile dravikIni_{testsupport::DravikIni(), testsupport::DravikSettings(db_->connectionString())};
    clsFuncionsCapaInterficie f_;
};

TEST_P(Server, ErrorBoxShowsTheTextOfTheNumberOrTheNumberItself) {
    std::vector<std::string> shown;
    velmar::dialogs::SetMessageHandler([&](const std::string& text, const std::string&) { shown.push_back(text); });
    struct Case {
        int32_t number, idioma;
        std::string text;
    };
    const Case cases[] = {
        {513, 1, "Falta una clau al fitxer de configuració."},
        {513, 5, "A key is missing from the settings file."},
        {9999, 1, " 9999"},
        {-9999, 1, "-9999"},
    };
    for (const Case& c : cases) {
        f_.NumError = 7;
        f_.EmetError(c.number, "\rA - x - y\rB - x - z", c.idioma);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown.back(), "Error: " + c.text + "\r\r (A - x - y\rB - x - z)");
        EXPECT_EQ(f_.NumError, 7) << "the box reports nothing of its own";
        shown.clear();
    }
    velmar::dialogs::SetMessageHandler({});
}

TEST_P(Server, ErrorBoxKeepsTheEnginesMessageInItsDetails) {
    std::vector<std::string> shown, details;
    velmar::dialogs::SetMessageHandler([&](const std::string& text, const std::string& more) {
        shown.push_back(text);
        details.push_back(more);
    });
    const bool sqlite = GetParam() == testsupport::Engine::SQLite;
    dravikIni_.replace("[General]\nCadenaConnexioBD=" +
                       std::string(sqlite ? "Provider=SQLite;Data Source=/nohies/inventari.db"
                                          : "Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=nohies") +
                       "\nPeriodicitatRecolectorDeixalla=600000\nMaximTempsDeTransaccio=600000\n");
    const com::ObjectRef clients = com::CreateObject("Brintel.SvrClients");
    EXPECT_EQ(com::Call(clients, "GetClients"), com::Variant(""));
    const std::string trail = com::Get(clients, "UbicacioError").toString() + "\rVelmar(exe) - frmClients - Form_Load";

    f_.EmetError(com::Get(clients, "NumError").toLong(), trail, 1);
    ASSERT_EQ(shown.size(), 1u);
    // The database cannot give the number's text either: the bare number.
    const std::string& box = shown.front();
    EXPECT_EQ(box.rfind("Error: -2147467259\r", 0), 0u) << box;
    EXPECT_NE(details.front().find(sqlite ? "The database file does not exist: /nohies/inventari.db" : "Connection refused"),
              std::string::npos)
        << details.front();
    EXPECT_TRUE(box.ends_with("\r\r (" + trail.substr(1) + ")")) << box;
    EXPECT_TRUE(details.front().ends_with("\r\r" + trail.substr(1))) << "and the trail, for support";
    velmar::dialogs::SetMessageHandler({});
}

TEST_P(Server, AWindowTakesItsCaptionsAndKeepsEveryText) {
    execute("INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
            "(5, 'frmProva', 'Formulari', 'Test window', TRUE), (5, 'frmProva', 'lblNom', 'Name', TRUE), "
            "(5, 'frmProva', 'cmdDesa', 'Save', TRUE), (5, 'frmProva', 'fraDades', 'Data', TRUE), "
            "(5, 'frmProva', 'lblAltre', 'Not a caption', FALSE), (1, 'frmProva', 'lblNom', 'Nom', TRUE)");
    QWidget window;
    window.setObjectName("frmProva");
    auto* frame = new QGroupBox("fraDades", &window);
    frame->setObjectName("fraDades");
    auto* name = new QLabel("lblNom", frame);
    name->setObjectName("lblNom");
    auto* save = new QPushButton("cmdDesa", &window);
    save->setObjectName("cmdDesa");
    auto* other = new QLabel("lblAltre", &window);
    other->setObjectName("lblAltre");

    RecordsetRef texts = f_.TradueixFormulariIdioma(std::make_shared<velmar::WindowObject>(&window), 5);
    ASSERT_NE(texts, nullptr) << f_.NumError << f_.UbicacioError;
    EXPECT_EQ(window.windowTitle(), "Test window");
    EXPECT_EQ(frame->title(), "Data");
    EXPECT_EQ(name->text(), "Name");
    EXPECT_EQ(save->text(), "Save");
    EXPECT_EQ(other->text(), "lblAltre");
    EXPECT_EQ(texts->RecordCount(), 5);
    EXPECT_EQ(f_.TradueixMissatgeFormulariIdioma(texts, "lblAltre"), "Not a caption");
}

TEST_P(Server, ATextForAControlTheWindowLacksOrCannotShowStopsTheTranslation) {
    execute("INSERT INTO T_Idioma (NumIdioma, NomFormulari, CodTextIdioma, TextTraduit, EsControl) VALUES "
            "(1, 'frmProva', 'aPrimer', 'Primer', TRUE), (1, 'frmProva', 'bFalta', 'x', TRUE), "
            "(1, 'frmProva', 'cDarrer', 'Darrer', TRUE), (1, 'frmProva2', 'aPrimer', 'Primer', TRUE), "
            "(1, 'frmProva2', 'bCamp', 'x', TRUE)");
    struct Case {
        const char* window;
        int32_t number;
    };
    for (const Case& c : {Case{"frmProva", base::err::ControlNotFound}, Case{"frmProva2", com::err::MemberNotFound}}) {
        QWidget window;
        window.setObjectName(c.window);
        auto* first = new QLabel("aPrimer", &window);
        first->setObjectName("aPrimer");
        (new QLineEdit(&window))->setObjectName("bCamp");
        auto* last = new QLabel("cDarrer", &window);
        last->setObjectName("cDarrer");

        EXPECT_EQ(f_.TradueixFormulariIdioma(std::make_shared<velmar::WindowObject>(&window), 1), nullptr);
        EXPECT_EQ(f_.NumError, c.number) << c.window;
        EXPECT_EQ(f_.UbicacioError, kEntry + "TradueixFormulariIdioma");
        EXPECT_EQ(first->text(), "Primer");
        EXPECT_EQ(last->text(), "cDarrer");
    }
}

TEST_P(Server, NestedTransactionsHandTheirConnectionToTheWindowsSupportObject) {
    auto window = std::make_shared<DataWindow>();
    f_.BeginTransaction(window);
    ASSERT_EQ(f_.NumError, 0) << f_.UbicacioError;
    const com::ObjectRef connection = connectionOf(window->support);
    ASSERT_NE(connection, nullptr);

    // A support object created now joins the transaction.
    const com::ObjectRef joined = f_.CreaObjecteSuport("SvrProjectes");
    ASSERT_NE(joined, nullptr) << f_.UbicacioError;
    EXPECT_EQ(connectionOf(joined), connection);

    f_.BeginTransaction(window);
    f_.CommitTransaction(window);
    EXPECT_EQ(connectionOf(window->support), connection);
    f_.CommitTransaction(window);
    EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
    EXPECT_EQ(connectionOf(window->support), nullptr);

    f_.BeginTransaction(window);
    f_.RollBackTransaction(window);
    EXPECT_EQ(f_.NumError, 0) << f_.UbicacioError;
    EXPECT_EQ(connectionOf(window->support), nullptr);
    EXPECT_EQ(connectionOf(f_.CreaObjecteSuport("SvrProjectes")), nullptr);
}

TEST_P(Server, AFailedBeginLeavesTheSupportObjectAlone) {
    dravikIni_.replace(testsupport::DravikSettings("Provider=SQLite;Data Source=/nonexistent/folder/none.db"));
    auto window = std::make_shared<DataWindow>();
    f_.BeginTransaction(window);
    const com::ObjectRef session = velmar::clsAndamiSistema::Instance().SySSessio;
    EXPECT_NE(f_.NumError, 0);
    EXPECT_EQ(f_.NumError, com::Get(session, "NumError").toLong());
    EXPECT_EQ(f_.UbicacioError, com::Get(session, "UbicacioError").toString() + kEntry + "BeginTransaction");
    EXPECT_NE(f_.UbicacioError.find("\rBrintel - SvrTransaccions - BeginTransaction\r"), std::string::npos);
    EXPECT_EQ(connectionOf(window->support), nullptr);
}

TEST_P(Server, CallsByNameThatFindNoMemberAndUnknownClassesFail) {
    f_.BeginTransaction(std::make_shared<NoSupport>());
    EXPECT_EQ(f_.NumError, com::err::MemberNotFound);
    EXPECT_EQ(f_.UbicacioError, kEntry + "BeginTransaction");
    f_.RollBackTransaction(std::make_shared<DataWindow>());  // ends the level the failed call left open

    EXPECT_EQ(f_.CreaObjecteSuport("SvrNoHiEs"), nullptr);
    EXPECT_EQ(f_.NumError, com::err::CannotCreateObject);
    EXPECT_EQ(f_.UbicacioError, kEntry + "CreaObjecteSuport");
}

TEST_P(Server, AChangeSetSavedInTheSessionsTransactionReachesTheDatabase) {
    auto window = std::make_shared<DataWindow>();
    RecordsetRef rst = companies(window->support);
    ASSERT_NE(rst, nullptr);
    const int32_t before = rst->RecordCount();
    rst->MoveFirst();
    const com::Variant renamed = rst->Value("NumCompanyia");
    rst->SetValue("CodCompanyia", "Companyia d'en \"Pere\" & <fills>");
    rst->Update();
    rst->AddNew();
    rst->SetValue("CodCompanyia", "Nova");
    rst->Update();

    const std::string changes = f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(rst));
    ASSERT_EQ(f_.NumError, 0) << f_.UbicacioError;
    f_.BeginTransaction(window);
    std::vector<com::Variant> args{changes};
    EXPECT_TRUE(com::CallRef(window->support, "SaveTaulaAuxiliar", args).toBool())
        << com::Get(window->support, "UbicacioError").toString();
    f_.CommitTransaction(window);
    ASSERT_EQ(f_.NumError, 0) << f_.UbicacioError;

    RecordsetRef saved = companies(com::CreateObject("Brintel.SvrPuntsLlum"));
    EXPECT_EQ(saved->RecordCount(), before + 1);
    saved->SetFilter("NumCompanyia = " + renamed.toString());
    EXPECT_EQ(saved->Value("CodCompanyia").toString(), "Companyia d'en \"Pere\" & <fills>");
    saved->SetFilter("CodCompanyia = 'Nova'");
    EXPECT_EQ(saved->RecordCount(), 1);

    // A change set with no blocks is still a valid text, and saves nothing.
    args = {f_.ObteActualitzacionsDeXML(f_.PassaRecordsetAXML(companies(window->support)))};
    EXPECT_TRUE(com::CallRef(window->support, "SaveTaulaAuxiliar", args).toBool());
    EXPECT_EQ(companies(window->support)->RecordCount(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, Server, testing::ValuesIn(testsupport::AvailableEngines()),
                         testsupport::EngineParamName);

}  // namespace
