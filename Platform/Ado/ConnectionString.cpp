#include "Ado/ConnectionString.h"

#include "Base/Text.h"
#include "Com/Variant.h"

namespace ado {

ConnectionString::ConnectionString(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string_view entry = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const size_t equals = entry.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = base::Trim(entry.substr(0, equals));
        if (!key.empty()) entries_.emplace_back(key, base::Trim(entry.substr(equals + 1)));
    }
}

std::string ConnectionString::value(std::string_view key) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (com::SameName(it->first, key)) return it->second;
    return {};
}

}  // namespace ado
