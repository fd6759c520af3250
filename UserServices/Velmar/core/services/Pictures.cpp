#include "core/services/Pictures.h"

#include <QString>

#include "Ado/DatabaseFiles.h"
#include "Base/Error.h"

namespace velmar {

void RefuseDatabaseFile(const std::string& path) {
    if (ado::IsDatabaseFile(path)) base::Raise(base::err::DatabaseFile);
}

QPixmap ReadPicture(const std::string& path) {
    RefuseDatabaseFile(path);
    QPixmap imatge(QString::fromStdString(path));
    if (imatge.isNull()) base::Raise(base::err::InvalidPicture);
    return imatge;
}

void WritePicture(const QImage& imatge, const std::string& path, const char* format) {
    RefuseDatabaseFile(path);
    if (!imatge.save(QString::fromStdString(path), format)) base::Raise(base::err::PathFileAccess);
}

}  // namespace velmar
