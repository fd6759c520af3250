#include "Ado/PostgresSql.h"

#include "Ado/Sql.h"
#include "Base/Text.h"

namespace ado {

PostgresStatement RewriteForPostgres(std::string_view statement, const DeclaredNames& names) {
    PostgresStatement out;
    out.text.reserve(statement.size() + 16);
    bool first = true;
    for (const sql::Token& token : sql::Tokenize(statement, sql::Dialect::PostgreSQL)) {
        if (first && token.significant()) {
            out.changesSchema =
                token.isWord("Create") || token.isWord("Alter") || token.isWord("Drop");
            out.plainWrite =
                token.isWord("Insert") || token.isWord("Update") || token.isWord("Delete");
            first = false;
        }
        if (token.isWord("Returning")) out.plainWrite = false;
        if (token.is(sql::Token::Kind::Parameter)) {
            out.text += '$' + std::to_string(++out.parameters);
        } else if (token.is(sql::Token::Kind::Word)) {
            const auto declared = names.find(base::Lower(token.text));
            out.text += declared == names.end() ? std::string(token.text)
                                                : sql::QuoteName(declared->second);
        } else {
            out.text += token.text;
        }
    }
    return out;
}

}  // namespace ado
