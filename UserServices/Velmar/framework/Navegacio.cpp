#include "framework/Navegacio.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "Com/Variant.h"

namespace velmar {
namespace {

// A navigation button shows its picture and no caption.
QPushButton* Boto(QWidget* window, const char* nom, QStyle::StandardPixmap picture) {
    auto* button = new QPushButton(window);
    button->setObjectName(QString::fromLatin1(nom));
    button->setIcon(window->style()->standardIcon(picture));
    return button;
}

}  // namespace

void MouRegistre(ado::Recordset& rows, Moviment moviment) {
    const int32_t count = rows.RecordCount();
    if (count == 0) return;
    const int32_t position = rows.AbsolutePosition();
    switch (moviment) {
        case Moviment::Principi: return rows.MoveFirst();
        case Moviment::Recula:
            if (position != 1) rows.MovePrevious();
            return;
        case Moviment::Avanca:
            if (position != count) rows.MoveNext();
            return;
        case Moviment::Fi: return rows.MoveLast();
    }
}

std::string TextComptador(const ado::Recordset& rows, const std::string& primer, const std::string& segon) {
    const int32_t count = rows.RecordCount();
    // Past either end there is no row to count from.
    const int32_t position = count == 0 ? 0 : std::max(0, rows.AbsolutePosition());
    return primer + " " + com::Digits(position) + " " + segon + " " + com::Digits(count);
}

Navegador CreaNavegador(QWidget* window, const std::array<const char*, 4>& botons, const char* comptador) {
    auto* counter = new QLineEdit(window);
    counter->setObjectName(QString::fromLatin1(comptador));
    counter->setAlignment(Qt::AlignCenter);
    counter->setMinimumWidth(counter->fontMetrics().horizontalAdvance(QStringLiteral("Lluminària 0000 de 0000")) + 16);
    auto* line = new QHBoxLayout;
    line->addWidget(Boto(window, botons[0], QStyle::SP_MediaSkipBackward));
    line->addWidget(Boto(window, botons[1], QStyle::SP_MediaSeekBackward));
    line->addWidget(counter);
    line->addWidget(Boto(window, botons[2], QStyle::SP_MediaSeekForward));
    line->addWidget(Boto(window, botons[3], QStyle::SP_MediaSkipForward));
    return {line, counter};
}

}  // namespace velmar
