#include "core/services/Dates.h"

#include <QDateTime>
#include <QLocale>

#include "core/controls/RecordList.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

QLocale Locale() { return LanguageLocale(clsAndamiSistema::Instance().Idioma()); }

// The short form, but never a year of two digits, which would be read back
// as another century.
QString Format(QLocale::FormatType type, bool ambHora) {
    const QLocale locale = Locale();
    QString format = ambHora ? locale.dateTimeFormat(type) : locale.dateFormat(type);
    if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

}  // namespace

QString FormatDate(const com::Date& date) {
    const QDateTime moment = QDateTime::fromString(QString::fromStdString(date.ToIso()), Qt::ISODate);
    const bool ambHora = moment.time() != QTime(0, 0);
    return Locale().toString(moment, Format(QLocale::ShortFormat, ambHora));
}

std::optional<com::Date> ParseDate(const QString& text) {
    const QString trimmed = text.trimmed();
    const QLocale locale = Locale();
    // Day and month also with one digit; the year always in full, so that
    // "3/4/17" is not taken for the year 17.
    const auto lenient = [](QString format) {
        return format.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    };
    QDateTime moment = locale.toDateTime(trimmed, lenient(Format(QLocale::ShortFormat, true)));
    if (!moment.isValid())
        moment = QDateTime(locale.toDate(trimmed, lenient(Format(QLocale::ShortFormat, false))), QTime(0, 0));
    if (!moment.isValid()) moment = QDateTime::fromString(trimmed, Qt::ISODate);
    if (!moment.isValid() || moment.date().year() < 1000) return std::nullopt;
    const QDate d = moment.date();
    const QTime t = moment.time();
    return com::Date::FromParts(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

}  // namespace velmar
