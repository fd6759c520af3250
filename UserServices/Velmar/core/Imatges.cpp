#include "core/Imatges.h"

#include <QString>

#include "Ado/DatabaseFiles.h"
#include "Base/Error.h"

namespace velmar {

void RefusaArxiuBaseDades(const std::string& path) {
    if (ado::IsDatabaseFile(path)) base::Raise(base::err::DatabaseFile);
}

QPixmap LlegeixImatge(const std::string& path) {
    RefusaArxiuBaseDades(path);
    QPixmap imatge(QString::fromStdString(path));
    if (imatge.isNull()) base::Raise(base::err::InvalidPicture);
    return imatge;
}

void GravaImatge(const QImage& imatge, const std::string& path, const char* format) {
    RefusaArxiuBaseDades(path);
    if (!imatge.save(QString::fromStdString(path), format)) base::Raise(base::err::PathFileAccess);
}

}  // namespace velmar
