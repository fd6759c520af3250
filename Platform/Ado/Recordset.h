// Recordset: a client-side, static set of rows, every one held in memory.
//
// It is opened from a query or from its XML text, navigated and filtered,
// and edited with every change kept pending (batch-optimistic): AddNew,
// field values, Update, CancelUpdate, Delete. Its text carries the pending
// changes with it, and UpdateBatch writes them to the database.
//
// Navigation runs over the rows the filter lets through (the view). The
// current row is one of them, or the position before the first (BOF) or
// after the last (EOF); with no rows both hold. A deleted row stays current
// until the next move, as it did in the data layer the windows were written
// for; its fields can no longer be read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Ado/Connection.h"
#include "Ado/Field.h"
#include "Ado/FilterCriteria.h"
#include "Ado/RecordsetData.h"
#include "Com/Variant.h"

namespace ado {

// What one listener of a recordset hears, each called after the change;
// any of them may be left empty.
struct RecordsetListener {
    // The current row moved (or became none), or its values were put back.
    std::function<void()> currentRowChanged = {};
    // A field of the current row was given a value.
    std::function<void(int32_t field)> fieldChanged = {};
    // Rows came into or left the view (filter, AddNew, Delete, cancel);
    // currentRowChanged follows.
    std::function<void()> rowsChanged = {};
};

namespace detail {
struct Listeners;
}

// Keeps a listener registered while it lives. A recordset that ends first
// takes its listeners with it; the subscription then does nothing.
class Subscription {
public:
    Subscription() = default;
    ~Subscription();
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    // Unregisters the listener now.
    void reset();

private:
    friend class Recordset;
    Subscription(std::weak_ptr<detail::Listeners> listeners, uint64_t id)
        : listeners_(std::move(listeners)), id_(id) {}

    std::weak_ptr<detail::Listeners> listeners_;
    uint64_t id_ = 0;
};

// The edit of the current row.
enum class EditState {
    None,        // no edit open
    InProgress,  // field values changed, not yet ended with Update
    Add,         // a row begun with AddNew, not yet ended with Update
};

class Recordset {
public:
    // AbsolutePosition when there is no current row.
    static constexpr int32_t kPositionUnknown = -1;
    static constexpr int32_t kPositionBOF = -2;
    static constexpr int32_t kPositionEOF = -3;

    enum class MoveStart { Current, First };

    // A recordset that is not open: every operation raises err::ObjectClosed.
    Recordset();
    ~Recordset();
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    Recordset& operator=(const Recordset&) = delete;

    // --- opening and saving ---------------------------------------------
    // Every row of the query, fetched on `connection`.
    void Open(std::string_view sql, const ConnectionRef& connection);
    // The same on a connection of its own, opened for the fetch and closed.
    void Open(std::string_view sql, const std::string& connectionString);
    // A recordset from its XML text, pending changes included. Raises
    // err::InvalidXml for text that cannot be read.
    static Recordset FromXml(std::string_view text);
    // A recordset of its own with the same rows, pending changes, edit,
    // filter and current row; it has no listeners.
    Recordset Clone() const;
    // The XML text with the schema, the rows and the pending changes. An
    // edit still open (no Update yet) is not part of it.
    std::string ToXml() const;
    // Writes the pending changes to the tables the fields come from, all or
    // nothing: under its own transaction, or as a nested level inside the
    // caller's. Raises err::UpdateConflict when a row was changed or deleted
    // by someone else since it was read, err::DatabaseError for a name the
    // database does not know or a failed statement; nothing is then written
    // and the recordset keeps its changes. On success the changes are no
    // longer pending and added rows hold the keys the database gave them.
    void UpdateBatch(Connection& connection);
    // The text of the rows the view shows, as they now stand (the edit of
    // the current row included), each as an unchanged row: what a window
    // reloads its list from without asking the database again. The head is
    // that of ToXml; see xml::WriteShownRows for the rest.
    std::string ShownRowsXml() const;

    // --- fields ----------------------------------------------------------
    int32_t FieldCount() const;
    const std::vector<FieldInfo>& Fields() const;
    // The field of that position or name (without regard to case); raises
    // err::FieldNotFound.
    const FieldInfo& Field(int32_t index) const;
    int32_t FieldIndex(std::string_view name) const;

    // The value of a field of the current row; err::NoCurrentRecord at BOF,
    // EOF or on a deleted row.
    com::Variant Value(int32_t field) const;
    com::Variant Value(std::string_view field) const;
    // Sets it, converted to the field's type (err::TypeMismatch when it does
    // not fit; Empty is Null), and opens an edit of the row when none is.
    void SetValue(int32_t field, const com::Variant& value);
    void SetValue(std::string_view field, const com::Variant& value);

    // --- reading without moving ------------------------------------------
    // The value of a field in the row at `position` of the view (1-based,
    // as AbsolutePosition counts), the edit of the current row included;
    // err::NoCurrentRecord when no row stands there.
    com::Variant ValueAt(int32_t position, int32_t field) const;
    // The values of a field in every row that is not deleted, whatever the
    // filter, in the order the rows stand; the row being edited (an added
    // one too) with its edit.
    std::vector<com::Variant> ColumnValues(int32_t field) const;

    // --- navigation --------------------------------------------------------
    // Leaving a row with an edit open ends the edit with Update.
    bool IsBOF() const;
    bool IsEOF() const;
    int32_t RecordCount() const;  // rows in the view
    void MoveFirst();
    void MoveLast();
    void MoveNext();      // err::NoCurrentRecord at EOF
    void MovePrevious();  // err::NoCurrentRecord at BOF
    // `rows` from the current row or from the first; past either end the
    // position is BOF or EOF.
    void Move(int32_t rows, MoveStart start = MoveStart::Current);
    // 1-based position in the view, or one of the kPosition values.
    int32_t AbsolutePosition() const;
    // A mark of the current row that stays valid for the life of the
    // recordset, across filters and changes of other rows. Setting it makes
    // that row current; err::NoCurrentRecord when the row is not in the view.
    com::Variant Bookmark() const;
    void SetBookmark(const com::Variant& bookmark);

    // --- filter ------------------------------------------------------------
    // The criteria text, or the Long 0 when no filter is set.
    com::Variant Filter() const;
    // Shows only the rows that pass `criteria` (FilterCriteria.h), pending
    // ones included, deleted ones never, and moves to the first; the empty
    // text shows every row. err::InvalidFilter for criteria that cannot be
    // used, and the filter stays as it was.
    void SetFilter(std::string_view criteria);
    void ClearFilter();

    // --- editing -----------------------------------------------------------
    // A new row at the end of the view, every field Null, made current.
    void AddNew();
    // Ends the edit of the current row and keeps its values pending.
    void Update();
    // Drops the edit: the row's values as they were, or the added row gone
    // (the row current before AddNew is current again).
    void CancelUpdate();
    // Marks the current row deleted; an added row that the database never
    // saw goes without trace.
    void Delete();
    EditState EditMode() const;

    // --- change notifications -------------------------------------------
    // Registers a listener for as long as the subscription lives; any number
    // may listen. A listener may add or end subscriptions while it is told.
    [[nodiscard]] Subscription Listen(RecordsetListener listener);

private:
    using Values = RecordsetData::Values;

    explicit Recordset(RecordsetData data);
    // Every member, listeners too: Clone takes them away again.
    Recordset(const Recordset&);
    void reset(RecordsetData data);
    void requireOpen() const;
    size_t currentRow() const;  // storage index; err::NoCurrentRecord
    std::span<const Cell> currentValues() const;
    void endEdit();
    void rebuildView();
    // The storage rows whose `field` holds the number `value`, ascending;
    // none when a value of the field compares otherwise than as a number
    // (a text), which only a pass over every row can tell.
    const std::vector<size_t>* rowsHolding(size_t field, double value);
    void moveTo(int64_t position);
    void changedRows();
    void changedCurrentRow();
    // The values of storage row `row`, with the edit when it is the one
    // being edited.
    std::span<const Cell> rowValues(size_t row) const;

    RecordsetData data_;
    bool open_ = false;
    std::optional<FilterCriteria> filter_;
    std::vector<size_t> view_;  // rows in the view, by storage index, ascending
    int64_t position_ = 0;      // index in view_; -1 is BOF, view_.size() EOF
    std::optional<size_t> deletedCurrent_;  // a deleted row still current
    EditState editMode_ = EditState::None;
    Values editValues_;  // the values of the row being edited
    std::optional<size_t> beforeAdd_;  // the row current before AddNew

    // The stored rows by the value of one numeric field: a window filters
    // a dependent table by its key at every move ("NumPuntLlum = 12"), and
    // finds its rows here without a pass over every row. Built when first
    // asked for, again once stored values have changed since.
    struct KeyIndex {
        size_t field = 0;
        uint64_t version = 0;
        bool usable = false;
        std::unordered_map<double, std::vector<size_t>> rows;
    };
    std::optional<KeyIndex> keyIndex_;
    uint64_t version_ = 0;  // counts the changes of stored values

    std::shared_ptr<detail::Listeners> listeners_;
};

}  // namespace ado
