// The pictures the program reads and writes at paths that a person names or
// browses to: photos, the language icons, the element tree's exports, the
// window pictures of the command line. None of them may be a file of the
// database the program has open: opening and closing one in this process
// drops SQLite's locks on it, another program then deletes the WAL under the
// open connection, and later saves are lost (Ado/DatabaseFiles.h).
#pragma once

#include <QImage>
#include <QPixmap>
#include <string>

namespace velmar {

// Raises 521 when `path` names a file of the database the program has open,
// however it is spelled; tells it by stat, without opening anything.
void RefuseDatabaseFile(const std::string& path);

// The picture in the file at `path`: 521 for a file of the database, 481
// when the file holds no picture.
QPixmap ReadPicture(const std::string& path);

// Writes `imatge` at `path` in `format` ("BMP", "PNG"): 521 for a file of
// the database, 75 when it cannot be written there.
void WritePicture(const QImage& imatge, const std::string& path, const char* format);

}  // namespace velmar
