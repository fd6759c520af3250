#include "core/Dialegs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace velmar::dialegs {
namespace {

MissatgeHandler& Handler() {
    static MissatgeHandler handler;
    return handler;
}

PreguntaHandler& QuestionHandler() {
    static PreguntaHandler handler;
    return handler;
}

ArxiuHandler& FileHandler() {
    static ArxiuHandler handler;
    return handler;
}

QString Shown(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}

void ShowBox(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Shown(text), QMessageBox::Ok);
    box.exec();
}

bool AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Shown(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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

bool PreguntaSiNo(const std::string& text) {
    return QuestionHandler() ? QuestionHandler()(text) : AskYesNo(text);
}

PreguntaHandler SetPreguntaHandler(PreguntaHandler handler) {
    return std::exchange(QuestionHandler(), std::move(handler));
}

std::optional<std::string> TriaArxiu(const PeticioArxiu& peticio) {
    return FileHandler() ? FileHandler()(peticio) : ShowFileDialog(peticio);
}

ArxiuHandler SetArxiuHandler(ArxiuHandler handler) {
    return std::exchange(FileHandler(), std::move(handler));
}

}  // namespace velmar::dialegs
