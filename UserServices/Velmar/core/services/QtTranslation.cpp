#include "core/services/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace velmar {
namespace {

// The name Qt's translations give the language.
const char* LocaleQt(int32_t idioma) {
    switch (idioma) {
        case 2: return "es";
        case 5: return "en";
        default: return "ca";
    }
}

}  // namespace

void SetQtTranslation(int32_t idioma) {
    static std::unique_ptr<QTranslator> installed;
    static QString current;
    if (!QCoreApplication::instance()) return;
    const QString locale = QString::fromLatin1(LocaleQt(idioma));
    if (locale == current) return;
    current = locale;

    auto translator = std::make_unique<QTranslator>();
    const bool loaded = translator->load(QLocale(locale), "qtbase", "_",
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (installed) QCoreApplication::removeTranslator(installed.get());
    installed.reset();
    if (!loaded) return;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
}

}  // namespace velmar
