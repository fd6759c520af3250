#include "framework/RecordNavigator.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "core/controls/Locking.h"
#include "core/controls/DataCombo.h"
#include "core/services/Dialogs.h"
#include "framework/DataWindow.h"

namespace velmar {
namespace {

constexpr QStyle::StandardPixmap kImatges[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                               QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
constexpr Movement kMoviments[] = {Movement::Principi, Movement::Recula, Movement::Avanca, Movement::Fi};

}  // namespace

void MoveToRow(ado::Recordset& rows, std::string_view camp, const com::Variant& valor) {
    const int32_t total = rows.RecordCount();
    if (total == 0) return;
    const int32_t field = rows.FieldIndex(camp);
    for (int32_t posicio = 1; posicio <= total; ++posicio) {
        if (DataCombo::SameKey(rows.ValueAt(posicio, field), valor)) {
            rows.Move(posicio - 1, ado::Recordset::MoveStart::First);
            return;
        }
    }
    rows.MoveFirst();
}

RecordNavigator::RecordNavigator(DataWindow& finestra, Declaration declaracio, std::function<void()> despres)
    : QWidget(&finestra),
      finestra_(finestra),
      declaracio_(std::move(declaracio)),
      despres_(std::move(despres)),
      comptador_(new QLineEdit(this)) {
    comptador_->setObjectName(QString::fromLatin1(declaracio_.comptador));
    comptador_->setAlignment(Qt::AlignCenter);
    comptador_->setMinimumWidth(comptador_->fontMetrics().horizontalAdvance(QStringLiteral("Lluminària 888 de 888")) + 16);
    SetLocked(comptador_, true);

    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < botons_.size(); ++i) {
        QPushButton* boto = botons_[i] = new QPushButton(this);
        boto->setObjectName(QString::fromLatin1(declaracio_.botons[i]));
        boto->setIcon(style()->standardIcon(kImatges[i]));
        connect(boto, &QPushButton::clicked, this, [this, i] { Mou(i); });
        if (i == 2) fila->addWidget(comptador_, 1);
        fila->addWidget(boto);
    }
}

void RecordNavigator::ReadTexts() {
    primer_ = finestra_.MessageOrDefault(declaracio_.codiPrimer, declaracio_.primer);
    segon_ = finestra_.MessageOrDefault(declaracio_.codiSegon, declaracio_.segon);
}

std::string RecordNavigator::Text(int32_t posicio, int32_t total) const {
    return primer_ + " " + com::Digits(posicio) + " " + segon_ + " " + com::Digits(total);
}

void RecordNavigator::OmpleNumeroRegistre() {
    finestra_.Inner(declaracio_.omple, [this] {
        const Table& taula = *finestra_.TableByName(declaracio_.taula);
        const int32_t total = taula.RowCount();
        const int32_t posicio = total == 0 ? 0 : std::max(0, taula->AbsolutePosition());
        comptador_->setText(QString::fromStdString(Text(posicio, total)));
    });
}

void RecordNavigator::Enable(bool habilitat) {
    for (QPushButton* boto : botons_) boto->setEnabled(habilitat);
    SetLocked(comptador_, true);
}

bool RecordNavigator::CanLeaveRow() {
    std::string message = finestra_.UnreadTextsMessage();
    if (message.empty())
        message = finestra_.UnmatchedCodeMessage(finestra_.TableByName(declaracio_.taula)->Ref(),
                                                 "valValorsNoEsTrobenEnCombos");
    if (!message.empty()) dialogs::ShowMessage(message);
    return message.empty();
}

void RecordNavigator::Mou(size_t boto) {
    finestra_.TopLevel(declaracio_.procediments[boto], [this, boto] {
        if (!CanLeaveRow()) return;
        MoveRecord(**finestra_.TableByName(declaracio_.taula), kMoviments[boto]);
        despres_();
    });
}

}  // namespace velmar
