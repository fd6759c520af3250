// The window texts in each language (T_Idioma), read only: the texts of
// one window, or one text by its code. There is no maintenance view.
#include "EntityManager.h"

namespace quossa {
namespace {

// A text value between apostrophes, every apostrophe in it doubled, so that
// the value is found as it is and cannot end the literal early.
std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    return out + "'";
}

const ManagerDeclaration kDeclaration = [] {
    ManagerDeclaration declaration;
    declaration.className = names::MngIdioma;
    declaration.maintenance = false;
    declaration.list = {"GetTextosFormulari", DataCall::ConsultaXML,
                        ReadFields({names::lngNumIdioma, names::strNomFormulari}), [](const Params& p) {
                     return "Select * From T_Idioma Where NumIdioma = " + com::Str(p[0].toLong()) +
                            " And NomFormulari = " + Quoted(p[1].toString());
                 }};
    declaration.byKey = {"GetTextIdiomaById", DataCall::ConsultaXML,
                         ReadFields({names::strCodiText, names::lngNumIdioma}), [](const Params& p) {
                      return "Select * From T_Idioma Where CodTextIdioma = " +
                             Quoted(p[0].toString()) +
                             " And NumIdioma = " + com::Str(p[1].toLong());
                  }};
    return declaration;
}();

const bool registered [[maybe_unused]] = RegisterManager(kDeclaration);

}  // namespace
}  // namespace quossa
