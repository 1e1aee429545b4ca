#include "tests/support/ForeignWords.h"

#include <QDebug>
#include <QRegularExpression>
#include <QSet>

namespace {

// What gives a text away as one language: short words it cannot do without
// and the other never writes, the words of the program's menus and buttons,
// and, for Spanish, letters English has not (in English the degree sign is
// "°", never "º"). "ir" and "ri" are the two languages' names for the
// refractive index. Then what is the same in both: names of people and
// things, units, file types, commands, the objectives' names on the command
// line, and one-letter symbols (i, D, H…), which need no entry.
struct Words {
    QLocale::Language language;  // AnyLanguage: the same in both
    QStringList words;
    QString letters;
};

const QList<Words> &wordTable() {
    static const QList<Words> table{
        {QLocale::Spanish,
         QStringLiteral("de del el la los las un una con para por que se su al ir archivo abrir "
                        "guardar salir ayuda calcular imprimir copiar cerrar aceptar buscar "
                        "diamante cuarzo")
             .split(u' '),
         QStringLiteral("áéíóúüñÁÉÍÓÚÜÑ¿¡º")},
        {QLocale::English,
         QStringLiteral("the of and with for to from is are this your or in on by not ri file "
                        "open save exit help calculate print copy close search diamond quartz")
             .split(u' '),
         QString()},
        {QLocale::AnyLanguage,
         QStringLiteral("corvelux marta iriarte solano tolkowsky gia iso cie fresnel nelder mead "
                        "simplex cos mm cm nm ct min max rho csv pdf svg png txt utf windows gnu "
                        "gpl alt sudo apt-get install remove amd deb mixto-cielo inclinado "
                        "inclinado-cos con-fuego")
             .split(u' '),
         QString()},
    };
    return table;
}

// The words of a line, options and mnemonics' marks left out.
QStringList wordsOf(const QString &line) {
    static const QRegularExpression option(QStringLiteral("--[\\w-]+|&(?=\\w)"));
    static const QRegularExpression word(QStringLiteral("[\\p{L}º¿¡]+(?:[-'’]\\p{L}+)*"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList words;
    for (const QRegularExpressionMatch &match : word.globalMatch(QString(line).remove(option)))
        words << match.captured();
    return words;
}

bool belongsTo(const QString &word, const Words &entry) {
    return entry.words.contains(word.toLower()) ||
           std::any_of(word.begin(), word.end(),
                       [&](QChar c) { return entry.letters.contains(c); });
}

// One letter, or a word of the table's last entry.
bool sameInBoth(const QString &word) {
    return word.size() == 1 || belongsTo(word, wordTable().constLast());
}

// Lists each line of texts, once, for which words finds some; true when none.
template <typename Finder>
bool listLines(const char *what, const QStringList &texts, Finder words) {
    QSet<QString> listed;
    for (const QString &text : texts) {
        for (QString line : text.split(u'\n')) {
            line = line.trimmed();
            const QStringList found = words(line);
            if (!found.isEmpty() && !listed.contains(line)) {
                listed.insert(line);
                qInfo("%s: «%s»: %s", what, qPrintable(line), qPrintable(found.join(u' ')));
            }
        }
    }
    return listed.isEmpty();
}

}  // namespace

QStringList foreignWords(const QString &text, QLocale::Language language) {
    QStringList found;
    for (const QString &word : wordsOf(text)) {
        const bool foreign = std::any_of(wordTable().begin(), wordTable().end(), [&](auto &e) {
            return e.language != language && e.language != QLocale::AnyLanguage &&
                   belongsTo(word, e);
        });
        if (foreign && !found.contains(word))
            found << word;
    }
    return found;
}

bool noForeignLines(const QStringList &texts, QLocale::Language language) {
    return listLines("In the other language", texts,
                     [language](const QString &line) { return foreignWords(line, language); });
}

bool noUntranslatedLines(const QStringList &english, const QStringList &spanish) {
    QSet<QString> spanishLines;
    for (const QString &text : spanish) {
        for (const QString &line : text.split(u'\n'))
            spanishLines.insert(line.trimmed());
    }
    return listLines("Untranslated", english, [&spanishLines](const QString &line) {
        QStringList words;
        if (spanishLines.contains(line) && foreignWords(line, QLocale::English).isEmpty()) {
            for (const QString &word : wordsOf(line)) {
                if (!sameInBoth(word))
                    words << word;
            }
        }
        return words;
    });
}
