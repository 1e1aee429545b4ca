#pragma once

#include <QString>
#include <QTranslator>

// A translation into marks: every text that goes through Qt's translation
// system comes back as itself between ⟦ and ⟧, so that a test sees which
// texts a user would read untranslated. Installed for as long as it lives.
class MarkingTranslator final : public QTranslator {
public:
    MarkingTranslator();
    ~MarkingTranslator() override;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // text without its marked parts, marks included: what no translation
    // reached.
    static QString unmarked(const QString &text);
};
