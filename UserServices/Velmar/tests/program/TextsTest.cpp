// The texts of every window that opens by name, in Català, Castellano and
// English: each caption a window would show as its control's name and each
// message code its sources name, or that the framework asks of it for its
// boxes over numbers, has its row in the sample database, every
// window opens in each language with its captions translated, and a window
// without any row of its own still opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "Ado/Recordset.h"
#include "Com/Registry.h"
#include "NumberBoxes.h"
#include "RegisteredWindowsFixture.h"
#include "framework/References.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t kIdiomes[] = {1, 2, 5};

// The caption a label, button or frame shows; none for other controls.
std::optional<QString> Caption(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    return std::nullopt;
}

// The controls that show their own name as their caption.
std::set<std::string> CaptionsOfTheirOwnName(const QWidget& window) {
    std::set<std::string> names;
    for (const QWidget* control : window.findChildren<QWidget*>())
        if (!control->objectName().isEmpty() && Caption(control) == control->objectName())
            names.insert(control->objectName().toStdString());
    return names;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The message codes a window's sources name: literals such as
// "valAlgunCampBuit" in its own files and, through their includes, in the
// shapes under framework/ it is declared over. Codes built at run time
// ("fld" and a field's name) are not seen.
std::set<std::string> MessageCodes(const std::string& window) {
    const fs::path root = fs::path(VELMAR_SOURCE_DIR).lexically_normal();
    std::vector<fs::path> pending;
    // The window's files: its own name, or its name without "frm" and a
    // part of it ("PuntsLlumControls" of frmPuntsLlum).
    const std::string parts = window.substr(3);
    const auto ofTheWindow = [&window, &parts](const fs::path& path) {
        const std::string stem = path.stem().string();
        return stem == window ||
               (stem.starts_with(parts) && stem.size() > parts.size() &&
                std::isupper(static_cast<unsigned char>(stem[parts.size()])));
    };
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (ofTheWindow(entry.path()) && *entry.path().lexically_relative(root).begin() != "tests")
            pending.push_back(entry.path());

    static const std::regex code(R"re("((?:val|dta|fld|clh|chl|tab)[A-Z]\w*|(?:Primer|Segon)TextNum\w+)")re");
    static const std::regex include(R"re(#include "(framework/\w+)\.h")re");
    std::set<std::string> codes;
    std::set<fs::path> seen;
    while (!pending.empty()) {
        const fs::path file = pending.back();
        pending.pop_back();
        if (!seen.insert(file).second || !fs::exists(file)) continue;
        const std::string text = Read(file);
        for (std::sregex_iterator m(text.begin(), text.end(), code), end; m != end; ++m) codes.insert((*m)[1]);
        for (std::sregex_iterator m(text.begin(), text.end(), include), end; m != end; ++m)
            for (const char* ext : {".h", ".cpp"}) pending.push_back(root / ((*m)[1].str() + ext));
    }
    return codes;
}

// The codes of the messages the framework asks of a window that has a box
// over a number (core/services/Numbers.h), when its typing is no value: no source of
// the window names them, so its boxes tell.
void CodisDeNumeros(const QWidget& window, std::set<std::string>& codes) {
    if (NumberBoxes(window).empty()) return;
    for (const velmar::ParseOutcome lectura :
         {velmar::ParseOutcome::NoNumero, velmar::ParseOutcome::NoEnter, velmar::ParseOutcome::NoHiCap})
        codes.insert(velmar::MessageCode(lectura));
}

// The table whose rows each window deletes with a check of what refers to
// them (framework/References.h), whose message code is "valReferenciat"
// and the name of the table that refers: one for each table that can.
const std::map<std::string, std::string> kTaulaEliminada = {
    {"frmCarrers", "T_Carrer"},        {"frmZones", "T_Zona"},
    {"frmTrams", "T_Tram"},            {"frmEscomeses", "T_Escomesa"},
    {"frmEscomesaElem", "T_EscomesaElements"}, {"frmPuntsLlum", "T_PuntLlum"},
    {"frmProjectes", "T_Projecte"},    {"frmClients", "T_Client"},
    {"frmManteniments", "T_TipusManteniment"}, {"frmUsuaris", "T_Usuari"},
};

// The codes of that check in place of the prefix the sources name.
void CodisDeReferencies(const std::string& window, std::set<std::string>& codes) {
    const std::string prefix = "valReferenciat";
    if (!codes.erase(prefix)) return;
    const auto taula = kTaulaEliminada.find(window);
    if (taula == kTaulaEliminada.end()) return;  // a shape it does not use
    for (const std::string& fill : velmar::references::TablesThatMayRefer(taula->second))
        codes.insert(prefix + fill);
}

// Whether the window reaches the code: the project-access dialog has no
// edit (nor an edit to drop) and the element dialog no delete, whose codes
// the shape they are built on names.
bool Arriba(const std::string& window, const std::string& code) {
    return !(window == "frmUsuariProjecte" && (code == "valNoRegistresEditar" || code == "valDescartarCanvis")) &&
           !(window == "frmElementsProp" && code == "valTextEliminar");
}

// The rows of a window's texts in one language: code and whether it is a
// caption.
std::map<std::string, bool> Rows(int32_t idioma, const std::string& window) {
    const com::ObjectRef service = com::CreateObject("Brintel.SvrIdiomes");
    ado::Recordset rows = ado::Recordset::FromXml(com::Call(service, "GetTextIdioma", {idioma, window}).toString());
    std::map<std::string, bool> codes;
    if (rows.RecordCount() > 0)
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            codes[rows.Value("CodTextIdioma").toString()] = rows.Value("EsControl").toBool();
    return codes;
}

using Texts = RegisteredWindowsFixture;

TEST_F(Texts, EveryWindowOpensInEachLanguageWithItsCaptionsTranslated) {
    for (const int32_t idioma : kIdiomes) {
        velmar::clsAndamiSistema::Instance().SetIdioma(idioma);
        for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows()) {
            const std::unique_ptr<QWidget> window = velmar::OpenWindow(finestra, OpeningOptions(finestra.nom));
            ASSERT_NE(window, nullptr) << finestra.nom;
            EXPECT_TRUE(sessio.shown.empty()) << finestra.nom << " in " << idioma << ": " << sessio.shown.front();
            sessio.shown.clear();
            EXPECT_NE(window->windowTitle(), "") << finestra.nom << " in " << idioma;
            EXPECT_EQ(CaptionsOfTheirOwnName(*window), std::set<std::string>())
                << finestra.nom << " in " << idioma << " shows control names";
        }
    }
}

TEST_F(Texts, EveryCaptionAndMessageCodeHasItsRowInEachLanguage) {
    for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows()) {
        std::map<int32_t, std::map<std::string, bool>> rows;
        for (const int32_t idioma : kIdiomes) rows[idioma] = Rows(idioma, finestra.nom);

        // Without a row of its own the window still opens, and shows the
        // captions it was designed with.
        sessio.execute(std::string("DELETE FROM T_Idioma WHERE NomFormulari = '") + finestra.nom + "'");
        const std::unique_ptr<QWidget> window = velmar::OpenWindow(finestra, OpeningOptions(finestra.nom));
        ASSERT_NE(window, nullptr) << finestra.nom;
        EXPECT_TRUE(sessio.shown.empty()) << finestra.nom << " without texts: " << sessio.shown.front();
        sessio.shown.clear();

        std::set<std::string> captions = CaptionsOfTheirOwnName(*window);
        captions.insert("Formulari");
        std::set<std::string> codes = MessageCodes(finestra.nom);
        CodisDeReferencies(finestra.nom, codes);
        CodisDeNumeros(*window, codes);
        // The name of one of the window's controls (tabDades) is no code.
        std::erase_if(codes, [&window](const std::string& code) {
            return window->findChild<QObject*>(QString::fromStdString(code)) != nullptr;
        });
        for (const int32_t idioma : kIdiomes) {
            for (const std::string& caption : captions)
                EXPECT_TRUE(rows[idioma].contains(caption) && rows[idioma][caption])
                    << finestra.nom << ": no caption row for " << caption << " in " << idioma;
            for (const std::string& code : codes)
                EXPECT_TRUE(!Arriba(finestra.nom, code) || (rows[idioma].contains(code) && !rows[idioma][code]))
                    << finestra.nom << ": no message row for " << code << " in " << idioma;
        }
    }
}

// The start window's menu: its two menus and the caption of each window
// it offers.
TEST_F(Texts, EveryMenuEntryHasItsRowInEachLanguage) {
    for (const int32_t idioma : kIdiomes) {
        const std::map<std::string, bool> rows = Rows(idioma, "frmProjectes");
        for (const char* menu : {"mnuAdministracio", "mnuProjecte"})
            EXPECT_TRUE(rows.contains(menu) && !rows.at(menu)) << "no row for " << menu << " in " << idioma;
        for (const velmar::RegisteredWindow& finestra : velmar::RegisteredWindows()) {
            if (finestra.menu == velmar::Menu::Nowhere) continue;
            const std::string code = "mnu" + std::string(finestra.nom).substr(3);
            EXPECT_TRUE(rows.contains(code) && !rows.at(code)) << "no menu row for " << finestra.nom << " in " << idioma;
        }
    }
}

// The scan itself finds the codes of a window and of the shape it is built
// on, so that a window whose codes were all missed cannot pass unnoticed.
TEST(TextsScan, FindsTheCodesOfTheWindowAndOfItsShape) {
    const std::set<std::string> codes = MessageCodes("frmProjectes");
    for (const char* code : {"valProjecteAmbZones", "valAlgunCampBuit", "valNoRegistresEditar", "valTextEliminar"})
        EXPECT_TRUE(codes.contains(code)) << code;
    EXPECT_TRUE(MessageCodes("frmEntraPassword").contains("valContrasenyesDiferents"));
    // A window written in several files: its parts are scanned too.
    const std::set<std::string> punts = MessageCodes("frmPuntsLlum");
    for (const char* code : {"valDadesPropietatsNoCompletes", "valTextEliminarLluminaria"})
        EXPECT_TRUE(punts.contains(code)) << code;
}

}  // namespace
