#include "Ado/QueryText.h"

#include <optional>

#include "Ado/XmlText.h"
#include "Ado/XmlWriter.h"

namespace ado {

namespace {

// Writes each row as it comes. The schema comes first in the text, so rows
// wait only while a field has yet to take its type from its first value.
class TextSink final : public RowSink {
public:
    void row(std::span<Cell> values) override {
        if (untyped > 0) {
            if (waiting_.width() != values.size()) waiting_ = CellTable(values.size());
            std::move(values.begin(), values.end(), waiting_.append().begin());
            return;
        }
        start();
        writer_->row(values);
    }

    std::string finish() {
        start();
        return writer_->finish();
    }

private:
    void start() {
        if (writer_) return;
        head_.fields = fields;
        head_.columns = xml::ColumnsFor(fields);
        writer_.emplace(head_);
        for (size_t r = 0; r < waiting_.size(); ++r) writer_->row(waiting_[r]);
        waiting_ = CellTable();
    }

    RecordsetData head_;  // the fields and columns, no rows
    std::optional<xml::RowStreamWriter> writer_;
    CellTable waiting_;
};

}  // namespace

std::string QueryToXml(Connection& connection, std::string_view sql) {
    TextSink sink;
    connection.FetchInto(sql, sink);
    return sink.finish();
}

}  // namespace ado
