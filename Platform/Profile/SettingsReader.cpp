#include "SettingsReader.h"

#include "PrivateProfile.h"

namespace profile {

std::string ConsultaArxiuIni(com::ErrorFields& fields, Reader who, const std::string& path,
                             const std::string& section, const std::string& key) {
    fields.clear();
    int32_t failure = 0;
    std::string value;
    if (path.empty() || section.empty() || key.empty()) {
        failure = err::EmptyArgument;
    } else if (!IsReadableFile(path)) {
        failure = err::FileMissing;
    } else {
        value = ReadProfileString(path, section, key).value_or(std::string(kMissingKey));
        if (value == kMissingKey) failure = err::KeyMissing;
    }
    if (failure != 0) {
        fields.fail(failure, who.label, who.className, "ConsultaArxiuIni");
        return {};
    }
    return value;
}

std::string StrTran(com::ErrorFields& fields, const std::string& base,
                    const std::string& search, const std::string& replacement) {
    fields.clear();
    if (search.empty()) return base;
    std::string s = base;
    if (replacement.find(search) != std::string::npos) {
        // Restarting from the first character would find the replacement
        // itself again and never end: one pass from left to right instead.
        std::string out;
        size_t from = 0;
        for (size_t p; (p = s.find(search, from)) != std::string::npos; from = p + search.size())
            out.append(s, from, p - from).append(replacement);
        return out.append(s, from, std::string::npos);
    }
    // Restart at the first character that a replacement may have changed:
    // nothing before p - |search| + 1 can start a new occurrence.
    for (size_t p = s.find(search); p != std::string::npos;) {
        s.replace(p, search.size(), replacement);
        p = s.find(search, p >= search.size() ? p - search.size() + 1 : 0);
    }
    return s;
}

std::string ConsultaArxiuIniModul(com::ErrorFields& fields, Reader who, std::string_view operation,
                                  const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& folder) {
    fields.clear();
    const std::string value = ConsultaArxiuIni(fields, who, path, section, key);
    if (fields.NumError != 0) {
        fields.fail(fields.NumError, who.label, who.className, operation);
        return {};
    }
    return StrTran(fields, value, std::string(kModuleMarker), folder);
}

}  // namespace profile
