// The memory the rowset reader takes for a document with one huge value:
// held once, in the cell or the text that keeps it, never copied to grow.
// The bytes in use are counted by this program's own allocation functions,
// which replace the library's for every test of the program.
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "RecordsetTestSupport.h"

namespace {

std::atomic<size_t> gInUse{0};
std::atomic<size_t> gPeak{0};

void* Allocate(size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    const size_t now = gInUse += malloc_usable_size(block);
    for (size_t peak = gPeak; now > peak && !gPeak.compare_exchange_weak(peak, now);) {
    }
    return block;
}

void Release(void* block) noexcept {
    if (!block) return;
    gInUse -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, size_t) noexcept { Release(block); }
void operator delete[](void* block, size_t) noexcept { Release(block); }

namespace adotest {
namespace {

using ado::Recordset;

// The most memory in use at once while `work` runs, beyond what was in use
// before it.
template <class Work>
size_t PeakOf(Work work) {
    const size_t before = gInUse;
    gPeak = before;
    work();
    return gPeak - before;
}

// `count` copies of `piece`.
std::string Repeated(std::string_view piece, size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

// A document of a text column a and an integer column n, with `rows`
// in its data and `kept` beside it, kept to be written back.
std::string Document(const std::string& rows, const std::string& kept = "") {
    return "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
           " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
           "<s:ElementType name='row' content='eltOnly'><s:AttributeType name='a'/><s:AttributeType name='n'>"
           "<s:datatype dt:type='int'/></s:AttributeType></s:ElementType></s:Schema>" +
           kept + "<rs:data>" + rows + "</rs:data></xml>";
}

TEST(XmlMemory, AHugeValueIsHeldOnce) {
    constexpr size_t kPieces = 1 << 20;  // of eight bytes or so: a value of 8 MB
    const std::string plain = Repeated("abcdefgh", kPieces);
    const std::string decoded = Repeated("a&amp;b\r\nc", kPieces);
    const std::string digits = Repeated("12345678", kPieces);
    struct Case {
        const char* what;
        std::string document;
        bool read;
    };
    const Case cases[] = {
        {"a value as written", Document("<z:row a='" + plain + "'/>"), true},
        {"a value decoded", Document("<z:row a='" + decoded + "'/>"), true},
        {"a value that is no integer", Document("<z:row n='" + digits + "'/>"), true},
        {"the text of a kept element", Document("", "<notes>" + decoded + "</notes>"), true},
        {"an attribute of a kept element", Document("", "<notes v='" + decoded + "'/>"), true},
        {"a CDATA section", Document("", "<notes><![CDATA[" + decoded + "]]></notes>"), true},
        {"a comment", Document("<!--" + plain + "--><z:row a='1'/>"), true},
        {"UTF-16", AsciiAsUtf16(Document("<z:row a='" + plain + "'/>")), true},
        {"a value that ends badly", Document("<z:row a='" + plain + "&bad;'/>"), false},
        {"a value not closed", Document("<z:row a='" + plain), false},
    };
    for (const Case& c : cases) {
        int32_t error = 0;
        const size_t peak = PeakOf([&] { error = ErrorOf([&] { Recordset::FromXml(c.document); }); });
        EXPECT_EQ(error, c.read ? 0 : ado::err::InvalidXml) << c.what;
        EXPECT_LE(peak, c.document.size() * 3 / 2) << c.what;
        if (!c.read) {
            EXPECT_LE(peak, c.document.size() / 8) << c.what << ": refused before it is kept";
        }
    }
}

}  // namespace
}  // namespace adotest
