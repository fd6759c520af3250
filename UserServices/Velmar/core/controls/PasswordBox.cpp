#include "core/controls/PasswordBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace velmar {
namespace {

constexpr int kLlargariaMascara = 8;

}  // namespace

PasswordBox::PasswordBox(QWidget* parent) : QLineEdit(parent) {
    // As a password box: its text is not copied, dragged or read aloud.
    setEchoMode(QLineEdit::Password);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PasswordBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    if (text().isEmpty()) return;
    const QChar mask(style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, &panel, this));
    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft, QString(kLlargariaMascara, mask));
}

void PasswordBox::keyPressEvent(QKeyEvent* event) { event->ignore(); }

}  // namespace velmar
