// A combo over the rows of a lookup list: it shows the code column
// (`ListField`) of each row of its `RowSource` and stands for the value of
// another column of that row (`BoundColumn`), the one its `DataField` binds
// to. The user may type a code; `MatchedWithList` tells whether it is one.
#pragma once

#include <string>
#include <vector>

#include <QComboBox>

#include "core/clsFuncionsCapaInterficie.h"

namespace velmar {

class DataCombo final : public QComboBox {
public:
    explicit DataCombo(QWidget* parent = nullptr);

    const RecordsetRef& RowSource() const { return rowSource_; }
    void SetRowSource(RecordsetRef rows) { rowSource_ = std::move(rows); }
    const std::string& ListField() const { return listField_; }
    void SetListField(std::string field) { listField_ = std::move(field); }
    const std::string& BoundColumn() const { return boundColumn_; }
    void SetBoundColumn(std::string column) { boundColumn_ = std::move(column); }
    // The "DataField" property that binding reads, as every bound control has.
    std::string DataField() const;
    void SetDataField(const std::string& field);

    // Reads the list again from the row source, keeping the value shown
    // (with no list before, the value last given to SetBoundValue).
    void Refresh();
    // Whether the text is the code of a row of the list (case ignored).
    bool MatchedWithList() const;
    // The bound column of the row whose code is the text; Null when none.
    com::Variant BoundValue() const;
    // Shows the code of the row whose bound column holds `value`; no text
    // when no row does.
    void SetBoundValue(const com::Variant& value);

private:
    RecordsetRef rowSource_;
    std::string listField_;
    std::string boundColumn_;
    std::vector<com::Variant> boundValues_;  // one per item
    com::Variant given_;                     // by SetBoundValue
};

}  // namespace velmar
