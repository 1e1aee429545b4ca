#include "files/RecipeFile.h"

#include "drawing/CutSheet.h"
#include "files/AtomicSave.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "stone/RecipeReport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <optional>

namespace {

// The file's bytes for a recipe made from the design; empty on failure.
using Writer = QByteArray (*)(const CutSheetContent &content, const StoneRecipe &made);

QByteArray textBytes(const CutSheetContent &content, const StoneRecipe &made) {
    return stone::recipeReport(content.design, made).toUtf8();
}

QByteArray csvBytes(const CutSheetContent & /*content*/, const StoneRecipe &made) {
    return stone::recipeCsv(made.recipe, CsvWriter()).toUtf8();
}

QByteArray pdfBytes(const CutSheetContent &content, const StoneRecipe & /*made*/) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(QStringLiteral("CORVELUX"));
    writer.setCreator(QStringLiteral("CORVELUX"));
    return paintCutSheet(writer, content, SheetPages::recipe) ? buffer.data() : QByteArray();
}

struct Format {
    QStringView extension;  // lower case, without the dot
    const char *caption;    // the save dialog's file type
    Writer write;
};

constexpr Format formats[] = {
    {u"txt", QT_TRANSLATE_NOOP("RecipeFile", "Texto (*.txt)"), textBytes},
    {u"csv", QT_TRANSLATE_NOOP("RecipeFile", "Hoja de cálculo CSV (*.csv)"), csvBytes},
    {u"pdf", QT_TRANSLATE_NOOP("RecipeFile", "Documento PDF (*.pdf)"), pdfBytes},
};

}  // namespace

FileTypes recipeFileTypes() {
    return fileTypesOf("RecipeFile", formats);
}

QString writeRecipeFile(const QString &fileName, const CutSheetContent &content) {
    const Format *format = formatOfName(formats, fileName);
    if (!format)
        return FileMessages::notARecipeName(fileName, extensionsText(formats));
    const std::optional<StoneRecipe> made = makeStoneRecipe(content.design);
    const QByteArray bytes = made ? format->write(content, *made) : QByteArray();
    if (bytes.isEmpty())
        return FileMessages::cannotSave(fileName);
    return saveAtomically(fileName, bytes);
}
