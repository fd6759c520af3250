#include "Ado/XmlNamespaces.h"

#include <utility>

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

void NamespaceScope::undeclare(size_t mark) {
    while (bindings_.size() > mark) {
        const Binding& last = bindings_.back();
        if (last.shadowed == std::string::npos) latest_.erase(last.prefix);
        else latest_.find(last.prefix)->second = last.shadowed;
        bindings_.pop_back();
        ++generation_;
    }
}

void NamespaceScope::declare(std::string_view name, std::string_view uri) {
    const std::string_view prefix = name == "xmlns" ? std::string_view() : name.substr(6);
    if (prefix == "xmlns" || (prefix == "xml") != (uri == kXmlUri))
        NotARowset("the prefix " + std::string(prefix) + " cannot be bound to " + std::string(uri).substr(0, 80));
    if (!prefix.empty() && uri.empty())
        NotARowset("the prefix " + std::string(prefix) + " is bound to no namespace");
    for (const Known& k : kKnown)
        if (prefix == k.prefix && !com::SameName(uri, k.uri))
            NotARowset("the prefix " + std::string(prefix) + " is bound to another namespace");
    auto [it, added] = latest_.try_emplace(std::string(prefix), bindings_.size());
    const size_t shadowed = added ? std::string::npos : std::exchange(it->second, bindings_.size());
    bindings_.push_back({std::string(prefix), std::string(uri), CanonicalPrefix(uri), Hash()(uri), shadowed});
    ++generation_;
}

const NamespaceScope::Binding* NamespaceScope::find(std::string_view prefix) const {
    const auto it = latest_.find(prefix);
    return it == latest_.end() ? nullptr : &bindings_[it->second];
}

NamespaceScope::Expanded NamespaceScope::split(std::string_view name, bool attribute,
                                               const Binding*& binding) const {
    binding = nullptr;
    const size_t colon = name.find(':');
    std::string_view prefix, local = name;
    if (colon != std::string_view::npos) {
        prefix = name.substr(0, colon);
        local = name.substr(colon + 1);
        if (prefix.empty() || local.empty() || local.find(':') != std::string_view::npos)
            NotARowset("the name " + std::string(name) + " is not a qualified name");
        if (prefix == "xml") return {kXmlUri, local, Hash()(kXmlUri)};
    } else if (attribute) {
        return {{}, name, 0};
    }
    binding = find(prefix);
    if (binding) return {binding->uri, local, binding->uriHash};
    if (!prefix.empty()) NotARowset("the prefix " + std::string(prefix) + " is not declared");
    return {{}, name, 0};
}

NamespaceScope::Expanded NamespaceScope::expand(std::string_view name, bool attribute) const {
    const Binding* binding = nullptr;
    return split(name, attribute, binding);
}

std::string_view NamespaceScope::canonical(std::string_view name, bool attribute, std::string& buffer) const {
    const Binding* binding = nullptr;
    const std::string_view local = split(name, attribute, binding).local;
    if (!binding || binding->canonicalPrefix.empty() || binding->canonicalPrefix == binding->prefix) return name;
    buffer.assign(binding->canonicalPrefix);
    buffer += ':';
    buffer += local;
    return buffer;
}

}  // namespace ado::xml
