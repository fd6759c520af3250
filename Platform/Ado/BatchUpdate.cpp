#include "Ado/BatchUpdate.h"

#include <algorithm>
#include <functional>
#include <mutex>
#include <span>

#include "Ado/AdoError.h"
#include "Ado/RecordsetValue.h"
#include "Com/ComError.h"

namespace ado {

namespace {

using Values = std::span<const Cell>;

// One table the recordset's fields come from, checked against the catalogue.
struct Table {
    std::string name;  // as the catalogue declares it
    std::string quoted;
    std::vector<size_t> fields;                // recordset fields of this table
    std::vector<const ColumnInfo*> columns;    // the catalogue's column of each
    std::vector<std::string> quotedColumns;    // and its name quoted
    std::vector<bool> isKey;                   // whether it is part of the key
    std::vector<ColumnInfo> catalogue;
    bool keyed = false;     // the recordset holds the whole key of the table
    bool takesRows = false; // inserts and deletes go to this table
};

// A key the database gave an added row, written into the recordset once
// the batch has committed.
struct GivenKey {
    size_t row;
    size_t field;
    int64_t value;
};

class Batch {
public:
    Batch(Connection& connection, RecordsetData& data)
        : connection_(connection),
          data_(data),
          exactCollation_(connection.provider() == Provider::PostgreSQL ? " COLLATE \"C\""
                                                                          : " COLLATE BINARY"),
          datesAsText_(connection.provider() == Provider::SQLite) {}

    void run() {
        findTables();
        for (size_t r = 0; r < data_.rows.size(); ++r) apply(r);
        const int32_t level = connection_.BeginTrans();
        try {
            connection_.ExecuteBatch(statements_, [this](size_t i, const BatchOutcome& outcome) {
                expectations_[i](outcome);
            });
            connection_.CommitTrans();
        } catch (...) {
            // Undo this batch's level only, and only if it is still open.
            try {
                if (connection_.TransactionLevel() == level) connection_.RollbackTrans();
            } catch (...) {
            }
            throw;
        }
        settle();
    }

private:
    [[noreturn]] static void Refuse(const std::string& why) {
        com::Raise(err::DatabaseError, why);
    }

    void findTables() {
        for (size_t f = 0; f < data_.fields.size(); ++f) {
            const FieldInfo& field = data_.fields[f];
            if (field.baseTable.empty() || field.baseColumn.empty()) continue;  // computed
            Table& table = tableNamed(field.baseTable);
            const ColumnInfo* column = nullptr;
            for (const ColumnInfo& c : table.catalogue)
                if (com::SameName(c.name, field.baseColumn)) column = &c;
            if (!column) Refuse("Table " + table.name + " has no column " + field.baseColumn);
            table.fields.push_back(f);
            table.columns.push_back(column);
            table.quotedColumns.push_back(connection_.QuoteName(column->name));
        }
        if (tables_.empty()) Refuse("The recordset names no table to write its changes to");
        bool anyKeyed = false;
        for (Table& table : tables_) {
            findKey(table);
            anyKeyed = anyKeyed || table.keyed;
        }
        // A table joined in for display (a lookup without its key) takes no
        // new or deleted rows.
        for (Table& table : tables_) table.takesRows = !anyKeyed || table.keyed;
    }

    // The table of that name, matched without regard to case as the
    // catalogue matches it, and written in statements as declared: a name
    // quoted in another case would name no table on PostgreSQL.
    Table& tableNamed(const std::string& name) {
        for (Table& t : tables_)
            if (com::SameName(t.name, name)) return t;
        TableInfo declared = connection_.Table(name);
        if (declared.columns.empty()) Refuse("The database has no table " + name);
        Table table;
        table.name = std::move(declared.name);
        table.catalogue = std::move(declared.columns);
        table.quoted = connection_.QuoteName(table.name);
        tables_.push_back(std::move(table));
        return tables_.back();
    }

    // Marks the fields that hold the table's key, when all of them are there.
    static void findKey(Table& table) {
        std::vector<bool> isKey(table.columns.size(), false);
        bool any = false;
        for (const ColumnInfo& c : table.catalogue) {
            if (!c.key) continue;
            auto it = std::find(table.columns.begin(), table.columns.end(), &c);
            if (it == table.columns.end()) return;
            isKey[static_cast<size_t>(it - table.columns.begin())] = true;
            any = true;
        }
        table.isKey = std::move(isKey);
        table.keyed = any;
    }

    void apply(size_t r) {
        switch (data_.status[r]) {
            case RowStatus::New:
                for (const Table& t : tables_)
                    if (t.takesRows) insert(t, r);
                break;
            case RowStatus::Modified:
                for (const Table& t : tables_) update(t, r);
                break;
            case RowStatus::Deleted:
                for (const Table& t : tables_)
                    if (t.takesRows) remove(t, r);
                break;
            case RowStatus::Unchanged:
            case RowStatus::Removed: break;
        }
    }

    // Starts the next statement: `verb` and the table's name.
    void begin(std::string_view verb, const Table& t) {
        sql_.assign(verb);
        sql_ += t.quoted;
        params_.clear();
    }

    void insert(const Table& t, size_t r) {
        const Values values = data_.rows[r];
        begin("INSERT INTO ", t);
        std::string marks;
        for (size_t i = 0; i < t.fields.size(); ++i) {
            const Cell& v = values[t.fields[i]];
            if (v.isNull()) continue;  // the database's default, or its new key
            sql_ += params_.empty() ? " (" : ", ";
            sql_ += t.quotedColumns[i];
            marks += params_.empty() ? "?" : ", ?";
            params_.push_back(fitted(t, i, v));
        }
        sql_ += params_.empty() ? " DEFAULT VALUES" : ") VALUES (" + marks + ")";
        // The keys the database gives come back with the insert.
        std::vector<size_t> given;
        for (size_t i = 0; i < t.fields.size(); ++i) {
            const ColumnInfo& c = *t.columns[i];
            if (!c.key || !c.autoIncrement || !values[t.fields[i]].isNull()) continue;
            sql_ += given.empty() ? " RETURNING " : ", ";
            sql_ += t.quotedColumns[i];
            given.push_back(t.fields[i]);
        }
        queue([this, r, given = std::move(given)](const BatchOutcome& outcome) {
            for (size_t k = 0; k < given.size() && k < outcome.returned.size(); ++k)
                givenKeys_.push_back({r, given[k], outcome.returned[k]});
        });
    }

    void update(const Table& t, size_t r) {
        const Values values = data_.rows[r];
        const Values original = data_.originalValues(r);
        findChanges(t, values, original);
        begin("UPDATE ", t);
        for (size_t i = 0; i < t.fields.size(); ++i) {
            if (!changed_[i]) continue;
            sql_ += params_.empty() ? " SET " : ", ";
            sql_ += t.quotedColumns[i];
            sql_ += " = ?";
            params_.push_back(fitted(t, i, values[t.fields[i]]));
        }
        if (params_.empty()) return;
        appendRowCondition(t, original);
        queueOneRow(t);
    }

    void remove(const Table& t, size_t r) {
        const Values original = data_.originalValues(r);
        findChanges(t, data_.rows[r], original);
        begin("DELETE FROM ", t);
        appendRowCondition(t, original);
        queueOneRow(t);
    }

    // The statement made, with what its outcome must show.
    void queue(std::function<void(const BatchOutcome&)> expectation) {
        statements_.push_back({sql_, params_});
        expectations_.push_back(std::move(expectation));
    }
    void queueOneRow(const Table& t) {
        queue([&t](const BatchOutcome& outcome) { expectOneRow(t, outcome.rows); });
    }

    // A value to be written to column `i` of `t`, converted to the type the
    // catalogue declares for it. Raises err::TypeMismatch for a value that
    // the column cannot hold as it is (text in a number, a text longer than
    // the column), which the database might store altered or turn away.
    static com::Variant fitted(const Table& t, size_t i, const Cell& value) {
        const ColumnInfo& column = *t.columns[i];
        FieldInfo field;
        field.name = t.name + "." + column.name;
        field.type = column.type;
        field.definedSize = column.definedSize;
        return CoerceToField(value.toVariant(), field);
    }

    // Marks the fields of `t` whose value differs from the one read.
    void findChanges(const Table& t, Values values, Values original) {
        changed_.resize(t.fields.size());
        for (size_t i = 0; i < t.fields.size(); ++i)
            changed_[i] = !SameValue(values[t.fields[i]], original[t.fields[i]]);
    }

    // " WHERE ..." finding the row as it was read: its key and the original
    // values of the columns changed since, or, without a key, every original
    // value. Null compares with IS NULL.
    void appendRowCondition(const Table& t, Values original) {
        bool first = true;
        for (size_t i = 0; i < t.fields.size(); ++i) {
            if (t.keyed && !t.isKey[i] && !changed_[i]) continue;
            sql_ += first ? " WHERE " : " AND ";
            first = false;
            const Cell& value = original[t.fields[i]];
            if (value.isNull()) {
                sql_ += t.quotedColumns[i] + " IS NULL";
                continue;
            }
            if (value.type() == Cell::Type::Date && datesAsText_) {
                // SQLite keeps a date as the text it was given: one that SQL
                // wrote with a blank ('2024-01-05 10:00:00') is the same date
                // as the one bound here ('2024-01-05T10:00:00'). Both are
                // compared as the instant they name, to the millisecond.
                sql_ += "strftime('%Y-%m-%d %H:%M:%f', " + t.quotedColumns[i] +
                        ") = strftime('%Y-%m-%d %H:%M:%f', ?)";
            } else {
                sql_ += t.quotedColumns[i];
                // Texts compare exactly, not by the column's own collation,
                // which may take "base0" and "BASE0" for the same: a row
                // changed only in letter case since it was read is changed.
                if (t.columns[i]->type == DataType::String) sql_ += exactCollation_;
                sql_ += " = ?";
            }
            params_.push_back(value.toVariant());
        }
    }

    static void expectOneRow(const Table& t, int64_t affected) {
        if (affected == 0)
            com::Raise(err::UpdateConflict, "A row of table " + t.name +
                                                " was changed or deleted by someone else since it was read");
        if (affected > 1)
            Refuse("A change meant for one row of table " + t.name + " matches " +
                   std::to_string(affected) + " rows");
    }

    // The batch is in the database: nothing of it is pending any more.
    void settle() {
        for (const GivenKey& k : givenKeys_) data_.rows[k.row][k.field] = Cell::Whole(k.value);
        for (size_t r = 0; r < data_.rows.size(); ++r) {
            RowStatus& s = data_.status[r];
            if (s == RowStatus::New || s == RowStatus::Modified) s = RowStatus::Unchanged;
            else if (s == RowStatus::Deleted) s = RowStatus::Removed;
        }
        data_.originals.clear();
    }

    Connection& connection_;
    RecordsetData& data_;
    std::vector<Table> tables_;
    std::vector<GivenKey> givenKeys_;
    const char* exactCollation_;  // compares texts byte for byte
    const bool datesAsText_;      // the engine keeps dates as text (SQLite)
    // Every statement of the batch, made before any is sent, and what the
    // outcome of each must show.
    std::vector<BatchStatement> statements_;
    std::vector<std::function<void(const BatchOutcome&)>> expectations_;
    // The statement being made, its values and the fields it changes, kept
    // from one row to the next.
    std::string sql_;
    std::vector<com::Variant> params_;
    std::vector<char> changed_;
};

bool HasChanges(const RecordsetData& data) {
    for (RowStatus s : data.status)
        if (s == RowStatus::New || s == RowStatus::Modified || s == RowStatus::Deleted) return true;
    return false;
}

}  // namespace

void ApplyBatch(Connection& connection, RecordsetData& data) {
    std::lock_guard<std::recursive_mutex> lock(connection.mutex());
    if (connection.State() != Connection::kStateOpen)
        com::Raise(err::ObjectClosed, "Batch update on a closed connection");
    if (!HasChanges(data)) return;
    Batch(connection, data).run();
}

}  // namespace ado
