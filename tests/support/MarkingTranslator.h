#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QStringList>
#include <QTranslator>

// A stand-in for a translation that shows what went through Qt's
// translation system: while it lives, every text of every context reads
// «text», so that a word shown outside « and » was never translated. A
// source given another text reads «other text» instead, for a language whose
// words are wider or narrower than the Spanish ones.
class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(QHash<QString, QString> replacements = {})
        : m_replacements(std::move(replacements)) {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override {
        const QString source = QString::fromUtf8(sourceText);
        return u'«' + m_replacements.value(source, source) + u'»';
    }

    // The words of text outside every « », less those allowed: the texts
    // shown untranslated. Translations nest where one is another's argument.
    static QStringList unmarkedWords(const QString &text, const QStringList &allowed = {}) {
        QStringList words{QString()};
        int depth = 0;
        for (const QChar c : text) {
            depth += c == u'«' ? 1 : c == u'»' ? -1 : 0;
            if (depth == 0 && c.isLetter())
                words.last() += c;
            else if (!words.last().isEmpty())
                words.append(QString());
        }
        words.removeIf([&allowed](const QString &w) { return w.isEmpty() || allowed.contains(w); });
        return words;
    }

private:
    QHash<QString, QString> m_replacements;
};
