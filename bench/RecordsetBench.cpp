// Speed of the recordset, each figure beside a plain baseline of the same
// run:
//   QueryToXml        10,000 and 100,000 rows of ten columns fetched and
//                     written as XML text as the data access service writes
//                     them; baseline PlainQueryText, a sqlite3 prepare/step
//                     loop that writes the same bytes by hand (checked to be
//                     the same).
//   XmlToRecordset    the text of 100,000 rows read back into a recordset;
//                     baselines OnePassTyped, one pass over the rows that
//                     keeps the same typed cells with none of the checks of
//                     XML (checked to read the same values), and
//                     PlainParseTyped, pugixml parsing the same text and each
//                     attribute of each row read as a typed value.
//   AttributesOnOneElement  a document whose one row has 1,000 to 100,000
//                     attributes (or namespace declarations) read; baseline
//                     AttributesOverRows, the same attributes ten to a row:
//                     the time per attribute stays the same, and the two stay
//                     side by side, when the reading is linear.
//   RowsAfterAWideRow  that row, then as many rows naming one of its
//                     attributes: linear too, beside AttributesOverRows.
//   UpdateBatch       10,000 changed rows written; baseline PlainUpdates,
//                     prepared statements doing the same writes in one
//                     transaction.
// The counter peak_per_text is the memory an operation took at its peak
// over the size of the text (targets: 1.3 writing, 1.5 reading).
// Run: RecordsetBench (see Repetitions.h).
#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "Ado/Connection.h"
#include "Ado/QueryText.h"
#include "Ado/Recordset.h"
#include "Ado/ValueText.h"
#include "Ado/XmlText.h"
#include "Base/FreedMemory.h"
#include "BenchDatabase.h"
#include "Peak.h"
#include "Repetitions.h"

namespace bench {
namespace {

constexpr int kQueryRows = 100000;
constexpr int kUpdateRows = 10000;

BenchDatabase& QueryDatabase(int rows = kQueryRows) {
    static std::map<int, BenchDatabase> databases;
    return databases.try_emplace(rows, rows).first->second;
}

std::shared_ptr<ado::Connection> Connect(const BenchDatabase& db) {
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(db.connectionString());
    return connection;
}

const std::string& QueryText(int rows = kQueryRows) {
    static std::map<int, std::string> texts;
    auto it = texts.find(rows);
    if (it == texts.end()) it = texts.emplace(rows, ado::QueryToXml(*Connect(QueryDatabase(rows)), kSelect)).first;
    return it->second;
}

// Runs `work` as the benchmark's iterations, then once more for the memory
// it takes at its peak over the size of `text`.
template <class Work>
void RunWithPeak(benchmark::State& state, Work work, const std::string& text = QueryText()) {
    for (auto _ : state) work();
    state.counters["peak_per_text"] = PeakBytes(work) / static_cast<double>(text.size());
}

void BM_QueryToXml(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    auto connection = Connect(QueryDatabase(rows));
    RunWithPeak(state, [&] { benchmark::DoNotOptimize(ado::QueryToXml(*connection, kSelect)); }, QueryText(rows));
    state.counters["text_MB"] = static_cast<double>(QueryText(rows).size()) / 1e6;
}
BENCHMARK(BM_QueryToXml)->Arg(10000)->Arg(kQueryRows)->Unit(benchmark::kMillisecond);

// How the plain loop writes each column of the light points.
enum class Kind { Whole, Text, Double, Boolean, Date };
constexpr Kind kKinds[] = {Kind::Whole, Kind::Text,   Kind::Whole,   Kind::Whole, Kind::Text,
                           Kind::Double, Kind::Whole, Kind::Boolean, Kind::Date,  Kind::Text};

template <class T>
void AppendNumber(std::string& out, T n) {
    char buf[32];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, n).ptr);
}

// The rows of the query written by hand after `head` (the schema, which
// the text of the data access service opens with).
std::string PlainQueryText(sqlite3* db, const std::string& head) {
    std::string out = head;
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, kSelect, -1, &statement, nullptr);
    const int columns = sqlite3_column_count(statement);
    std::string heads[std::size(kKinds)];
    for (int c = 0; c < columns; ++c) heads[c] = std::string(" ") + sqlite3_column_name(statement, c) + "='";
    while (sqlite3_step(statement) == SQLITE_ROW) {
        out += "\t<z:row";
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_NULL) continue;
            out += heads[c];
            switch (kKinds[c]) {
                case Kind::Whole: AppendNumber(out, sqlite3_column_int64(statement, c)); break;
                case Kind::Double: AppendNumber(out, sqlite3_column_double(statement, c)); break;
                case Kind::Boolean: out += sqlite3_column_int(statement, c) ? "True" : "False"; break;
                case Kind::Date: {
                    const size_t at = out.size();
                    out += reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                    out[at + 10] = 'T';
                    break;
                }
                case Kind::Text:
                    for (const char* p = reinterpret_cast<const char*>(sqlite3_column_text(statement, c)); *p; ++p) {
                        switch (*p) {
                            case '&': out += "&amp;"; break;
                            case '<': out += "&lt;"; break;
                            case '\'': out += "&apos;"; break;
                            default: out += *p;
                        }
                    }
                    break;
            }
            out += '\'';
        }
        out += "/>\n";
    }
    sqlite3_finalize(statement);
    out += "</rs:data>\n</xml>";
    return out;
}

std::string Head() {
    const std::string& text = QueryText();
    return text.substr(0, text.find("<rs:data>\n") + 10);
}

void BM_PlainQueryText(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    sqlite3* db = QueryDatabase(rows).handle();
    const std::string head = Head();
    if (PlainQueryText(db, head) != QueryText(rows)) {
        state.SkipWithError("the plain loop does not write the same text");
        return;
    }
    RunWithPeak(state, [&] { benchmark::DoNotOptimize(PlainQueryText(db, head)); }, QueryText(rows));
}
BENCHMARK(BM_PlainQueryText)->Arg(10000)->Arg(kQueryRows)->Unit(benchmark::kMillisecond);

void BM_XmlToRecordset(benchmark::State& state) {
    const std::string& text = QueryText();
    RunWithPeak(state, [&] { benchmark::DoNotOptimize(ado::Recordset::FromXml(text)); });
}
BENCHMARK(BM_XmlToRecordset)->Unit(benchmark::kMillisecond);

// pugixml's parse, and each value read as its type.
void ParseTyped(const std::string& text) {
    pugi::xml_document doc;
    doc.load_buffer(text.data(), text.size());
    for (pugi::xml_node row : doc.document_element().child("rs:data").children("z:row")) {
        int c = 0;
        for (pugi::xml_attribute a : row.attributes()) {
            const char* v = a.value();
            const size_t n = std::strlen(v);
            switch (kKinds[c++ % std::size(kKinds)]) {
                case Kind::Whole: {
                    int64_t i = 0;
                    std::from_chars(v, v + n, i);
                    benchmark::DoNotOptimize(i);
                    break;
                }
                case Kind::Double: {
                    double d = 0;
                    std::from_chars(v, v + n, d);
                    benchmark::DoNotOptimize(d);
                    break;
                }
                case Kind::Boolean: benchmark::DoNotOptimize(v[0] == 'T'); break;
                case Kind::Date: {
                    com::Date d;
                    benchmark::DoNotOptimize(com::Date::Parse(std::string_view(v, n), d));
                    break;
                }
                case Kind::Text: benchmark::DoNotOptimize(v); break;
            }
        }
    }
}

void BM_PlainParseTyped(benchmark::State& state) {
    const std::string& text = QueryText();
    RunWithPeak(state, [&] { ParseTyped(text); });
}
BENCHMARK(BM_PlainParseTyped)->Unit(benchmark::kMillisecond);

// The floor of reading the text: one pass over the rows that finds each
// attribute, decodes the references of its value and keeps it as its
// column's typed cell, as the recordset keeps its rows, converted as
// directly as the standard library allows (dates by the data layer's one
// date reader). None of the checks of XML: a text that is not well-formed
// is read as far as it goes.
ado::CellTable OnePassTyped(const std::string& text, const std::vector<std::string>& columns) {
    ado::CellTable rows(columns.size());
    std::string decoded;
    const char* p = text.data() + text.find("<rs:data>");
    const char* const end = text.data() + text.size();
    for (;;) {
        p = static_cast<const char*>(memmem(p, static_cast<size_t>(end - p), "<z:row", 6));
        if (!p) break;
        p += 6;
        std::span<ado::Cell> row = rows.append();
        size_t column = 0;
        for (;;) {
            while (*p == ' ' || *p == '\t' || *p == '\n') ++p;
            if (*p == '/' || *p == '>') break;
            const char* equals = static_cast<const char*>(std::memchr(p, '=', static_cast<size_t>(end - p)));
            const std::string_view name(p, static_cast<size_t>(equals - p));
            while (columns[column] != name) ++column;
            const char quote = equals[1];
            const char* value = equals + 2;
            const char* close = static_cast<const char*>(std::memchr(value, quote, static_cast<size_t>(end - value)));
            std::string_view v(value, static_cast<size_t>(close - value));
            p = close + 1;
            if (v.find('&') != std::string_view::npos) {
                // Each run up to a reference is appended whole, as a one-pass
                // reader that cares for speed would.
                decoded.clear();
                size_t i = 0;
                for (size_t amp = v.find('&'); amp != std::string_view::npos; amp = v.find('&', i)) {
                    decoded.append(v.substr(i, amp - i));
                    const size_t semicolon = v.find(';', amp);
                    const std::string_view entity = v.substr(amp + 1, semicolon - amp - 1);
                    decoded += entity == "amp" ? '&' : entity == "lt" ? '<' : entity == "gt" ? '>' : entity == "apos" ? '\'' : '"';
                    i = semicolon + 1;
                }
                decoded.append(v.substr(i));
                v = decoded;
            }
            ado::Cell& cell = row[column++];
            switch (kKinds[column - 1]) {
                case Kind::Whole: {
                    int64_t i = 0;
                    std::from_chars(v.data(), v.data() + v.size(), i);
                    cell = ado::Cell::Whole(i);
                    break;
                }
                case Kind::Double: {
                    double d = 0;
                    std::from_chars(v.data(), v.data() + v.size(), d);
                    cell = ado::Cell(d);
                    break;
                }
                case Kind::Boolean: cell = ado::Cell(v[0] == 'T'); break;
                case Kind::Date: {
                    com::Date d;
                    static_cast<void>(ado::ReadDate(v, d));  // dates this benchmark wrote itself
                    cell = ado::Cell(d);
                    break;
                }
                case Kind::Text: cell = ado::Cell(v); break;
            }
        }
    }
    return rows;
}

// The names of the columns of the query's text.
std::vector<std::string> ColumnNames() {
    const ado::Recordset rs = ado::Recordset::FromXml(QueryText());
    std::vector<std::string> names;
    for (int32_t f = 0; f < rs.FieldCount(); ++f) names.push_back(rs.Field(f).name);
    return names;
}

// Whether the floor reads the very values the recordset does.
bool SameValues(const ado::CellTable& rows, ado::Recordset rs) {
    if (static_cast<int32_t>(rows.size()) != rs.RecordCount()) return false;
    rs.MoveFirst();
    for (size_t r = 0; r < rows.size(); ++r, rs.MoveNext())
        for (int32_t f = 0; f < rs.FieldCount(); ++f)
            if (rows[r][static_cast<size_t>(f)].toVariant() != rs.Value(f)) return false;
    return true;
}

void BM_OnePassTyped(benchmark::State& state) {
    const std::string& text = QueryText();
    const std::vector<std::string> columns = ColumnNames();
    if (!SameValues(OnePassTyped(text, columns), ado::Recordset::FromXml(text))) {
        state.SkipWithError("the one-pass floor does not read the same values");
        return;
    }
    RunWithPeak(state, [&] { benchmark::DoNotOptimize(OnePassTyped(text, columns)); });
}
BENCHMARK(BM_OnePassTyped)->Unit(benchmark::kMillisecond);

// A rowset document of one text column "a0" whose data holds `attributes`
// attributes a0, a1, ... (or, with `declarations`, namespace declarations
// xmlns:p0, ... besides a0), `perRow` to a row.
std::string ManyAttributes(int attributes, int perRow, bool declarations) {
    std::string text =
        "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882'"
        " xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'><s:Schema id='RowsetSchema'>"
        "<s:ElementType name='row' content='eltOnly'><s:AttributeType name='a0'/></s:ElementType></s:Schema>"
        "<rs:data>\n";
    for (int i = 0; i < attributes; ++i) {
        if (i % perRow == 0) text += i == 0 ? "<z:row a0='0'" : "/>\n<z:row a0='0'";
        const std::string n = std::to_string(i + 1);
        text += declarations ? " xmlns:p" + n + "='urn:" + n + "'" : " a" + n + "='" + n + "'";
    }
    return text + "/>\n</rs:data></xml>";
}

void ReadAttributes(benchmark::State& state, int perRow, bool declarations) {
    const int attributes = static_cast<int>(state.range(0));
    const std::string text = ManyAttributes(attributes, perRow, declarations);
    for (auto _ : state) benchmark::DoNotOptimize(ado::Recordset::FromXml(text));
    state.SetItemsProcessed(state.iterations() * attributes);
}

void BM_AttributesOnOneElement(benchmark::State& state) { ReadAttributes(state, INT32_MAX, false); }
void BM_AttributesOverRows(benchmark::State& state) { ReadAttributes(state, 10, false); }
void BM_DeclarationsOnOneElement(benchmark::State& state) { ReadAttributes(state, INT32_MAX, true); }
void BM_DeclarationsOverRows(benchmark::State& state) { ReadAttributes(state, 10, true); }
// As many rows again after the row of ManyAttributes, each naming only the
// last of its attributes, which a reader that looks for it among the names
// of the row before would take the square of the attributes to read.
void BM_RowsAfterAWideRow(benchmark::State& state) {
    const int attributes = static_cast<int>(state.range(0));
    std::string text = ManyAttributes(attributes, INT32_MAX, false);
    std::string rows;
    for (int i = 0; i < attributes; ++i) rows += "<z:row a" + std::to_string(attributes) + "='1'/>\n";
    text.insert(text.rfind("</rs:data>"), rows);
    for (auto _ : state) benchmark::DoNotOptimize(ado::Recordset::FromXml(text));
    state.SetItemsProcessed(state.iterations() * attributes);
}

BENCHMARK(BM_AttributesOnOneElement)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RowsAfterAWideRow)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AttributesOverRows)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeclarationsOnOneElement)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeclarationsOverRows)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMicrosecond);

// Each run moves every light point to the next street: the same 10,000
// updates, found by the key and the original street, for both contenders.
void BM_UpdateBatch(benchmark::State& state) {
    BenchDatabase db(kUpdateRows);
    auto connection = Connect(db);
    for (auto _ : state) {
        state.PauseTiming();
        ado::Recordset rs;
        rs.Open(kSelect, connection);
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
            rs.SetValue("NumCarrer", rs.Value("NumCarrer").toLong() + 1);
        state.ResumeTiming();
        rs.UpdateBatch(*connection);
    }
}
BENCHMARK(BM_UpdateBatch)->Unit(benchmark::kMillisecond);

void BM_PlainUpdates(benchmark::State& state) {
    BenchDatabase db(kUpdateRows);
    sqlite3* handle = db.handle();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::pair<int, int>> streets;  // key, street as read
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(handle, "SELECT NumPuntLlum, NumCarrer FROM T_PuntLlum ORDER BY NumPuntLlum", -1, &read, nullptr);
        while (sqlite3_step(read) == SQLITE_ROW)
            streets.emplace_back(sqlite3_column_int(read, 0), sqlite3_column_int(read, 1));
        sqlite3_finalize(read);
        state.ResumeTiming();

        Exec(handle, "BEGIN IMMEDIATE");
        sqlite3_stmt* update = nullptr;
        sqlite3_prepare_v2(handle,
                           "UPDATE \"T_PuntLlum\" SET \"NumCarrer\" = ? WHERE \"NumPuntLlum\" = ? AND \"NumCarrer\" = ?",
                           -1, &update, nullptr);
        for (const auto& [key, street] : streets) {
            sqlite3_bind_int(update, 1, street + 1);
            sqlite3_bind_int(update, 2, key);
            sqlite3_bind_int(update, 3, street);
            if (sqlite3_step(update) != SQLITE_DONE || sqlite3_changes(handle) != 1) std::abort();
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        Exec(handle, "COMMIT");
    }
}
BENCHMARK(BM_PlainUpdates)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    // As the programs that read and write these texts start.
    base::KeepFreedMemory();
    return bench::RunInterleaved(argc, argv);
}
