#include "core/clsINtegritatReferencial.h"

namespace velmar {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::vector<clsINtegritatReferencial> LlistaIntegritatReferencial(const std::string& strCadenaIntegritat) {
    std::vector<clsINtegritatReferencial> pairs;
    const std::string text = Trimmed(strCadenaIntegritat);
    if (text.empty()) return pairs;
    // With a closing comma every item, the last one included, ends at one.
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma = text.find(','); comma != std::string::npos; comma = text.find(',', start)) {
        items.push_back(Trimmed(text.substr(start, comma - start)));
        start = comma + 1;
    }
    items.push_back(Trimmed(text.substr(start)));
    for (size_t i = 0; i + 1 < items.size(); i += 2) pairs.push_back({items[i], items[i + 1]});
    return pairs;
}

}  // namespace velmar
