// Recordsets to and from their XML text; the change set a window sends when
// it saves; and the text of a recordset rebuilt with its current rows as
// unchanged rows, with which a window reloads its list locally.
#include <algorithm>

#include "Ado/XmlText.h"
#include "core/clsFuncionsCapaInterficie.h"

namespace velmar {
namespace {

constexpr std::string_view kDataOpen = "<rs:data>";
constexpr std::string_view kDataClose = "</rs:data>";
constexpr std::string_view kCrLf = "\r\n";

struct BlockTag {
    std::string_view open;
    std::string_view close;
};
constexpr BlockTag kBlockTags[] = {
    {"<rs:insert>", "</rs:insert>"},
    {"<rs:update>", "</rs:update>"},
    {"<rs:delete>", "</rs:delete>"},
};

// 1-based position of `what` in `text` at or after 1-based `from`; 0 when
// absent.
int64_t Position(std::string_view text, std::string_view what, int64_t from = 1) {
    const size_t found = text.find(what, static_cast<size_t>(from - 1));
    return found == std::string_view::npos ? 0 : static_cast<int64_t>(found) + 1;
}

// The head of a recordset text: through the end of the first "<rs:data>".
// Text without it has no data section to cut: invalid argument.
std::string_view Head(std::string_view text) {
    const int64_t p = Position(text, kDataOpen);
    if (p == 0) com::Raise(err::InvalidArgument);
    return text.substr(0, static_cast<size_t>(p - 1 + kDataOpen.size()));
}

// The recordset an argument holds; 424 when it holds none.
ado::Recordset& Required(const RecordsetRef& rst) {
    if (!rst) com::Raise(com::err::ObjectRequired);
    return *rst;
}

}  // namespace

RecordsetRef clsFuncionsCapaInterficie::PassaXMLARecordset(const com::Variant& strRecordsetXML) {
    return guarded("PassaXMLARecordset", RecordsetRef(), [&] {
        return std::make_shared<ado::Recordset>(ado::Recordset::FromXml(strRecordsetXML.toString()));
    });
}

std::string clsFuncionsCapaInterficie::PassaRecordsetAXML(const RecordsetRef& rstRecordset) {
    return guarded("PassaRecordsetAXML", std::string(), [&] { return Required(rstRecordset).ToXml(); });
}

std::string clsFuncionsCapaInterficie::ObteActualitzacionsDeXML(const std::string& strXML) {
    return guarded("ObteActualitzacionsDeXML", std::string(), [&] {
        const std::string_view text = strXML;
        const int64_t p = Position(text, kDataOpen);
        const int64_t q = Position(text, kDataClose);
        // The data section between the two tags; a negative length (no
        // closing tag, or none after the opening one) is an invalid argument.
        const int64_t length = q - p - static_cast<int64_t>(kDataOpen.size());
        if (p == 0 || length < 0) com::Raise(err::InvalidArgument);
        std::string_view data = text.substr(static_cast<size_t>(p - 1 + kDataOpen.size()),
                                            static_cast<size_t>(length));

        std::string result(text.substr(0, static_cast<size_t>(p - 1 + kDataOpen.size())));
        result += kCrLf;
        int64_t start = 0, end = 0;
        for (;;) {
            TrobaPosicioActualitzacioXML(data, start, end);
            raiseIfFailed();
            if (start == 0) break;
            result += data.substr(static_cast<size_t>(start - 1), static_cast<size_t>(end - start + 1));
            data.remove_prefix(static_cast<size_t>(end));
        }
        result += kCrLf;
        result += text.substr(static_cast<size_t>(q - 1));
        return result;
    });
}

void clsFuncionsCapaInterficie::TrobaPosicioActualitzacioXML(std::string_view text, int64_t& start,
                                                              int64_t& end) {
    guarded("TrobaPosicioActualitzacioXML", [&] {
        int64_t found[3];
        for (size_t i = 0; i < 3; ++i) found[i] = Position(text, kBlockTags[i].open);
        MinimNoNul3numeros(found[0], found[1], found[2], start);
        raiseIfFailed();
        if (start == 0) return;
        const BlockTag& tag = kBlockTags[std::find(found, found + 3, start) - found];
        const int64_t close = Position(text, tag.close, start);
        // A block left open has no end: nothing a recordset writes.
        if (close == 0) com::Raise(err::InvalidArgument);
        end = close + static_cast<int64_t>(tag.close.size()) - 1;
    });
}

void clsFuncionsCapaInterficie::MinimNoNul3numeros(int64_t a, int64_t b, int64_t c, int64_t& result) {
    guarded("MinimNoNul3numeros", [&] {
        int64_t ab = 0, ac = 0, bc = 0;
        MinimNoNul2numeros(a, b, ab);
        MinimNoNul2numeros(a, c, ac);
        MinimNoNul2numeros(b, c, bc);
        result = (a == ab && a == ac) ? a : (b == bc ? b : c);
    });
}

void clsFuncionsCapaInterficie::MinimNoNul2numeros(int64_t a, int64_t b, int64_t& result) {
    result = (a == 0 || (b != 0 && b < a)) ? b : a;
}

std::string clsFuncionsCapaInterficie::PurgaActualitzacionsRecordset(const RecordsetRef& rstRecordset) {
    return guarded("PurgaActualitzacionsRecordset", std::string(), [&] {
        const std::string text = PassaRecordsetAXML(rstRecordset);
        raiseIfFailed();
        std::string result(Head(text));
        result += kCrLf;

        ado::Recordset& rst = Required(rstRecordset);
        // Each value under the attribute name the schema gives its column, in
        // the form the text reader reads back as the field's type.
        const std::vector<ado::XmlColumn> columns = ado::xml::ColumnsFor(rst.Fields());
        const int32_t fieldCount = rst.FieldCount();
        if (rst.RecordCount() != 0) {
            for (rst.MoveFirst(); !rst.IsEOF(); rst.MoveNext()) {
                std::string attributes;
                for (int32_t f = 0; f < fieldCount; ++f) {
                    const com::Variant value = rst.Value(f);
                    if (value.isNull()) continue;
                    if (!attributes.empty()) attributes += ' ';
                    attributes += columns[static_cast<size_t>(f)].name;
                    attributes += "='";
                    ado::xml::AppendValue(attributes, ado::Cell::From(value), rst.Field(f).type);
                    attributes += '\'';
                }
                if (attributes.empty()) continue;
                result += "<z:row ";
                result += attributes;
                result += " />";
                result += kCrLf;
            }
        }
        result += kCrLf;
        result += kDataClose;
        result += kCrLf;
        result += "</xml>";
        return result;
    });
}

}  // namespace velmar
