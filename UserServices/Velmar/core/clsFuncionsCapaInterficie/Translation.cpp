// Translation of a window and of its messages from the language texts of
// the database, and the error box every window shows its failures in.
#include "Ado/AdoError.h"
#include "Base/Text.h"
#include "Brintel/BrintelNames.h"
#include "Com/ErrorProperties.h"
#include "Com/Registry.h"
#include "core/services/Dialogs.h"
#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

namespace support = brintel::names;

com::ObjectRef TextService() { return com::CreateObject(com::ProgID(support::Brintel, support::SvrIdiomes)); }

}  // namespace

void clsFuncionsCapaInterficie::EmetError(int32_t lngNumError, const std::string& strUbicacioError,
                                          int32_t lngIdioma) {
    // The trail begins with the carriage return of its first entry. What the
    // error said when it was raised (a database engine's own message, in
    // the engine's language) is for support: it goes to the box's details
    // with the trail, and the box says in the user's language what
    // happened, from the number and the state the engine gave (AdoError.h).
    const std::string trail = strUbicacioError.empty() ? std::string() : strUbicacioError.substr(1);
    const std::string description = base::DescriptionOf(lngNumError, strUbicacioError);
    const std::string text = TextError(lngNumError, std::string(ado::err::StateOf(description)), lngIdioma);
    dialogs::ShowMessage("Error: " + text + "\r\r (" + trail + ")",
                        description.empty() ? trail : description + "\r\r" + trail);
}

std::string clsFuncionsCapaInterficie::TextError(int32_t number, const std::string& sqlState, int32_t idioma) {
    // The text of the number with the engine's state ("Error-2147467259_53100")
    // where the language table has one, else that of the number. Any failure
    // on the way (no text row, a Null text, a broken answer) falls back to
    // the number itself; this routine reports nothing.
    const auto text = [&](const std::string& code) {
        const com::ObjectRef service = TextService();
        ado::Recordset rows = ado::Recordset::FromXml(
            com::Call(service, support::GetTextIdiomaById, {code, idioma}).toString());
        rows.MoveFirst();
        return rows.Value("TextTraduit").toString();
    };
    const std::string code = "Error" + com::Digits(number);
    try {
        if (!sqlState.empty()) return text(code + "_" + sqlState);
    } catch (...) {
    }
    try {
        return text(code);
    } catch (...) {
        return com::Str(number);
    }
}

RecordsetRef clsFuncionsCapaInterficie::TradueixFormulariIdioma(const com::ObjectRef& frmFormulari,
                                                                 int32_t lngIdioma) {
    return base::Guard(*this, kFunctionsLocation, "TradueixFormulariIdioma", [&] {
        const com::ObjectRef service = TextService();
        const com::Variant text =
            com::CallChecked(service, support::GetTextIdioma, {lngIdioma, com::Get(frmFormulari, "Name")});
        RecordsetRef texts = PassaXMLARecordset(text);

        texts->SetFilter("EsControl = True");
        if (texts->RecordCount() > 0) {
            for (texts->MoveFirst(); !texts->IsEOF(); texts->MoveNext()) {
                const std::string code = texts->Value("CodTextIdioma").toString();
                const com::Variant caption = texts->Value("TextTraduit").toString();
                if (code == "Formulari")
                    com::Let(frmFormulari, "Caption", caption);
                else
                    com::Let(com::Call(frmFormulari, "Controls", {code}).toObject(), "Caption", caption);
            }
        }
        texts->ClearFilter();
        return texts;
    });
}

std::string clsFuncionsCapaInterficie::TradueixMissatgeFormulariIdioma(const RecordsetRef& rstRecordsetIdioma,
                                                                       const std::string& strCodiMissatge) {
    return base::Guard(*this, kFunctionsLocation, "TradueixMissatgeFormulariIdioma", [&] {
        if (base::Trim(strCodiMissatge, " ").empty()) return std::string();
        // A window whose translation failed has no texts: its messages are
        // missing as they would be from an empty table, and their defaults
        // stand.
        if (!rstRecordsetIdioma) com::Raise(base::err::TextMissing);
        ado::Recordset& texts = *rstRecordsetIdioma;
        // A missing code leaves its filter in place, as the next lookup sets
        // its own.
        texts.SetFilter("CodTextIdioma = '" + strCodiMissatge + "'");
        if (texts.IsEOF()) com::Raise(base::err::TextMissing);
        std::string text = texts.Value("TextTraduit").toString();
        texts.ClearFilter();
        return text;
    });
}

std::string clsFuncionsCapaInterficie::TradueixDefecteMissatgeFormulariIdioma(
    const RecordsetRef& rstRecordsetIdioma, const std::string& strCodiMissatge,
    const std::string& strTraduccioPerDefecte) {
    return base::Guard(*this, kFunctionsLocation, "TradueixDefecteMissatgeFormulariIdioma", [&] {
        try {
            return TradueixMissatgeFormulariIdioma(rstRecordsetIdioma, strCodiMissatge);
        } catch (const base::Error& missing) {
            if (missing.number() != base::err::TextMissing) throw;
            return strTraduccioPerDefecte;
        }
    });
}

}  // namespace velmar
