#include "help/HelpPages.h"
#include "help/PageLimits.h"
#include "stone/DesignLimits.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

// The limits a cutter reads in the help and in the manual page are those the
// program holds: the pages ask for them, the manual page is checked here.
namespace {

const QString placeholder = QStringLiteral("<!--límite:");

// How a manual page's language writes a range and the last of a list.
struct Wording {
    QString language, range, lastOne;
};

const Wording spanish{QStringLiteral("es"), QStringLiteral("de %1 a %2"), QStringLiteral(" o ")};
const Wording english{QStringLiteral("en"), QStringLiteral("from %1 to %2"),
                      QStringLiteral(" or ")};

// "de 0 a 10", as a manual page writes a range.
QString manualRange(const stone::ValueRange &range, const Wording &wording = spanish) {
    return wording.range.arg(range.low).arg(range.high);
}

// "64, 72, 80, 96 o 120".
QString gearsText(const Wording &wording = spanish) {
    QStringList gears;
    for (const int teeth : stone::indexGears())
        gears.append(QString::number(teeth));
    const QString last = gears.takeLast();
    return gears.join(QStringLiteral(", ")) + wording.lastOne + last;
}

// A manual page's source with groff's minus signs as plain hyphens.
QString manualPage(const QString &language) {
    const QString name = QStringLiteral(CORVELUX_MANUALS "/%1/corvelux.1").arg(language);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

// The manual page's ranges in a language, one row per option.
void addManualRanges(const Wording &w) {
    const auto row = [&w](const char *name, const char *option, const QString &range) {
        QTest::addRow("%s %s", qPrintable(w.language), name) << w.language << option << range;
    };
    row("girdle", "--filetin", manualRange(stone::girdleLimits, w));
    row("stars", "--estrella", manualRange(stone::starLimits, w));
    row("lower halves", "--pabellon-inferior", manualRange(stone::lowerHalfLimits, w));
    row("density", "--densidad", manualRange(stone::densityLimits, w));
    row("head", "--cabeza", manualRange(stone::headLimits, w));
    row("eye", "--distancia", manualRange(stone::eyeDistanceLimits, w));
    row("rays", "--rayos", manualRange(stone::raysLimits, w));
    row("dispersion", "--dispersion", manualRange(stone::dispersionLimits, w));
    row("fire weight", "--peso-fuego", manualRange(stone::fireWeightLimits, w));
    row("gears", "--indice", gearsText(w));
    row("table searched", "--mesa", manualRange(stone::tableSearchLimits, w));
    row("crown searched", "--corona", manualRange(stone::crownSearchLimits, w));
    row("pavilion searched", "--pabellon", manualRange(stone::pavilionSearchLimits, w));
    row("depth", "--profundidad-maxima", manualRange(stone::maxDepthLimits, w));
    row("retention", "--retencion-minima", manualRange(stone::minRetentionLimits, w));
}

// The text of each entry of the manual page that describes option, as in
// ".BI --filetin " G"" and the lines up to the next entry or section.
QStringList optionDescriptions(const QString &page, const QString &option) {
    const QRegularExpression entry(
        QStringLiteral("^\\.BI %1 \"[^\\n]*\\n((?:(?!\\.(?:TP|RE|IP|SH)\\b)[^\\n]*\\n)*)")
            .arg(QRegularExpression::escape(option)),
        QRegularExpression::MultilineOption);
    QStringList descriptions;
    for (const QRegularExpressionMatch &match : entry.globalMatch(page))
        descriptions.append(match.captured(1).simplified());
    return descriptions;
}

// The text of every page of the help, as the help window shows it.
QString wholeBook() {
    QString book;
    for (const HelpEntry &topic : helpTopics())
        book += helpPageHtml(topic.target);
    return book;
}

}  // namespace

class TestHelpLimits : public QObject {
    Q_OBJECT

private slots:
    void manualPageRanges_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("range");
        addManualRanges(spanish);
        addManualRanges(english);
    }

    void manualPageRanges() {
        QFETCH(QString, language);
        QFETCH(QString, option);
        QFETCH(QString, range);
        const QStringList descriptions = optionDescriptions(manualPage(language), option);
        QVERIFY2(!descriptions.isEmpty(), qPrintable(option + " is described nowhere"));
        for (const QString &description : descriptions)
            QVERIFY2(description.contains(range), qPrintable(option + ": " + description));
    }

    void everyLimitOfThePagesFilledIn_data() {
        QTest::addColumn<QLocale::Language>("language");
        QTest::newRow("Spanish") << QLocale::Spanish;
        QTest::newRow("English") << QLocale::English;
    }

    void everyLimitOfThePagesFilledIn() {
        QFETCH(QLocale::Language, language);
        const QLocale previous;
        QLocale::setDefault(QLocale(language));
        const QString book = wholeBook();
        QLocale::setDefault(previous);
        QVERIFY(!book.isEmpty());
        const qsizetype left = book.indexOf(placeholder);
        QVERIFY2(left < 0, qPrintable(book.mid(left, 40)));
    }

    void eachLimitAskedForAndFilledIn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto range = [](const stone::ValueRange &r) { return manualRange(r).mid(3); };
        QTest::newRow("girdle") << "filetín" << range(stone::girdleLimits);
        QTest::newRow("stars") << "estrellas" << range(stone::starLimits);
        QTest::newRow("lower halves") << "medias" << range(stone::lowerHalfLimits);
        QTest::newRow("density") << "densidad" << range(stone::densityLimits);
        QTest::newRow("head") << "cabeza" << range(stone::headLimits);
        QTest::newRow("eye") << "distancia" << range(stone::eyeDistanceLimits);
        QTest::newRow("rays") << "rayos" << range(stone::raysLimits);
        QTest::newRow("gears") << "ruedas" << gearsText();
        QTest::newRow("table searched") << "mesa buscada" << range(stone::tableSearchLimits);
        QTest::newRow("crown searched") << "corona buscada" << range(stone::crownSearchLimits);
        QTest::newRow("pavilion searched")
            << "pabellón buscado" << range(stone::pavilionSearchLimits);
        QTest::newRow("stars searched") << "estrellas buscadas" << range(stone::starSearchLimits);
        QTest::newRow("lower halves searched")
            << "medias buscadas" << range(stone::lowerHalfSearchLimits);
        QTest::newRow("depth") << "profundidad máxima" << range(stone::maxDepthLimits);
        QTest::newRow("retention") << "retención mínima" << range(stone::minRetentionLimits);
    }

    // Some page asks for each limit, so that none is written out, and gets
    // that value's limits.
    void eachLimitAskedForAndFilledIn() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        const QString asked = placeholder + name + QStringLiteral("-->");
        QString raw;
        for (const HelpEntry &topic : helpTopics()) {
            QFile page(QLatin1Char(':') + topic.target.path());
            QVERIFY(page.open(QIODevice::ReadOnly));
            raw += QString::fromUtf8(page.readAll());
        }
        QVERIFY(raw.contains(asked));
        QCOMPARE(withDesignLimits(asked), text);
    }
};

QTEST_GUILESS_MAIN(TestHelpLimits)
#include "tst_helplimits.moc"
