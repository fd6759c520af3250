#include "core/DataLocal.h"

#include <QDateTime>
#include <QLocale>

#include "core/LlistaRegistres.h"

namespace velmar {
namespace {

// The language's short date form with the century written out, so that no
// year is read in the wrong century.
QString Format(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy")) format.replace("yy", "yyyy");
    return format;
}

QDate Calendari(const com::Date& date) {
    const std::string iso = date.ToIso();
    return QDate::fromString(QString::fromLatin1(iso.data(), 10), Qt::ISODate);
}

}  // namespace

QString TextData(const com::Date& date, int32_t idioma) {
    const QLocale locale = LocaleIdioma(idioma);
    const std::string iso = date.ToIso();
    QString text = locale.toString(Calendari(date), Format(locale));
    const QTime time = QTime::fromString(QString::fromLatin1(iso.data() + 11, 8), Qt::ISODate);
    if (time.isValid() && time != QTime(0, 0)) text += ' ' + locale.toString(time, QLocale::ShortFormat);
    return text;
}

std::optional<com::Date> LlegeixData(const QString& text, int32_t idioma) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;
    const QLocale locale = LocaleIdioma(idioma);
    const QString format = Format(locale);
    for (const QString& form : {format, format + ' ' + locale.timeFormat(QLocale::ShortFormat)}) {
        const QDateTime read = locale.toDateTime(trimmed, form);
        if (read.isValid())
            return com::Date::FromParts(read.date().year(), read.date().month(), read.date().day(),
                                        read.time().hour(), read.time().minute(), read.time().second());
    }
    com::Date iso;
    if (com::Date::Parse(trimmed.toStdString(), iso)) return iso;
    return std::nullopt;
}

}  // namespace velmar
