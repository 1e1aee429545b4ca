#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "drawing/CutSheet.h"
#include "drawing/ReadOut.h"
#include "files/CutSheetFile.h"
#include "files/FileMessages.h"
#include "tst_parameterfile_files.h"
#include "tst_parameterfile_limits.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

CutSheetContent diamondSheet() {
    return {stone::designOf(solveCut(2.419, 10 * pi / 180), 10, stone::nearestGemMaterial(2.419)),
            QDate(2025, 3, 14),
            {}};
}

const CutSheetContent diamond = diamondSheet();

int pdfPages(const QByteArray &pdf) {
    return int(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

bool isDark(const QImage &image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

// Whether a row of the top or bottom half of image has its longest run of
// dark pixels between shortest and longest pixels long.
bool hasRowWithDarkRun(const QImage &image, bool bottomHalf, int shortest, int longest) {
    const int half = image.height() / 2;
    for (int y = bottomHalf ? half : 0; y < (bottomHalf ? image.height() : half); ++y) {
        int run = 0;
        int longestInRow = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = isDark(image, x, y) ? run + 1 : 0;
            longestInRow = qMax(longestInRow, run);
        }
        if (longestInRow >= shortest && longestInRow <= longest)
            return true;
    }
    return false;
}

}  // namespace

class TestCutSheetFile : public QObject {
    Q_OBJECT

private slots:
    // Spanish, as the program sets it for a Spanish desktop.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void pdfIsTwoA4Pages() {
        const QByteArray pdf = written(QStringLiteral("hoja.PDF"));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdfPages(pdf), 2);
        QVERIFY(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));  // A4 in points
    }

    // Vectors on white paper: the lines as shapes, the eight results, the
    // date and the values computed for as texts.
    void svgHoldsShapesAndTheResults() {
        const QByteArray svg = written(QStringLiteral("hoja.svg"));
        QVERIFY(svg.contains("<g fill=\"#ffffff\""));  // the white paper, for any viewer
        QXmlStreamReader xml(svg);
        QStringList texts;
        int shapes = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"text")
                texts.append(xml.readElementText());
            shapes += xml.name() == u"polyline" || xml.name() == u"path" ? 1 : 0;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(shapes >= 13 * 5);  // every segment of the thirteen rays at least
        const QStringList values{"14 de marzo de 2025", "IR = 2.419", "D = 10 mm",
                                 "épsilon = 10 º"};
        for (const QString &line :
             readOutTopToBottom(diamond.design.D, diamond.design.cut) + values)
            QVERIFY2(texts.contains(line), qPrintable(line));
    }

    // The date's month in the program's language.
    void dateInTheProgramsLanguage() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QByteArray svg = written(QStringLiteral("hoja.svg"));
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QVERIFY(svg.contains("March"));
    }

    // Both pages, one above the other.
    void pngIsTwoA4PagesAt300DpiWithTheProfile() {
        const QImage image = QImage::fromData(written(QStringLiteral("hoja.png")));
        QCOMPARE(image.size(), QSize(2480, 2 * 3508));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 300);
        const QImage firstPage = image.copy(0, 0, 2480, 3508);
        // The girdle line of Picture1's profile: 4500 of its 7515 twips
        // across 170 of the page's 210 mm, some 48% of the width, where the
        // frames and the rule run longer.
        QVERIFY(hasRowWithDarkRun(firstPage, false, 0.46 * 2480, 0.50 * 2480));
        // Picture2's, 3000 units of 219/224 twip on the same scale: 31.6%
        // (32.3% in Picture1's units).
        QVERIFY(hasRowWithDarkRun(firstPage, true, 0.313 * 2480, 0.319 * 2480));
    }

    // Paper narrower than A4 takes the whole sheet, smaller: its margins
    // keep the paper's edges clear.
    void narrowPaperHoldsTheWholeSheet() {
        QImage paper(200, 594, QImage::Format_Grayscale8);  // 100 x 297 mm
        paper.fill(Qt::white);
        QPainter painter(&paper);
        paintCutSheetPage(painter, paper.rect(), diamond, 0);
        painter.end();
        bool inkOnTheEdges = false;
        for (int y = 0; y < paper.height(); ++y)
            inkOnTheEdges |= isDark(paper, 0, y) || isDark(paper, paper.width() - 1, y);
        QVERIFY(!inkOnTheEdges);
    }

    // A disk that fills up leaves the old file whole and no temporary file,
    // in a read-only folder too, where the file is written in place.
    void failedWriteKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("PDF") << "hoja.pdf" << false;
        QTest::newRow("SVG") << "hoja.svg" << false;
        QTest::newRow("PNG") << "hoja.png" << false;
        QTest::newRow("PDF, read-only folder") << "hoja.pdf" << true;
    }
    void failedWriteKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir dir;
        const QString fileName = dir.filePath(name);
        createFile(fileName, "old");
        QString error;
        {
            const PermissionsEnforced enforced;
            if (readOnlyFolder)
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            const FileSizeLimit diskFull(4096);
            error = writeCutSheet(fileName, diamond);
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QCOMPARE(error, FileMessages::cannotSave(fileName));
        QCOMPARE(contentsOf(fileName), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
    }

    void refusesOtherExtensions() {
        QTemporaryDir dir;
        const QString fileName = dir.filePath(QStringLiteral("hoja.jpg"));
        QCOMPARE(writeCutSheet(fileName, diamond),
                 QStringLiteral("No se puede guardar la hoja de corte como \"%1\": el nombre "
                                "debe terminar en .pdf, .svg o .png.")
                     .arg(fileName));
        QVERIFY(!QFile::exists(fileName));
    }

private:
    // The diamond's sheet written under name, or the message why not.
    QByteArray written(const QString &name) {
        const QString fileName = m_dir.filePath(name);
        const QString error = writeCutSheet(fileName, diamond);
        return error.isEmpty() ? contentsOf(fileName) : error.toUtf8();
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCutSheetFile)
#include "tst_cutsheetfile.moc"
