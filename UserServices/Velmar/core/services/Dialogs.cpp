#include "core/services/Dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>

namespace velmar::dialogs {
namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

YesNoHandler& QuestionHandler() {
    static YesNoHandler handler;
    return handler;
}

FileChoiceHandler& FileHandler() {
    static FileChoiceHandler handler;
    return handler;
}

ModalHandler& ShowHandler() {
    static ModalHandler handler;
    return handler;
}

// Ends a modal show's loop when its window is hidden or closed.
class ModalEnd final : public QObject {
public:
    explicit ModalEnd(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close) loop_.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& loop_;
};

void ShowModal(QWidget* window) {
    const QPointer<QWidget> shown(window);
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    ModalEnd fi(loop);
    window->installEventFilter(&fi);
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec(QEventLoop::DialogExec);
    if (shown) window->removeEventFilter(&fi);
}

QString Shown(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}

void ShowBox(const std::string& text, const std::string& detalls) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Shown(text), QMessageBox::Ok);
    if (!detalls.empty()) box.setDetailedText(Shown(detalls));
    box.exec();
}

bool AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), Shown(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

// The types and icons of the files a dialog lists, told by their names
// alone: Qt's own provider, and a desktop's dialog, read a file whose name
// does not tell its type.
class TipusPelNom final : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) return QFileIconProvider::icon(Folder);
        const QIcon themed = QIcon::fromTheme(Tipus(info).iconName());
        return themed.isNull() ? QFileIconProvider::icon(File) : themed;
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) return QFileIconProvider::type(info);
        const QMimeType tipus = Tipus(info);
        return tipus.comment().isEmpty() ? tipus.name() : tipus.comment();
    }

private:
    QMimeType Tipus(const QFileInfo& info) const {
        return mimes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }
    QMimeDatabase mimes_;
};

std::optional<std::string> ShowFileDialog(const FileRequest& peticio) {
    TipusPelNom tipus;
    QFileDialog dialog;
    // Qt's own dialog, set before anything else: a desktop's dialog would
    // run in this process and read the files it lists.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&tipus);
    dialog.setAcceptMode(peticio.gravar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(peticio.gravar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!peticio.filtre.empty()) dialog.setNameFilter(QString::fromStdString(peticio.filtre));
    if (!peticio.extensio.empty()) dialog.setDefaultSuffix(QString::fromStdString(peticio.extensio));
    if (!peticio.carpeta.empty()) dialog.setDirectory(QDir::cleanPath(QString::fromStdString(peticio.carpeta)));
    if (!peticio.arxiu.empty()) dialog.selectFile(QString::fromStdString(peticio.arxiu));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace

void ShowMessage(const std::string& text, const std::string& detalls) {
    if (Handler())
        Handler()(text, detalls);
    else
        ShowBox(text, detalls);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

bool AskYesNoQuestion(const std::string& text) {
    return QuestionHandler() ? QuestionHandler()(text) : AskYesNo(text);
}

YesNoHandler SetYesNoHandler(YesNoHandler handler) {
    return std::exchange(QuestionHandler(), std::move(handler));
}

std::optional<std::string> ChooseFile(const FileRequest& peticio) {
    return FileHandler() ? FileHandler()(peticio) : ShowFileDialog(peticio);
}

FileChoiceHandler SetFileChoiceHandler(FileChoiceHandler handler) {
    return std::exchange(FileHandler(), std::move(handler));
}

void ShowModalWindow(QWidget* window) {
    if (ShowHandler())
        ShowHandler()(window);
    else
        ShowModal(window);
}

ModalHandler SetModalHandler(ModalHandler handler) {
    return std::exchange(ShowHandler(), std::move(handler));
}

}  // namespace velmar::dialogs
