#include "ControlChecks.h"
#include "DarkPalette.h"
#include "windows/Acercade.h"
#include "windows/Form1.h"
#include "windows/FrmSplash.h"
#include "windows/FrmVerificacion.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <memory>

namespace {

using WindowMaker = std::function<std::unique_ptr<QWidget>()>;

template <typename Window>
WindowMaker maker() {
    return [] { return std::make_unique<Window>(); };
}

bool showsText(const QWidget &control) {
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        return !button->text().isEmpty();  // not a picture button
    return qobject_cast<const QLabel *>(&control) || qobject_cast<const QLineEdit *>(&control);
}

// The face and text colours of every label, field and captioned button.
QMap<QString, FaceColours> textColours(QWidget &window) {
    window.ensurePolished();
    QMap<QString, FaceColours> colours;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (showsText(*control))
            colours.insert(control->objectName(), faceColours(*control));
    }
    return colours;
}

}  // namespace

Q_DECLARE_METATYPE(WindowMaker)

// On a dark desktop scheme the windows keep their own colours: where the
// layout fixes a face, its text shows as in the standard scheme, so no light
// text lands on a light face.
class TestDarkPalette : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void textsOnTheLayoutsFacesKeepTheirColour_data() {
        QTest::addColumn<WindowMaker>("make");
        QTest::addColumn<int>("fixedFaces");
        QTest::newRow("Form1") << maker<Form1>() << 20;
        QTest::newRow("Acercade") << maker<Acercade>() << 5;
        QTest::newRow("frmSplash") << maker<FrmSplash>() << 4;
        // "Ca&ncelar" and the six number fields.
        QTest::newRow("FrmVerificacion") << maker<FrmVerificacion>() << 7;
    }

    void textsOnTheLayoutsFacesKeepTheirColour() {
        QFETCH(WindowMaker, make);
        QFETCH(int, fixedFaces);
        const QMap<QString, FaceColours> standard = textColours(*make());
        QApplication::setPalette(darkPalette());
        const QMap<QString, FaceColours> dark = textColours(*make());

        int checked = 0;
        for (auto it = standard.cbegin(); it != standard.cend(); ++it) {
            const FaceColours shown = dark.value(it.key());
            if (shown.face != it->face)
                continue;  // a face in the desktop's colours, with its text
            QVERIFY2(shown.text == it->text, qPrintable(it.key()));
            ++checked;
        }
        QCOMPARE(checked, fixedFaces);
    }
};

QTEST_MAIN(TestDarkPalette)
#include "tst_darkpalette.moc"
