#include "core/services/clsINtegritatReferencial.h"

#include "Base/Text.h"

namespace velmar {

std::vector<clsINtegritatReferencial> ParseReferentialIntegrity(const std::string& strCadenaIntegritat) {
    std::vector<clsINtegritatReferencial> pairs;
    // Only spaces count as blanks around the list and its items.
    const std::string_view text = base::Trim(strCadenaIntegritat, " ");
    if (text.empty()) return pairs;
    // With a closing comma every item, the last one included, ends at one.
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        items.emplace_back(base::Trim(text.substr(start, comma - start), " "));
        start = comma + 1;
    }
    items.emplace_back(base::Trim(text.substr(start), " "));
    for (size_t i = 0; i + 1 < items.size(); i += 2) pairs.push_back({items[i], items[i + 1]});
    return pairs;
}

}  // namespace velmar
