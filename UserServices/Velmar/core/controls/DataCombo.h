// A combo over the rows of a lookup list: it shows the code column
// (`ListField`) of each row of its `RowSource` and stands for the value of
// another column of that row (`BoundColumn`), the one its `DataField` binds
// to. The user may type a code; `MatchedWithList` tells whether it is one.
//
// It lists every row of its row source whatever filter the window sets on
// that recordset, and reads them again when rows come, go or change there.
// Its binding only shows the bound field: the window writes the field when
// the combo is left. Like every bound control it carries its design-time
// names as dynamic properties ("DataField", "Tag", "ListField",
// "BoundColumn", and "RowSource": the window member whose rows it offers),
// so that a form file can declare it.
#pragma once

#include <string>
#include <vector>

#include <QComboBox>

#include "core/controls/LookupCombo.h"

namespace velmar {

// Its ">" button gives it the rows of the lookup-table editor as its list
// (LookupCombo).
class DataCombo final : public QComboBox, public LookupCombo {
    Q_OBJECT

public:
    explicit DataCombo(QWidget* parent = nullptr);

    const RecordsetRef& RowSource() const { return rowSource_; }
    // Lists the rows of `rows` (Refresh) and follows them from now on.
    void SetRowSource(const RecordsetRef& rows) override;
    std::string ListField() const;
    void SetListField(const std::string& field);
    std::string BoundColumn() const;
    void SetBoundColumn(const std::string& column);
    std::string DataField() const;
    void SetDataField(const std::string& field);
    // The window member named as the row source at design time.
    std::string RowSourceName() const;

    // Reads the list again from the row source, keeping the value shown, or
    // a text typed that is none of the list's (with no list before, the
    // value last given to SetBoundValue).
    void Refresh() override;
    // Whether the text is the code of a row of the list (case ignored).
    bool MatchedWithList() const;
    // Whether it holds a text typed that is none of the list's codes.
    bool HoldsUnmatchedCode() const { return !currentText().isEmpty() && !MatchedWithList(); }
    // The bound column of the row whose code is the text; Null when none.
    com::Variant BoundValue() const;
    // Shows the code of the row whose bound column holds `value`; no text
    // when no row does.
    void SetBoundValue(const com::Variant& value);

    // Whether two values of a bound column are one: a key read as a whole
    // number and the same key held as a double are; Null is no key.
    static bool SameKey(const com::Variant& a, const com::Variant& b);

private:
    QStringList Items() const;

    RecordsetRef rowSource_;
    ado::Subscription subscription_;
    std::vector<com::Variant> boundValues_;  // one per item
    com::Variant given_;                     // by SetBoundValue
};

}  // namespace velmar
