// Namespaces of rowset documents. The elements and attributes of the format
// belong to four namespaces known by their URIs; a document may bind them to
// prefixes of its own choosing, or make one the default. This layer reads
// and writes them under the prefixes s, dt, rs and z, so a name is turned
// into that spelling before the reader looks at it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ado::xml {

// The prefix this layer gives to names of the namespace `uri` ("s" for the
// schema's), or empty for a namespace of another vocabulary.
std::string_view CanonicalPrefix(std::string_view uri);

// The namespace declarations in force at an element, as a reader meets them
// in document order: take the declarations of an element when it starts,
// and restore the mark taken before them when it ends.
class NamespaceScope {
public:
    size_t mark() const { return bindings_.size(); }
    void restore(size_t mark) { bindings_.resize(mark); }

    // Whether the attribute `name` declares a namespace (xmlns, xmlns:p).
    static bool IsDeclaration(std::string_view name);
    // Takes the declaration `name`='uri'. Raises err::InvalidXml for one that
    // XML forbids (a prefix bound to nothing, xml or xmlns rebound), and for a
    // prefix of this layer bound to another namespace, which would make its
    // names ambiguous when the document is written back.
    void declare(std::string_view name, std::string_view uri);

    // The namespace of an element or attribute name and its local part; an
    // attribute without a prefix is in no namespace. Raises for a prefix not
    // declared and for a name that is not a qualified name.
    std::pair<std::string_view, std::string_view> expand(std::string_view name,
                                                         bool attribute) const;
    // The name as this layer spells it: in one of the four namespaces under
    // its prefix (into `buffer`), any other as written.
    std::string_view canonical(std::string_view name, bool attribute, std::string& buffer) const;

private:
    std::vector<std::pair<std::string, std::string>> bindings_;  // prefix ("" default), URI
};

}  // namespace ado::xml
