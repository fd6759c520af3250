#include "Dialegs.h"

#include <QApplication>
#include <QMessageBox>

namespace velmar::dialegs {
namespace {

MissatgeHandler& Handler() {
    static MissatgeHandler handler;
    return handler;
}

void ShowBox(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QChar('\r'), QChar('\n'));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok);
    box.exec();
}

}  // namespace

void MissatgeOk(const std::string& text) {
    if (Handler())
        Handler()(text);
    else
        ShowBox(text);
}

MissatgeHandler SetMissatgeHandler(MissatgeHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace velmar::dialegs
