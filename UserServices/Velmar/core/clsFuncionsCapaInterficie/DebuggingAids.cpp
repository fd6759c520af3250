// Two text routines that no window calls, kept as debugging aids.
#include <QString>

#include "core/clsFuncionsCapaInterficie/clsFuncionsCapaInterficie.h"

namespace velmar {

std::string clsFuncionsCapaInterficie::SimpliXML(const std::string& strRecordsetXML) {
    constexpr size_t kRowKept = 61;
    size_t pos = strRecordsetXML.find("<rs:data");
    if (pos == std::string::npos) com::Raise(base::err::InvalidProcedureCall);
    std::string result = strRecordsetXML.substr(0, pos);
    for (size_t row = strRecordsetXML.find("<z:row", pos); row != std::string::npos;
         row = strRecordsetXML.find("<z:row", pos)) {
        result += strRecordsetXML.substr(pos, row - pos);
        const size_t end = strRecordsetXML.find('>', row);
        const size_t length = end == std::string::npos ? std::string::npos : end + 1 - row;
        result += strRecordsetXML.substr(row, std::min(length, kRowKept));
        if (end == std::string::npos) return result;
        pos = end + 1;
    }
    return result + strRecordsetXML.substr(pos);
}

std::string clsFuncionsCapaInterficie::LlistaCodisAscii(const std::string& strText) {
    if (strText.empty()) com::Raise(base::err::InvalidProcedureCall);
    // The codes of the single-byte code page: a character outside it
    // stands as "?".
    std::string result;
    for (const QChar c : QString::fromStdString(strText)) {
        if (!result.empty()) result += ',';
        result += com::Str(c.unicode() < 256 ? int32_t{c.unicode()} : int32_t{'?'});
    }
    return result;
}

}  // namespace velmar
