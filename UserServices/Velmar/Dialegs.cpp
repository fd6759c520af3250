#include "Dialegs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace velmar::dialegs {
namespace {

MissatgeHandler& Handler() {
    static MissatgeHandler handler;
    return handler;
}

ArxiuHandler& FileHandler() {
    static ArxiuHandler handler;
    return handler;
}

void ShowBox(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QChar('\r'), QChar('\n'));
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shown, QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> ShowFileDialog(const PeticioArxiu& peticio) {
    QFileDialog dialog;
    dialog.setAcceptMode(peticio.gravar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(peticio.gravar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!peticio.filtre.empty()) dialog.setNameFilter(QString::fromStdString(peticio.filtre));
    if (!peticio.extensio.empty()) dialog.setDefaultSuffix(QString::fromStdString(peticio.extensio));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
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

std::optional<std::string> TriaArxiu(const PeticioArxiu& peticio) {
    return FileHandler() ? FileHandler()(peticio) : ShowFileDialog(peticio);
}

ArxiuHandler SetArxiuHandler(ArxiuHandler handler) {
    return std::exchange(FileHandler(), std::move(handler));
}

}  // namespace velmar::dialegs
