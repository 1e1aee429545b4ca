#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTranslator>

// A stand-in for a translation that shows what went through Qt's
// translation system: while it lives, every text of every context comes back
// as itself between ⟦ and ⟧, so that a test sees which texts a user would
// read untranslated. A source given another text reads ⟦other text⟧
// instead, for a language whose words are wider or narrower than Spanish.
class MarkingTranslator final : public QTranslator {
public:
    explicit MarkingTranslator(QHash<QString, QString> replacements = {});
    ~MarkingTranslator() override;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // The words of text outside its marked parts, less those allowed: what
    // no translation reached. Translations nest where one is another's
    // argument.
    static QStringList unmarkedWords(const QString &text, const QStringList &allowed = {});

private:
    QHash<QString, QString> m_replacements;
};
