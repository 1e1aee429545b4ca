#include "help/HelpPages.h"
#include "help/PageLimits.h"
#include "stone/DesignLimits.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The limits a cutter reads in the help and in the manual page are those the
// program holds: the pages ask for them, the manual page is checked here.
namespace {

const QString placeholder = QStringLiteral("<!--límite:");

// "de 0 a 10", as the manual page writes a range.
QString manualRange(const stone::ValueRange &range) {
    return QStringLiteral("de %1 a %2").arg(range.low).arg(range.high);
}

// "64, 72, 80, 96 o 120".
QString gearsText() {
    QStringList gears;
    for (const int teeth : stone::indexGears())
        gears.append(QString::number(teeth));
    const QString last = gears.takeLast();
    return gears.join(QStringLiteral(", ")) + QStringLiteral(" o ") + last;
}

// The manual page's source with groff's minus signs as plain hyphens.
QString manualPage() {
    QFile file(QStringLiteral(CORVELUX_MANUAL_PAGE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", CORVELUX_MANUAL_PAGE);
    return QString::fromUtf8(file.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
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
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("range");
        QTest::newRow("girdle") << "--filetin" << manualRange(stone::girdleLimits);
        QTest::newRow("stars") << "--estrella" << manualRange(stone::starLimits);
        QTest::newRow("lower halves")
            << "--pabellon-inferior" << manualRange(stone::lowerHalfLimits);
        QTest::newRow("density") << "--densidad" << manualRange(stone::densityLimits);
        QTest::newRow("head") << "--cabeza" << manualRange(stone::headLimits);
        QTest::newRow("eye") << "--distancia" << manualRange(stone::eyeDistanceLimits);
        QTest::newRow("rays") << "--rayos" << manualRange(stone::raysLimits);
        QTest::newRow("dispersion") << "--dispersion" << manualRange(stone::dispersionLimits);
        QTest::newRow("fire weight") << "--peso-fuego" << manualRange(stone::fireWeightLimits);
        QTest::newRow("gears") << "--indice" << gearsText();
        QTest::newRow("table searched") << "--mesa" << manualRange(stone::tableSearchLimits);
        QTest::newRow("crown searched") << "--corona" << manualRange(stone::crownSearchLimits);
        QTest::newRow("pavilion searched")
            << "--pabellon" << manualRange(stone::pavilionSearchLimits);
        QTest::newRow("depth") << "--profundidad-maxima" << manualRange(stone::maxDepthLimits);
        QTest::newRow("retention")
            << "--retencion-minima" << manualRange(stone::minRetentionLimits);
    }

    void manualPageRanges() {
        QFETCH(QString, option);
        QFETCH(QString, range);
        const QStringList descriptions = optionDescriptions(manualPage(), option);
        QVERIFY2(!descriptions.isEmpty(), qPrintable(option + " is described nowhere"));
        for (const QString &description : descriptions)
            QVERIFY2(description.contains(range), qPrintable(option + ": " + description));
    }

    void everyLimitOfThePagesFilledIn() {
        const QString book = wholeBook();
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
