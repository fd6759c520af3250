#include "core/services/Numbers.h"

#include <cmath>
#include <optional>

#include <QLocale>

#include "Ado/Cell.h"
#include "Ado/RecordsetValue.h"
#include "Com/ComError.h"
#include "core/controls/RecordList.h"
#include "core/services/clsAndamiSistema.h"

namespace velmar {
namespace {

// The session's language, writing numbers without thousands separators: a
// year or a code reads as typed, and what is shown is read back the same.
QLocale Locale() {
    QLocale locale = LanguageLocale(clsAndamiSistema::Instance().Idioma());
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

bool EsEnter(const ado::FieldInfo& field) {
    using T = ado::DataType;
    return field.type == T::Integer || field.type == T::SmallInt || field.type == T::Byte || field.type == T::BigInt;
}

// The text without its thousands separators, when they stand where the
// language puts them: between groups of three digits of the whole part
// ("1.500,5" in Català, "1,500.5" in English, and so in Castellano, whose
// own rule leaves four digits ungrouped but whose users often group them).
// None when a separator stands anywhere else ("70,5" in English).
std::optional<QString> SenseMilers(const QString& text, const QLocale& locale) {
    const QString milers = locale.groupSeparator();
    if (!text.contains(milers)) return text;
    qsizetype fi = text.indexOf(locale.decimalPoint());
    const qsizetype exponent = text.indexOf(locale.exponential(), 0, Qt::CaseInsensitive);
    if (fi < 0 || (exponent >= 0 && exponent < fi)) fi = exponent;
    const QString enter = fi < 0 ? text : text.left(fi);
    if (text.indexOf(milers, enter.size()) >= 0) return std::nullopt;
    qsizetype inici = 0;
    while (inici < enter.size() && !enter[inici].isDigit()) ++inici;
    const QStringList grups = enter.mid(inici).split(milers);
    for (qsizetype i = 0; i < grups.size(); ++i) {
        const QString& grup = grups[i];
        const bool mida = i == 0 ? grup.size() >= 1 && grup.size() <= 3 : grup.size() == 3;
        if (!mida) return std::nullopt;
        for (const QChar c : grup)
            if (!c.isDigit()) return std::nullopt;
    }
    return QString(text).remove(milers);
}

// `value` as the field holds it; none when the field cannot hold it.
std::optional<com::Variant> AlCamp(const com::Variant& value, const ado::FieldInfo& field) {
    try {
        return ado::CoerceToField(value, field);
    } catch (const com::ComError&) {
        return std::nullopt;
    }
}

ParsedNumber Llegit(std::optional<com::Variant> valor) {
    if (!valor) return {ParseOutcome::NoHiCap, {}};
    return {ParseOutcome::Valor, std::move(*valor)};
}

}  // namespace

bool IsNumeric(const ado::FieldInfo& field) {
    return EsEnter(field) || field.type == ado::DataType::Double || field.type == ado::DataType::Decimal;
}

QString FormatNumber(const com::Variant& value) {
    switch (value.type()) {
        case com::Variant::Type::Null:
        case com::Variant::Type::Empty: return {};
        case com::Variant::Type::Long: return Locale().toString(value.asLong());
        // The fewest digits that read back as the same number.
        case com::Variant::Type::Double: return Locale().toString(value.asDouble(), 'f', QLocale::FloatingPointShortest);
        default: return QString::fromStdString(value.toString());
    }
}

ParsedNumber ParseFieldNumber(const QString& text, const ado::FieldInfo& field) {
    const QLocale locale = Locale();
    const std::optional<QString> net = SenseMilers(text.trimmed(), locale);
    if (!net || net->isEmpty()) return {ParseOutcome::NoNumero, {}};
    bool llegit = false;
    // A whole number exactly, also beyond the digits a double keeps.
    if (EsEnter(field)) {
        const qlonglong whole = locale.toLongLong(*net, &llegit);
        if (llegit) return Llegit(AlCamp(ado::Cell::Whole(whole).toVariant(), field));
    }
    const double number = locale.toDouble(*net, &llegit);
    if (!llegit) return {std::isinf(number) ? ParseOutcome::NoHiCap : ParseOutcome::NoNumero, {}};
    if (!std::isfinite(number)) return {ParseOutcome::NoNumero, {}};
    if (EsEnter(field) && number != std::trunc(number)) return {ParseOutcome::NoEnter, {}};
    return Llegit(AlCamp(number, field));
}

const char* MessageCode(ParseOutcome lectura) {
    switch (lectura) {
        case ParseOutcome::Valor: return "";
        case ParseOutcome::NoNumero: return "valNumeroNoValid";
        case ParseOutcome::NoEnter: return "valNumeroNoEnter";
        case ParseOutcome::NoHiCap: return "valNumeroNoHiCap";
    }
    return "";
}

}  // namespace velmar
