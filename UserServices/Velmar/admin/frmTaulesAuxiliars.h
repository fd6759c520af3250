// The lookup-table editor: any lookup table that its opener names, shown by
// the code column, optionally filtered on one column; a row that a child
// table still names is not deleted. It is opened modally behind a combo's
// ">" button (ObrirFormulariAuxiliar), which then takes the rows it holds;
// its exit button hides it.
#pragma once

#include "core/services/LookupTableEditor.h"
#include "framework/MaintenanceWindow.h"

namespace velmar {

class frmTaulesAuxiliars final : public MaintenanceWindow, public LookupTableEditor {
public:
    explicit frmTaulesAuxiliars(QWidget* parent = nullptr);

    // Form_Load: reads the table that the public fields name.
    void Obre();
    // Obre, then shown modally until it is hidden.
    void ShowModal() override;
    RecordsetRef FilesTaula() const override { return rstRecordsetActual.Ref(); }

private:
    // Whether a child table holds the current row's key; keeps its name.
    bool IntegritatViolada();
    // A row added under a filter is in it.
    void FillNew() override;

    std::string strTaulaViolada_;
};

}  // namespace velmar
