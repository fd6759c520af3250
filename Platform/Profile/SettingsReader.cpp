#include "SettingsReader.h"

#include <vector>

#include "Base/Guard.h"
#include "PrivateProfile.h"

namespace profile {

std::string ConsultaArxiuIni(base::ErrorFields& fields, base::Location where, const std::string& path,
                             const std::string& section, const std::string& key) {
    return base::Guard(fields, where, "ConsultaArxiuIni", [&] {
        if (path.empty() || section.empty() || key.empty()) base::Raise(base::err::EmptyArgument);
        const std::shared_ptr<const ProfileFile> file = ReadProfile(path);
        if (!file) base::Raise(base::err::FileMissing);
        std::string value = file->value(section, key).value_or(std::string(kMissingKey));
        if (value == kMissingKey) base::Raise(base::err::KeyMissing);
        return value;
    });
}

std::string StrTran(base::ErrorFields& fields, base::Location where, const std::string& base,
                    const std::string& search, const std::string& replacement) {
    return base::Guard(fields, where, "StrTran", [&] {
        if (search.empty()) return base;
        if (replacement.find(search) != std::string::npos) {
            // Restarting from the first character would find the replacement
            // itself again and never end: one pass from left to right instead.
            std::string out;
            size_t from = 0;
            for (size_t p; (p = base.find(search, from)) != std::string::npos; from = p + search.size())
                out.append(base, from, p - from).append(replacement);
            return out.append(base, from, std::string::npos);
        }
        // The text is taken character by character into `out`; a character
        // that completes an occurrence takes it out again and puts the
        // replacement in front of what is left to take. The first occurrence
        // of the whole text always ends at the character just taken, so this
        // replaces what a search from the first character would find, and
        // every character is taken once: no text is moved for each marker.
        std::string out;
        out.reserve(base.size());
        std::vector<std::string_view> ahead{base};  // the text still to take, last first
        const size_t length = search.size();
        while (!ahead.empty()) {
            std::string_view& next = ahead.back();
            if (next.empty()) {
                ahead.pop_back();
                continue;
            }
            out += next.front();
            next.remove_prefix(1);
            if (out.size() >= length && out.back() == search.back() &&
                out.compare(out.size() - length, length, search) == 0) {
                out.resize(out.size() - length);
                if (!replacement.empty()) ahead.emplace_back(replacement);
            }
        }
        return out;
    });
}

std::string ReadComponentSetting(base::ErrorFields& fields, base::Location where, std::string_view operation,
                                 const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& folder) {
    return base::Guard(fields, where, operation, [&] {
        return StrTran(fields, where, ConsultaArxiuIni(fields, where, path, section, key),
                       std::string(kModuleMarker), folder);
    });
}

}  // namespace profile
