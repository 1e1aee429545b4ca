#include "windows/Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes() {
    // Liberation Sans has Arial's metrics, so texts take the widths the
    // layouts were measured with.
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});

    // Arial Black is a family of one black face; "Lato Black" is such a family
    // too, so a request for the regular (or bold) face still gets black
    // strokes and the captions keep their heavy look.
    QFont::insertSubstitutions(QStringLiteral("Arial Black"),
                               {QStringLiteral("Lato Black"), QStringLiteral("Liberation Sans")});

    // MS Sans Serif was a compact screen font. Lato is narrow enough at small
    // sizes for the one-line texts to stay on one line in their boxes, which
    // the wider Liberation Sans does not manage.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Lato"), QStringLiteral("Liberation Sans")});
}
