#include "SettingsReader.h"

#include "Base/Guard.h"
#include "PrivateProfile.h"

namespace profile {

std::string ConsultaArxiuIni(base::ErrorFields& fields, base::Location where, const std::string& path,
                             const std::string& section, const std::string& key) {
    return base::Guard(fields, where, "ConsultaArxiuIni", [&] {
        if (path.empty() || section.empty() || key.empty()) base::Raise(base::err::EmptyArgument);
        if (!IsReadableFile(path)) base::Raise(base::err::FileMissing);
        std::string value = ReadProfileString(path, section, key).value_or(std::string(kMissingKey));
        if (value == kMissingKey) base::Raise(base::err::KeyMissing);
        return value;
    });
}

std::string StrTran(base::ErrorFields& fields, base::Location where, const std::string& base,
                    const std::string& search, const std::string& replacement) {
    return base::Guard(fields, where, "StrTran", [&] {
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
    });
}

std::string ConsultaArxiuIniModul(base::ErrorFields& fields, base::Location where, std::string_view operation,
                                  const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& folder) {
    return base::Guard(fields, where, operation, [&] {
        return StrTran(fields, where, ConsultaArxiuIni(fields, where, path, section, key),
                       std::string(kModuleMarker), folder);
    });
}

}  // namespace profile
