#include "Ado/XmlWriter.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>
#include <span>
#include <string>
#include <vector>

#include "Ado/XmlText.h"

namespace ado::xml {

namespace {

constexpr std::string_view kDataOpen = "<rs:data>";
constexpr std::string_view kDataClose = "</rs:data>";
constexpr std::string_view kCrLf = "\r\n";

// The change blocks, by their opening and closing tags.
struct BlockTag {
    std::string_view open;
    std::string_view close;
};
constexpr BlockTag kBlockTags[] = {
    {"<rs:insert>", "</rs:insert>"},
    {"<rs:update>", "</rs:update>"},
    {"<rs:delete>", "</rs:delete>"},
};

constexpr std::string_view kHead =
    "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882'\n"
    "\txmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'\n"
    "\txmlns:rs='urn:schemas-microsoft-com:rowset'\n"
    "\txmlns:z='#RowsetSchema'";

// The size of a huge page, where the system gives them.
constexpr uintptr_t kHugePage = 2 << 20;

// `n` rounded up to a whole number of huge pages.
constexpr uintptr_t HugePagesUp(uintptr_t n) { return (n + kHugePage - 1) & ~(kHugePage - 1); }

// Huge pages for the whole huge pages within [begin, end): they spare the
// kernel a page fault for every 4 KB, and a fault costs far more than
// writing the page. Pages never written take no memory, huge or not.
void AdviseHugePages(const char* begin, const char* end) {
    const uintptr_t first = HugePagesUp(reinterpret_cast<uintptr_t>(begin));
    const uintptr_t last = reinterpret_cast<uintptr_t>(end) & ~(kHugePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

// The text of a large recordset is written once, front to back, on huge
// pages.
void Reserve(std::string& text, size_t size) {
    text.reserve(size);
    if (size >= 4 * kHugePage) AdviseHugePages(text.data(), text.data() + text.capacity());
}

// A text that grows as rows come, in one mapping of huge pages (it is meant
// for texts so large that the last one, partly written, is small beside
// them). Its room is reserved ahead as addresses, which take no memory
// until written; when that runs out the kernel moves the mapping to a
// larger range, moving its pages rather than copying them. Pages are given
// back a few times per text, not as they are used: on a machine of several
// processors every page given back makes the others forget it, which costs
// far more than writing it.
class GrowingText {
public:
    GrowingText() = default;
    GrowingText(const GrowingText&) = delete;
    GrowingText& operator=(const GrowingText&) = delete;
    ~GrowingText() {
        if (data_) munmap(data_, reserved_);
    }

    size_t size() const { return size_; }

    void append(std::string_view bytes) {
        if (reserved_ - size_ < bytes.size()) grow(size_ + bytes.size());
        std::memcpy(data_ + size_, bytes.data(), bytes.size());
        size_ += bytes.size();
    }

    // Appends `text` and empties it, giving its pages back as they are
    // copied, so that it is never held twice.
    void takeOver(std::string& text) {
        const size_t step = MoveStep(text.size());
        for (size_t done = 0; done < text.size(); done += step) {
            const size_t copied = std::min(step, text.size() - done);
            append({text.data() + done, copied});
            // Only the pages wholly within what is copied.
            const uintptr_t first = PagesUp(reinterpret_cast<uintptr_t>(text.data() + done));
            const uintptr_t end = reinterpret_cast<uintptr_t>(text.data() + done + copied) & ~(kPage - 1);
            if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
        }
        text = std::string();
    }

    // `prefix`, then the text, as one string.
    std::string take(std::string_view prefix) {
        std::string text;
        Reserve(text, prefix.size() + size_);
        text += prefix;
        const size_t step = MoveStep(size_);
        while (size_ > 0) {
            const size_t copied = std::min(step, size_);
            text.append(data_, copied);
            const size_t released = copied < size_ ? copied : reserved_;
            munmap(data_, released);
            data_ = released < reserved_ ? data_ + released : nullptr;
            reserved_ -= released;
            size_ -= copied;
        }
        return text;
    }

private:
    static constexpr uintptr_t kPage = 4096;
    static uintptr_t PagesUp(uintptr_t n) { return (n + kPage - 1) & ~(kPage - 1); }

    // A text that moves is copied an eighth at a time, each eighth given
    // back once copied: it is held once and an eighth more, and given back
    // eight times, however large.
    static size_t MoveStep(size_t size) { return std::max<size_t>(kPage, PagesUp(size / 8)); }

    // Addresses reserved at first, doubled as often as the text needs.
    static constexpr size_t kFirstReserve = 256 << 20;

    void grow(size_t needed) {
        size_t reserved = std::max(reserved_, kFirstReserve);
        while (reserved < needed) reserved *= 2;
        void* pages = data_ ? mremap(data_, reserved_, reserved, MREMAP_MAYMOVE)
                            : mmap(nullptr, reserved, PROT_READ | PROT_WRITE,
                                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (pages == MAP_FAILED) throw std::bad_alloc();
        data_ = static_cast<char*>(pages);
        reserved_ = reserved;
        madvise(data_, reserved_, MADV_HUGEPAGE);
    }

    char* data_ = nullptr;
    size_t size_ = 0;
    size_t reserved_ = 0;
};

}  // namespace

// Writes the text of a recordset, or of rows as they come.
class Writer {
public:
    explicit Writer(const RecordsetData& data) : data_(data) {
        // " name='" of each column, written before every value of it.
        for (const XmlColumn& c : data.columns) valueHeads_.push_back(' ' + c.name + "='");
    }

    std::string write() {
        Reserve(out_, EstimatedSize());
        head();
        out_ += '\n';
        for (size_t r = 0; r < data_.rows.size(); ++r) row(r);
        out_ += "</rs:data>\n</xml>";
        return declared(std::move(out_));
    }

    // A stream of unchanged rows: the head, then each row as it comes. A
    // small text (most queries) grows as strings do. One past kSmall is
    // written in place into one string whose room is reserved ahead: the
    // reserved addresses take no memory until written, and each page of a
    // text is written once, since a first write to a page costs far more
    // than the writing. A text that outgrows that room goes on in pages of
    // its own.
    void startStream() {
        head();
        out_ += '\n';
    }
    void streamRow(std::span<const Cell> values) {
        row_.clear();
        rowElement(row_, values, "\t");
        stream(row_);
    }
    std::string finishStream() {
        stream("</rs:data>\n</xml>");
        if (grown_.size() == 0) return declared(std::move(out_));
        return grown_.take(xml11_ ? kXml11Declaration : std::string_view());
    }

    std::string writeShown(const std::vector<std::span<const Cell>>& rows) {
        head();
        out_ += kCrLf;
        for (const std::span<const Cell> values : rows) shownRow(values);
        out_ += kCrLf;
        out_ += kDataClose;
        out_ += kCrLf;
        out_ += "</xml>";
        return declared(std::move(out_));
    }

private:
    void stream(std::string_view bytes) {
        if (grown_.size() == 0) {
            if (out_.size() >= kSmall && out_.capacity() < kInPlace) {
                out_.reserve(kInPlace);
                AdviseHugePages(out_.data() + kHugeFrom, out_.data() + out_.capacity());
            }
            if (out_.size() < kSmall || out_.size() + bytes.size() <= out_.capacity()) {
                out_ += bytes;
                return;
            }
            grown_.takeOver(out_);
        }
        grown_.append(bytes);
    }

    // `text` as XML 1.1 when a value of it needs that version, which only
    // such texts declare: the others stay as they always were.
    std::string declared(std::string text) const {
        if (xml11_) text.insert(0, kXml11Declaration);
        return text;
    }

    // Everything through "<rs:data>".
    void head() {
        out_ += kHead;
        attributes(data_.extras.root);
        out_ += ">\n<s:Schema id='RowsetSchema'>\n"
                "\t<s:ElementType name='row' content='eltOnly' rs:updatable='true'";
        attributes(data_.extras.elementType);
        out_ += ">\n";
        for (size_t i = 0; i < data_.fields.size(); ++i) column(i);
        out_ += data_.extras.elementTypeChildren;
        xml11_ |= HoldsXml11Reference(data_.extras.elementTypeChildren) ||
                  HoldsXml11Reference(data_.extras.schemaChildren) ||
                  HoldsXml11Reference(data_.extras.documentChildren);
        out_ += "\t\t<s:extends type='rs:rowbase'/>\n\t</s:ElementType>\n";
        out_ += data_.extras.schemaChildren;
        out_ += "</s:Schema>\n";
        out_ += data_.extras.documentChildren;
        out_ += kDataOpen;
    }

    // The text of a large recordset is reserved in one piece, from the size
    // of its first rows: growing it step by step would copy it several times
    // and, for a moment, hold two copies. Reserved pages that are never
    // written cost no memory.
    size_t EstimatedSize() {
        constexpr size_t kSample = 64;
        const size_t n = data_.rows.size();
        if (n <= kSample) return 4096 + 512 * data_.fields.size();
        std::string sample;
        for (size_t r = 0; r < kSample; ++r) rowElement(sample, data_.rows[r], "");
        return 4096 + 512 * data_.fields.size() + sample.size() * (n / kSample + 1) * 5 / 4;
    }

    void attributes(const XmlAttributes& list) {
        for (const auto& [name, value] : list) attribute(name, value);
    }

    void attribute(std::string_view name, std::string_view value) {
        out_ += ' ';
        out_ += name;
        out_ += "='";
        xml11_ |= AppendEscaped(out_, value);
        out_ += '\'';
    }

    void number(std::string_view name, int32_t value) {
        attribute(name, std::to_string(value));
    }

    void flag(std::string_view name, bool on) {
        if (on) attribute(name, "true");
    }

    void column(size_t i) {
        const FieldInfo& f = data_.fields[i];
        const XmlColumn& c = data_.columns[i];
        out_ += "\t\t<s:AttributeType";
        attribute("name", c.name);
        if (c.name != f.name) attribute("rs:name", f.name);
        number("rs:number", static_cast<int32_t>(i + 1));
        flag("rs:nullable", f.nullable);
        flag("rs:writeunknown", c.writeUnknown);
        if (!f.baseTable.empty()) attribute("rs:basetable", f.baseTable);
        if (!f.baseColumn.empty()) attribute("rs:basecolumn", f.baseColumn);
        flag("rs:keycolumn", f.keyColumn);
        flag("rs:autoincrement", f.autoIncrement);
        attributes(c.attributes);
        out_ += ">\n\t\t\t<s:datatype";
        attribute("dt:type", c.typeName.empty() ? TypeName(f.type) : c.typeName);
        if (f.definedSize > 0) number("dt:maxLength", f.definedSize);
        if (f.scale > 0) number("rs:scale", f.scale);
        if (f.precision > 0) number("rs:precision", f.precision);
        flag("rs:fixedlength", f.fixedLength);
        if (!f.nullable) attribute("rs:maybenull", "false");
        attributes(c.datatypeAttributes);
        out_ += "/>\n\t\t</s:AttributeType>\n";
    }

    // A row's values; Null is an absent attribute. A row as it is now after
    // `original` also lists in rs:forcenull the columns that became Null,
    // since a reader keeps the original's value for a column it lacks.
    void rowElement(std::string& out, std::span<const Cell> values, std::string_view indent,
                    std::span<const Cell> original = {}) {
        out += indent;
        out += "<z:row";
        std::string forcedNull;
        for (size_t i = 0; i < values.size(); ++i) {
            const Cell& v = values[i];
            if (v.isNull()) {
                if (!original.empty() && !original[i].isNull())
                    forcedNull += (forcedNull.empty() ? "" : " ") + data_.columns[i].name;
                continue;
            }
            out += valueHeads_[i];
            xml11_ |= AppendValue(out, v, data_.fields[i].type);
            out += '\'';
        }
        if (!forcedNull.empty()) out += " rs:forcenull='" + forcedNull + "'";
        out += "/>\n";
    }

    // A row as it stands, with no mark of change; a row of Nulls has none.
    void shownRow(std::span<const Cell> values) {
        const size_t start = out_.size();
        out_ += "<z:row";
        bool any = false;
        for (size_t i = 0; i < values.size(); ++i) {
            if (values[i].isNull()) continue;
            any = true;
            out_ += valueHeads_[i];
            xml11_ |= AppendValue(out_, values[i], data_.fields[i].type);
            out_ += '\'';
        }
        if (!any) return out_.resize(start);
        out_ += " />";
        out_ += kCrLf;
    }

    void block(std::string_view tag, std::span<const Cell> values) {
        out_ += "\t<";
        out_ += tag;
        out_ += ">\n";
        rowElement(out_, values, "\t\t");
        out_ += "\t</";
        out_ += tag;
        out_ += ">\n";
    }

    void row(size_t r) {
        switch (data_.status[r]) {
            case RowStatus::Unchanged: rowElement(out_, data_.rows[r], "\t"); break;
            case RowStatus::New: block("rs:insert", data_.rows[r]); break;
            case RowStatus::Deleted: block("rs:delete", data_.originalValues(r)); break;
            case RowStatus::Modified:
                out_ += "\t<rs:update>\n\t\t<rs:original>\n";
                rowElement(out_, data_.originalValues(r), "\t\t\t");
                out_ += "\t\t</rs:original>\n";
                rowElement(out_, data_.rows[r], "\t\t", data_.originalValues(r));
                out_ += "\t</rs:update>\n";
                break;
            case RowStatus::Removed: break;
        }
    }

    static constexpr size_t kSmall = 64 << 10;
    // The room of a text written in place. The allocator keeps the pages of
    // a freed block up to 32 MB for the blocks that follow, so below that
    // the next long text is written on pages it already has.
    static constexpr size_t kInPlace = 30 << 20;
    // From here on a text written in place goes on in huge pages: the last
    // one, partly written, is then small beside the text.
    static constexpr size_t kHugeFrom = 12 << 20;

    const RecordsetData& data_;
    std::vector<std::string> valueHeads_;
    std::string out_;
    GrowingText grown_;   // a streamed text past kInPlace
    std::string row_;     // the row being streamed
    bool xml11_ = false;  // a value needs XML 1.1
};

std::string WriteRecordset(const RecordsetData& data) { return Writer(data).write(); }

std::string WriteShownRows(const RecordsetData& data, const std::vector<std::span<const Cell>>& rows) {
    return Writer(data).writeShown(rows);
}

RowStreamWriter::RowStreamWriter(const RecordsetData& head) : writer_(std::make_unique<Writer>(head)) {
    writer_->startStream();
}

RowStreamWriter::~RowStreamWriter() = default;

void RowStreamWriter::row(std::span<const Cell> values) { writer_->streamRow(values); }

std::string RowStreamWriter::finish() { return writer_->finishStream(); }

std::optional<std::string> ChangeSet(std::string_view text) {
    const size_t open = text.find(kDataOpen);
    const size_t close = text.find(kDataClose);
    if (open == std::string_view::npos || close == std::string_view::npos || close < open + kDataOpen.size())
        return std::nullopt;
    std::string changes(text.substr(0, open + kDataOpen.size()));
    changes += kCrLf;
    std::string_view data = text.substr(open + kDataOpen.size(), close - open - kDataOpen.size());
    for (;;) {
        // The block that opens first; a tag inside it is part of it.
        size_t start = std::string_view::npos;
        const BlockTag* kind = nullptr;
        for (const BlockTag& tag : kBlockTags) {
            const size_t at = data.find(tag.open);
            if (at < start) {
                start = at;
                kind = &tag;
            }
        }
        if (!kind) break;
        const size_t end = data.find(kind->close, start);
        if (end == std::string_view::npos) return std::nullopt;
        const size_t past = end + kind->close.size();
        changes += data.substr(start, past - start);
        data.remove_prefix(past);
    }
    changes += kCrLf;
    changes += text.substr(close);
    return changes;
}

}  // namespace ado::xml
