#pragma once

#include <QByteArrayView>
#include <QTranslator>
#include <optional>

// The language the program speaks: Spanish, in which it is written, or
// English, into which it is translated.
enum class Language { spanish, english };

// The desktop's language, as a translated program follows it: the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set decides; Spanish for
// "es…", English for anything else, "C" and "POSIX" included.
Language desktopLanguage();

// "--idioma es" or "--idioma en", anywhere among the arguments, forces a
// language for the run; otherwise the desktop's.
Language languageAsked(int argc, char *argv[]);

// The language that "--idioma" names "es" or "en".
std::optional<Language> languageNamed(QByteArrayView name);

// The program's texts, Qt's own (dialogs, buttons) and the default locale
// (dates, numbers shown in windows) in a language, for as long as it lives.
// It needs the application object.
class ProgramLanguage {
public:
    explicit ProgramLanguage(Language language);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage &) = delete;
    ProgramLanguage &operator=(const ProgramLanguage &) = delete;

private:
    QTranslator m_program;
    QTranslator m_qt;
};
