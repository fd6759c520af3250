#include "framework/Chooser.h"

#include <QComboBox>
#include <QLabel>

#include "core/controls/Locking.h"
#include "core/services/Dialogs.h"
#include "framework/DataWindow.h"

namespace velmar {

Chooser::Chooser(DataWindow& finestra, Declaration declaracio, std::function<void(int32_t)> carrega,
                 std::function<void()> mostra)
    : finestra_(finestra),
      declaracio_(std::move(declaracio)),
      carrega_(std::move(carrega)),
      mostra_(std::move(mostra)),
      combo_(new QComboBox(&finestra)),
      etiqueta_(dialogs::Control<QLabel>(&finestra, declaracio_.etiqueta)),
      eco_(declaracio_.eco ? new QComboBox(&finestra) : nullptr) {
    combo_->setObjectName(QString::fromLatin1(declaracio_.combo));
    if (eco_) eco_->setObjectName(QString::fromLatin1(declaracio_.eco));
    for (QComboBox* combo : {combo_, eco_})
        if (combo) combo->setMinimumContentsLength(12);
    tria_ = QObject::connect(combo_, &QComboBox::currentIndexChanged, &finestra, [this] { Tria(); });
}

// The combos outlive it, until the window's own end.
Chooser::~Chooser() { QObject::disconnect(tria_); }

bool Chooser::IsEmpty() const {
    const Table* llista = finestra_.TableByName(declaracio_.taula);
    return !llista || llista->RowCount() == 0;
}

void Chooser::Fill() {
    finestra_.Inner(declaracio_.omple, [this] {
        if (IsEmpty()) return;
        ado::Recordset& llista = **finestra_.TableByName(declaracio_.taula);
        mostrant_ = true;
        for (llista.MoveFirst(); !llista.IsEOF(); llista.MoveNext()) {
            const com::Variant codi = llista.Value(declaracio_.codi);
            const QString text = codi.isNull() ? QString() : QString::fromStdString(codi.toString());
            const int32_t numero = llista.Value(declaracio_.numero).toLong();
            for (QComboBox* combo : {combo_, eco_})
                if (combo) combo->addItem(text, numero);
        }
        mostrant_ = false;
        ShowItem(0);
    });
}

void Chooser::Apply() {
    finestra_.Inner(declaracio_.fixa, [this] {
        const int index = combo_->currentIndex();
        const int32_t numero = combo_->itemData(index).toInt();
        if (eco_) eco_->setCurrentIndex(index);
        try {
            carrega_(numero);
        } catch (...) {
            ShowItem(mostrat_);
            throw;
        }
        mostrat_ = index;
        mostra_();
    });
}

void Chooser::Tria() {
    if (mostrant_ || !iniciat_ || IsEmpty()) return;
    finestra_.TopLevel(declaracio_.clic, [this] { Apply(); });
}

void Chooser::ShowItem(int index) {
    mostrant_ = true;
    for (QComboBox* combo : {combo_, eco_})
        if (combo) combo->setCurrentIndex(index);
    mostrant_ = false;
}

void Chooser::SetLocked(bool edicio) {
    velmar::SetLocked(combo_, edicio);
    if (eco_) velmar::SetLocked(eco_, true);
}

}  // namespace velmar
