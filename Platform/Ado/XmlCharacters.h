// The characters of a rowset document: its encoding, the characters XML
// allows, and the references that stand for characters. A document that
// breaks these rules is not XML, and is refused whole (err::InvalidXml)
// before any of it is read as rows.
#pragma once

#include <string>
#include <string_view>

namespace ado::xml {

// Raises err::InvalidXml: `why` the text is not a rowset document.
[[noreturn]] void NotARowset(const std::string& why);

// The document as UTF-8: a UTF-8 byte-order mark is dropped, a UTF-16
// document (little or big endian, told by its byte-order mark) is converted
// into `converted`. Raises for UTF-16 with an odd number of bytes or a lone
// surrogate.
std::string_view AsUtf8(std::string_view text, std::string& converted);

// Raises unless `text` is well-formed UTF-8 (no overlong forms, no
// surrogates, nothing beyond U+10FFFF) of characters that XML allows as
// they stand: TAB, LF, CR, and U+0020 up, less U+FFFE and U+FFFF.
void CheckCharacters(std::string_view text);

// Whether a character reference may name `c`: every character but NUL, the
// surrogates, U+FFFE and U+FFFF. Control characters are allowed here: the
// writer puts them into values as references, which is how XML carries them.
bool IsReferable(char32_t c);

// `raw`, an attribute value or a text as written, with every reference
// replaced by its character into `out`. Raises for a "&" that does not start
// one of the five predefined entities (&lt; &gt; &amp; &apos; &quot;) or a
// character reference that IsReferable allows: a document type that could
// define other entities is not part of a rowset document.
void DecodeReferences(std::string_view raw, std::string& out);

}  // namespace ado::xml
