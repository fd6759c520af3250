#include "Ado/ConnectionString.h"

#include "Com/Variant.h"

namespace ado {

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

ConnectionString::ConnectionString(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find(';');
        const std::string_view entry = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const size_t equals = entry.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trim(entry.substr(0, equals));
        if (!key.empty()) entries_.emplace_back(key, Trim(entry.substr(equals + 1)));
    }
}

std::string ConnectionString::value(std::string_view key) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (com::SameName(it->first, key)) return it->second;
    return {};
}

}  // namespace ado
