#include "framework/Triador.h"

#include <QComboBox>
#include <QLabel>

#include "core/Bloqueig.h"
#include "core/Dialegs.h"
#include "framework/Finestra.h"

namespace velmar {

Triador::Triador(Finestra& finestra, Declaracio declaracio, std::function<void(int32_t)> carrega,
                 std::function<void()> mostra)
    : finestra_(finestra),
      declaracio_(std::move(declaracio)),
      carrega_(std::move(carrega)),
      mostra_(std::move(mostra)),
      combo_(new QComboBox(&finestra)),
      etiqueta_(dialegs::Control<QLabel>(&finestra, declaracio_.etiqueta)),
      eco_(declaracio_.eco ? new QComboBox(&finestra) : nullptr) {
    combo_->setObjectName(QString::fromLatin1(declaracio_.combo));
    if (eco_) eco_->setObjectName(QString::fromLatin1(declaracio_.eco));
    for (QComboBox* combo : {combo_, eco_})
        if (combo) combo->setMinimumContentsLength(12);
    tria_ = QObject::connect(combo_, &QComboBox::currentIndexChanged, &finestra, [this] { Tria(); });
}

// The combos outlive it, until the window's own end.
Triador::~Triador() { QObject::disconnect(tria_); }

bool Triador::Buit() const {
    const Taula* llista = finestra_.TaulaPerNom(declaracio_.taula);
    return !llista || llista->Files() == 0;
}

void Triador::Omple() {
    finestra_.Inner(declaracio_.omple, [this] {
        if (Buit()) return;
        ado::Recordset& llista = **finestra_.TaulaPerNom(declaracio_.taula);
        mostrant_ = true;
        for (llista.MoveFirst(); !llista.IsEOF(); llista.MoveNext()) {
            const com::Variant codi = llista.Value(declaracio_.codi);
            const QString text = codi.isNull() ? QString() : QString::fromStdString(codi.toString());
            const int32_t numero = llista.Value(declaracio_.numero).toLong();
            for (QComboBox* combo : {combo_, eco_})
                if (combo) combo->addItem(text, numero);
        }
        mostrant_ = false;
        Mostra(0);
    });
}

void Triador::Fixa() {
    finestra_.Inner(declaracio_.fixa, [this] {
        const int index = combo_->currentIndex();
        const int32_t numero = combo_->itemData(index).toInt();
        if (eco_) eco_->setCurrentIndex(index);
        try {
            carrega_(numero);
        } catch (...) {
            Mostra(mostrat_);
            throw;
        }
        mostrat_ = index;
        mostra_();
    });
}

void Triador::Tria() {
    if (mostrant_ || !iniciat_ || Buit()) return;
    finestra_.TopLevel(declaracio_.clic, [this] { Fixa(); });
}

void Triador::Mostra(int index) {
    mostrant_ = true;
    for (QComboBox* combo : {combo_, eco_})
        if (combo) combo->setCurrentIndex(index);
    mostrant_ = false;
}

void Triador::Bloqueja(bool edicio) {
    velmar::Bloqueja(combo_, edicio);
    if (eco_) velmar::Bloqueja(eco_, true);
}

}  // namespace velmar
