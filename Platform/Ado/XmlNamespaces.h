// Namespaces of rowset documents. The elements and attributes of the format
// belong to four namespaces known by their URIs; a document may bind them to
// prefixes of its own choosing, or make one the default. This layer reads
// and writes them under the prefixes s, dt, rs and z, so a name is turned
// into that spelling before the reader looks at it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ado::xml {

// The prefix this layer gives to names of the namespace `uri` ("s" for the
// schema's), or empty for a namespace of another vocabulary.
std::string_view CanonicalPrefix(std::string_view uri);

// The namespace declarations in force at an element, as a reader meets them
// in document order: take the declarations of an element when it starts,
// and restore the mark taken before them when it ends. Finding a prefix
// takes the same time however many declarations are in force.
class NamespaceScope {
public:
    size_t mark() const { return bindings_.size(); }
    // Inline: it runs as every element ends, nearly always with nothing
    // to undo.
    void restore(size_t mark) {
        if (bindings_.size() > mark) undeclare(mark);
    }
    // Changes whenever the declarations in force change.
    size_t generation() const { return generation_; }

    // Whether the attribute `name` declares a namespace (xmlns, xmlns:p).
    static bool IsDeclaration(std::string_view name);
    // Takes the declaration `name`='uri'. Raises err::InvalidXml for one that
    // XML forbids (a prefix bound to nothing, xml or xmlns rebound), and for a
    // prefix of this layer bound to another namespace, which would make its
    // names ambiguous when the document is written back.
    void declare(std::string_view name, std::string_view uri);
    // Makes room for `count` declarations more.
    void reserve(size_t count) {
        bindings_.reserve(bindings_.size() + count);
        latest_.reserve(latest_.size() + count);
    }

    // The namespace of an element or attribute name and its local part; an
    // attribute without a prefix is in no namespace. Raises for a prefix not
    // declared and for a name that is not a qualified name.
    struct Expanded {
        std::string_view uri;
        std::string_view local;
        size_t uriHash;  // of the namespace's URI, 0 for none
    };
    Expanded expand(std::string_view name, bool attribute) const;
    // The name as this layer spells it: in one of the four namespaces under
    // its prefix (into `buffer`), any other as written.
    std::string_view canonical(std::string_view name, bool attribute, std::string& buffer) const;

private:
    struct Binding {
        std::string prefix;  // "" for the default namespace
        std::string uri;
        std::string_view canonicalPrefix;
        size_t uriHash;
        size_t shadowed;  // the binding of the same prefix this one hides, or npos
    };
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };

    // Drops the declarations taken after `mark`.
    void undeclare(size_t mark);
    // The binding in force for `prefix`, or nullptr.
    const Binding* find(std::string_view prefix) const;
    // expand, and the binding of the name's prefix (nullptr for none or xml).
    Expanded split(std::string_view name, bool attribute, const Binding*& binding) const;

    std::vector<Binding> bindings_;
    size_t generation_ = 0;
    std::unordered_map<std::string, size_t, Hash, std::equal_to<>> latest_;  // prefix: binding
};

}  // namespace ado::xml
