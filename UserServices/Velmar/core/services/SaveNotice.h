// The notice that a window's changes are stored: a window that shows rows
// another window keeps (the start window's clients and maintenance types)
// reads them again when that window saves, instead of offering the rows it
// read when it opened.
#pragma once

#include <QObject>
#include <QString>

namespace velmar {

class SaveNotice final : public QObject {
    Q_OBJECT

public:
    // The one notice of the program.
    static SaveNotice& Instance();

signals:
    // The window of that Name committed the session's transaction: what it
    // saved is there for every window to read.
    void Saved(const QString& finestra);
};

}  // namespace velmar
