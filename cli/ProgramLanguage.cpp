#include "cli/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

QLocale localeOf(Language language) {
    return language == Language::spanish ? QLocale(QLocale::Spanish, QLocale::Spain)
                                         : QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace

Language desktopLanguage() {
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        // LANGUAGE lists languages in order of preference.
        const QByteArray value = qgetenv(variable).split(':').constFirst();
        if (!value.isEmpty())
            return value.startsWith("es") ? Language::spanish : Language::english;
    }
    return Language::english;
}

std::optional<Language> languageNamed(QByteArrayView name) {
    if (name == "es")
        return Language::spanish;
    if (name == "en")
        return Language::english;
    return std::nullopt;
}

Language languageAsked(int argc, char *argv[]) {
    for (int k = 1; k + 1 < argc; ++k) {
        if (qstrcmp(argv[k], "--idioma") == 0) {
            if (const std::optional<Language> named = languageNamed(argv[k + 1]))
                return *named;
        }
    }
    return desktopLanguage();
}

ProgramLanguage::ProgramLanguage(Language language) {
    const QLocale locale = localeOf(language);
    QLocale::setDefault(locale);
    if (language == Language::english &&
        m_program.load(QStringLiteral(":/traducciones/corvelux_en.qm")))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

ProgramLanguage::~ProgramLanguage() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
}
