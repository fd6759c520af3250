#include "Ado/Recordset.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "Ado/AdoError.h"
#include "Ado/BatchUpdate.h"
#include "Ado/RecordsetValue.h"
#include "Ado/XmlReader.h"
#include "Ado/XmlText.h"
#include "Ado/XmlWriter.h"
#include "Com/ComError.h"

namespace ado {

namespace detail {

// The listeners of one recordset. Each is told through a copy of the list,
// so that it may subscribe or unsubscribe while it is told; one that ended
// meanwhile is skipped.
struct Listeners {
    struct Entry {
        uint64_t id;
        RecordsetListener listener;
        bool active = true;
    };
    std::vector<std::shared_ptr<Entry>> entries;
    uint64_t next = 1;

    template <class Tell>
    void tell(Tell tellOne) const {
        if (entries.empty()) return;
        const std::vector<std::shared_ptr<Entry>> now = entries;
        for (const std::shared_ptr<Entry>& e : now)
            if (e->active) tellOne(e->listener);
    }

    void remove(uint64_t id) {
        std::erase_if(entries, [id](const std::shared_ptr<Entry>& e) {
            if (e->id != id) return false;
            e->active = false;
            return true;
        });
    }
};

}  // namespace detail

Subscription::~Subscription() { reset(); }

Subscription::Subscription(Subscription&& other) noexcept
    : listeners_(std::move(other.listeners_)), id_(std::exchange(other.id_, 0)) {}

Subscription& Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        reset();
        listeners_ = std::move(other.listeners_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void Subscription::reset() {
    if (auto listeners = listeners_.lock()) listeners->remove(id_);
    listeners_.reset();
    id_ = 0;
}

Recordset::Recordset() = default;
Recordset::~Recordset() = default;
Recordset::Recordset(Recordset&&) noexcept = default;
Recordset::Recordset(const Recordset&) = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;

Recordset::Recordset(RecordsetData data) { reset(std::move(data)); }

void Recordset::reset(RecordsetData data) {
    data_ = std::move(data);
    ++version_;
    open_ = true;
    filter_.reset();
    editMode_ = EditState::None;
    editValues_.clear();
    beforeAdd_.reset();
    rebuildView();
    changedRows();
    moveTo(0);
}

// --- opening and saving ---------------------------------------------------

void Recordset::Open(std::string_view sql, const ConnectionRef& connection) {
    if (!connection) com::Raise(err::ObjectClosed, "Recordset opened on no connection");
    FetchedRows result = connection->Fetch(sql);
    RecordsetData data;
    data.fields = std::move(result.fields);
    data.columns = xml::ColumnsFor(data.fields);
    data.rows = std::move(result.rows);
    data.status.assign(data.rows.size(), RowStatus::Unchanged);
    reset(std::move(data));
}

void Recordset::Open(std::string_view sql, const std::string& connectionString) {
    auto connection = std::make_shared<Connection>();
    connection->Open(connectionString);
    Open(sql, connection);
    connection->Close();
}

Recordset Recordset::FromXml(std::string_view text) {
    return Recordset(xml::ReadRecordset(text));
}

Recordset Recordset::Clone() const {
    requireOpen();
    Recordset copy(*this);
    copy.listeners_.reset();
    return copy;
}

std::string Recordset::ToXml() const {
    requireOpen();
    return xml::WriteRecordset(data_);
}

void Recordset::UpdateBatch(Connection& connection) {
    requireOpen();
    endEdit();
    ++version_;  // added rows take their keys
    ApplyBatch(connection, data_);
    if (!IsBOF() && !IsEOF()) changedCurrentRow();
}

std::string Recordset::ShownRowsXml() const {
    requireOpen();
    std::vector<std::span<const Cell>> rows;
    rows.reserve(view_.size());
    for (const size_t row : view_) rows.push_back(rowValues(row));
    return xml::WriteShownRows(data_, rows);
}

// --- fields -------------------------------------------------------------------

int32_t Recordset::FieldCount() const {
    requireOpen();
    return static_cast<int32_t>(data_.fields.size());
}

const std::vector<FieldInfo>& Recordset::Fields() const {
    requireOpen();
    return data_.fields;
}

const FieldInfo& Recordset::Field(int32_t index) const {
    requireOpen();
    if (index < 0 || static_cast<size_t>(index) >= data_.fields.size())
        com::Raise(err::FieldNotFound, "No field at position " + std::to_string(index));
    return data_.fields[static_cast<size_t>(index)];
}

int32_t Recordset::FieldIndex(std::string_view name) const {
    requireOpen();
    for (size_t i = 0; i < data_.fields.size(); ++i)
        if (com::SameName(data_.fields[i].name, name)) return static_cast<int32_t>(i);
    com::Raise(err::FieldNotFound, "No field named " + std::string(name));
}

com::Variant Recordset::Value(int32_t field) const {
    Field(field);  // raises for a position out of range
    return currentValues()[static_cast<size_t>(field)].toVariant();
}

com::Variant Recordset::Value(std::string_view field) const { return Value(FieldIndex(field)); }

void Recordset::SetValue(int32_t field, const com::Variant& value) {
    const FieldInfo& info = Field(field);
    const size_t row = currentRow();
    Cell coerced = Cell::From(CoerceToField(value, info));
    if (editMode_ == EditState::None) {
        editValues_.assign(data_.rows[row].begin(), data_.rows[row].end());
        editMode_ = EditState::InProgress;
    }
    editValues_[static_cast<size_t>(field)] = std::move(coerced);
    if (listeners_) listeners_->tell([field](const RecordsetListener& l) {
        if (l.fieldChanged) l.fieldChanged(field);
    });
}

void Recordset::SetValue(std::string_view field, const com::Variant& value) {
    SetValue(FieldIndex(field), value);
}

// --- reading without moving ------------------------------------------------------

com::Variant Recordset::ValueAt(int32_t position, int32_t field) const {
    Field(field);  // raises for a position out of range
    if (position < 1 || static_cast<size_t>(position) > view_.size())
        com::Raise(err::NoCurrentRecord, "No row at position " + std::to_string(position));
    return rowValues(view_[static_cast<size_t>(position) - 1])[static_cast<size_t>(field)].toVariant();
}

std::vector<com::Variant> Recordset::ColumnValues(int32_t field) const {
    Field(field);
    // An added row counts as soon as it is begun.
    const size_t added = editMode_ == EditState::Add ? currentRow() : data_.rows.size();
    std::vector<com::Variant> values;
    for (size_t r = 0; r < data_.rows.size(); ++r) {
        const RowStatus s = data_.status[r];
        if ((s == RowStatus::Deleted || s == RowStatus::Removed) && r != added) continue;
        values.push_back(rowValues(r)[static_cast<size_t>(field)].toVariant());
    }
    return values;
}

// --- navigation -----------------------------------------------------------------

bool Recordset::IsBOF() const {
    requireOpen();
    return !deletedCurrent_ && (view_.empty() || position_ < 0);
}

bool Recordset::IsEOF() const {
    requireOpen();
    return !deletedCurrent_ && (view_.empty() || position_ >= static_cast<int64_t>(view_.size()));
}

int32_t Recordset::RecordCount() const {
    requireOpen();
    return static_cast<int32_t>(view_.size());
}

void Recordset::MoveFirst() {
    requireOpen();
    endEdit();
    moveTo(0);
}

void Recordset::MoveLast() {
    requireOpen();
    endEdit();
    moveTo(static_cast<int64_t>(view_.size()) - 1);
}

void Recordset::MoveNext() {
    if (IsEOF()) com::Raise(err::NoCurrentRecord, "MoveNext at the end of the recordset");
    endEdit();
    // A deleted current row has already left the view: the next row stands
    // at its position.
    moveTo(deletedCurrent_ ? position_ : position_ + 1);
}

void Recordset::MovePrevious() {
    if (IsBOF()) com::Raise(err::NoCurrentRecord, "MovePrevious at the start of the recordset");
    endEdit();
    moveTo(position_ - 1);
}

void Recordset::Move(int32_t rows, MoveStart start) {
    requireOpen();
    int64_t target = rows;
    if (start == MoveStart::Current) {
        if (deletedCurrent_) {
            if (rows == 0) com::Raise(err::NoCurrentRecord, "The current row was deleted");
            target = position_ + rows - (rows > 0 ? 1 : 0);
        } else {
            if ((rows < 0 && IsBOF()) || (rows > 0 && IsEOF()))
                com::Raise(err::NoCurrentRecord, "Move past the end of the recordset");
            target = position_ + rows;
        }
    }
    endEdit();
    moveTo(target);
}

int32_t Recordset::AbsolutePosition() const {
    if (IsBOF() && IsEOF()) return kPositionUnknown;
    if (IsBOF()) return kPositionBOF;
    if (IsEOF()) return kPositionEOF;
    if (deletedCurrent_) return kPositionUnknown;
    return static_cast<int32_t>(position_ + 1);
}

com::Variant Recordset::Bookmark() const {
    requireOpen();
    const size_t row = deletedCurrent_ ? *deletedCurrent_ : currentRow();
    return static_cast<int32_t>(row + 1);
}

void Recordset::SetBookmark(const com::Variant& bookmark) {
    requireOpen();
    int64_t row = -1;
    try {
        row = static_cast<int64_t>(bookmark.toLong()) - 1;
    } catch (const com::ComError&) {
    }
    auto it = std::lower_bound(view_.begin(), view_.end(), static_cast<size_t>(std::max<int64_t>(row, 0)));
    if (row < 0 || it == view_.end() || *it != static_cast<size_t>(row))
        com::Raise(err::NoCurrentRecord, "The bookmark names no row of the recordset's view");
    endEdit();
    moveTo(it - view_.begin());
}

// --- filter ---------------------------------------------------------------------

com::Variant Recordset::Filter() const {
    requireOpen();
    if (!filter_) return 0;
    return filter_->text();
}

void Recordset::SetFilter(std::string_view criteria) {
    requireOpen();
    if (criteria.find_first_not_of(" \t") == std::string_view::npos) {
        ClearFilter();
        return;
    }
    FilterCriteria filter(criteria, data_.fields);
    endEdit();
    filter_ = std::move(filter);
    rebuildView();
    changedRows();
    moveTo(0);
}

void Recordset::ClearFilter() {
    requireOpen();
    endEdit();
    filter_.reset();
    rebuildView();
    changedRows();
    moveTo(0);
}

// --- editing --------------------------------------------------------------------

void Recordset::AddNew() {
    requireOpen();
    endEdit();
    if (!IsBOF() && !IsEOF() && !deletedCurrent_) beforeAdd_ = currentRow();
    else beforeAdd_.reset();
    // The row takes its place now, so that its bookmark holds; it counts as
    // added once Update ends the edit.
    const size_t row = data_.appendRow(RowStatus::Removed);
    view_.push_back(row);
    editValues_.assign(data_.fields.size(), Cell());
    editMode_ = EditState::Add;
    changedRows();
    moveTo(static_cast<int64_t>(view_.size()) - 1);
}

void Recordset::Update() {
    requireOpen();
    if (editMode_ == EditState::None) return;
    const size_t row = currentRow();
    const std::span<Cell> stored = data_.rows[row];
    RowStatus& status = data_.status[row];
    const auto keepEdit = [&] {
        std::move(editValues_.begin(), editValues_.end(), stored.begin());
    };
    if (editMode_ == EditState::Add) {
        keepEdit();
        status = RowStatus::New;
    } else if (status == RowStatus::Unchanged) {
        if (!std::equal(stored.begin(), stored.end(), editValues_.begin(), SameValue)) {
            data_.originals[row].assign(std::make_move_iterator(stored.begin()),
                                        std::make_move_iterator(stored.end()));
            keepEdit();
            status = RowStatus::Modified;
        }
    } else {
        keepEdit();
        // Edited back to what was read: nothing is pending any more.
        if (status == RowStatus::Modified) {
            const Values& original = data_.originals.at(row);
            if (std::equal(stored.begin(), stored.end(), original.begin(), SameValue)) {
                data_.originals.erase(row);
                status = RowStatus::Unchanged;
            }
        }
    }
    editValues_.clear();
    editMode_ = EditState::None;
    beforeAdd_.reset();
    ++version_;
}

void Recordset::CancelUpdate() {
    requireOpen();
    if (editMode_ == EditState::None) return;
    const EditState mode = editMode_;
    editMode_ = EditState::None;
    editValues_.clear();
    if (mode == EditState::InProgress) {
        changedCurrentRow();
        return;
    }
    // The added row leaves the view; it stays Removed in storage.
    view_.erase(view_.begin() + position_);
    const std::optional<size_t> back = beforeAdd_;
    beforeAdd_.reset();
    changedRows();
    auto it = back ? std::lower_bound(view_.begin(), view_.end(), *back) : view_.end();
    moveTo(it != view_.end() && *it == *back ? it - view_.begin() : 0);
}

void Recordset::Delete() {
    requireOpen();
    const size_t row = currentRow();
    editMode_ = EditState::None;
    editValues_.clear();
    beforeAdd_.reset();
    RowStatus& status = data_.status[row];
    status = status == RowStatus::Unchanged || status == RowStatus::Modified ? RowStatus::Deleted
                                                                             : RowStatus::Removed;
    view_.erase(view_.begin() + position_);
    deletedCurrent_ = row;
    changedRows();
    changedCurrentRow();
}

EditState Recordset::EditMode() const {
    requireOpen();
    return editMode_;
}

// --- notifications ----------------------------------------------------------------

Subscription Recordset::Listen(RecordsetListener listener) {
    if (!listeners_) listeners_ = std::make_shared<detail::Listeners>();
    const uint64_t id = listeners_->next++;
    listeners_->entries.push_back(
        std::make_shared<detail::Listeners::Entry>(detail::Listeners::Entry{id, std::move(listener)}));
    return Subscription(listeners_, id);
}

// --- private ------------------------------------------------------------------------

void Recordset::requireOpen() const {
    if (!open_) com::Raise(err::ObjectClosed, "The recordset is not open");
}

size_t Recordset::currentRow() const {
    if (IsBOF() || IsEOF() || deletedCurrent_)
        com::Raise(err::NoCurrentRecord, deletedCurrent_ ? "The current row was deleted"
                                                         : "There is no current row");
    return view_[static_cast<size_t>(position_)];
}

std::span<const Cell> Recordset::currentValues() const { return rowValues(currentRow()); }

std::span<const Cell> Recordset::rowValues(size_t row) const {
    const bool edited = editMode_ != EditState::None && !deletedCurrent_ && position_ >= 0 &&
                        static_cast<size_t>(position_) < view_.size() &&
                        view_[static_cast<size_t>(position_)] == row;
    return edited ? std::span<const Cell>(editValues_) : data_.rows[row];
}

void Recordset::endEdit() {
    if (editMode_ != EditState::None) Update();
}

void Recordset::rebuildView() {
    view_.clear();
    deletedCurrent_.reset();
    const auto shown = [this](size_t r) {
        const RowStatus s = data_.status[r];
        return s != RowStatus::Deleted && s != RowStatus::Removed;
    };
    if (const std::optional<FilterCriteria::Equality> key = filter_ ? filter_->NumberEquality() : std::nullopt) {
        if (const std::vector<size_t>* rows = rowsHolding(key->field, key->value)) {
            for (const size_t r : *rows)
                if (shown(r)) view_.push_back(r);
            return;
        }
    }
    // Made once at its largest: a view grown row by row would copy itself
    // over and over, and fault the pages of each larger copy afresh.
    view_.reserve(data_.rows.size());
    for (size_t r = 0; r < data_.rows.size(); ++r)
        if (shown(r) && (!filter_ || filter_->Matches(data_.rows[r]))) view_.push_back(r);
}

const std::vector<size_t>* Recordset::rowsHolding(size_t field, double value) {
    if (!keyIndex_ || keyIndex_->field != field || keyIndex_->version != version_) {
        KeyIndex& index = keyIndex_.emplace(KeyIndex{field, version_, true, {}});
        for (size_t r = 0; r < data_.rows.size() && index.usable; ++r) {
            const Cell& cell = data_.rows[r][field];
            // A filter compares numbers as numbers (a Boolean as its
            // number) and passes no Null; a text or a date compares as
            // text, and NaN equals every number.
            const std::optional<double> number = NumericValue(cell);
            if (cell.isNull()) continue;
            if (!number || std::isnan(*number)) index.usable = false;
            else index.rows[*number].push_back(r);
        }
    }
    if (!keyIndex_->usable) return nullptr;
    static const std::vector<size_t> kNone;
    const auto found = keyIndex_->rows.find(value);
    return found == keyIndex_->rows.end() ? &kNone : &found->second;
}

void Recordset::moveTo(int64_t position) {
    const int64_t size = static_cast<int64_t>(view_.size());
    position_ = std::clamp<int64_t>(position, -1, size);
    deletedCurrent_.reset();
    changedCurrentRow();
}

void Recordset::changedRows() {
    if (listeners_) listeners_->tell([](const RecordsetListener& l) {
        if (l.rowsChanged) l.rowsChanged();
    });
}

void Recordset::changedCurrentRow() {
    if (listeners_) listeners_->tell([](const RecordsetListener& l) {
        if (l.currentRowChanged) l.currentRowChanged();
    });
}

}  // namespace ado
