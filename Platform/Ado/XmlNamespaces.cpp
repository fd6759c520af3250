#include "Ado/XmlNamespaces.h"

#include "Ado/XmlCharacters.h"
#include "Com/Variant.h"

namespace ado::xml {

namespace {

struct Known {
    std::string_view prefix;
    std::string_view uri;
};

// GUIDs are compared without regard to case, as their writers treat them.
constexpr Known kKnown[] = {
    {"s", "uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882"},
    {"dt", "uuid:C2F41010-65B3-11d1-A29F-00AA00C14882"},
    {"rs", "urn:schemas-microsoft-com:rowset"},
    {"z", "#RowsetSchema"},
};

constexpr std::string_view kXmlUri = "http://www.w3.org/XML/1998/namespace";

}  // namespace

std::string_view CanonicalPrefix(std::string_view uri) {
    for (const Known& k : kKnown)
        if (com::SameName(k.uri, uri)) return k.prefix;
    return {};
}

bool NamespaceScope::IsDeclaration(std::string_view name) {
    return name == "xmlns" || name.starts_with("xmlns:");
}

void NamespaceScope::declare(std::string_view name, std::string_view uri) {
    const std::string_view prefix = name == "xmlns" ? std::string_view() : name.substr(6);
    if (prefix == "xmlns" || (prefix == "xml") != (uri == kXmlUri))
        NotARowset("the prefix " + std::string(prefix) + " cannot be bound to " + std::string(uri));
    if (!prefix.empty() && uri.empty())
        NotARowset("the prefix " + std::string(prefix) + " is bound to no namespace");
    for (const Known& k : kKnown)
        if (prefix == k.prefix && !com::SameName(uri, k.uri))
            NotARowset("the prefix " + std::string(prefix) + " is bound to another namespace");
    bindings_.emplace_back(prefix, uri);
}

std::pair<std::string_view, std::string_view> NamespaceScope::expand(std::string_view name,
                                                                     bool attribute) const {
    const size_t colon = name.find(':');
    std::string_view prefix, local = name;
    if (colon != std::string_view::npos) {
        prefix = name.substr(0, colon);
        local = name.substr(colon + 1);
        if (prefix.empty() || local.empty() || local.find(':') != std::string_view::npos)
            NotARowset("the name " + std::string(name) + " is not a qualified name");
        if (prefix == "xml") return {kXmlUri, local};
    } else if (attribute) {
        return {{}, name};
    }
    for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
        if (it->first == prefix) return {it->second, local};
    if (!prefix.empty()) NotARowset("the prefix " + std::string(prefix) + " is not declared");
    return {{}, name};
}

std::string_view NamespaceScope::canonical(std::string_view name, bool attribute,
                                           std::string& buffer) const {
    const auto [uri, local] = expand(name, attribute);
    const std::string_view prefix = CanonicalPrefix(uri);
    if (prefix.empty() || (name.size() == prefix.size() + 1 + local.size() && name.starts_with(prefix)))
        return name;
    buffer.assign(prefix);
    buffer += ':';
    buffer += local;
    return buffer;
}

}  // namespace ado::xml
