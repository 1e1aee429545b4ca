#pragma once

#include <QString>
#include <QtGlobal>

// The texts of the messages about a file that cannot be opened, read or
// saved, shown in the "CUIDADO !!!" box, in the program's language. Each
// names the file in full.
namespace FileMessages {

QString missing(const QString &fileName);
QString isFolder(const QString &fileName);
QString isSpecialFile(const QString &fileName);
QString cannotOpen(const QString &fileName);
QString cannotRead(const QString &fileName);
QString tooLarge(const QString &fileName, qint64 maxKiB);
QString cannotSave(const QString &fileName);

// Only for a file written in place, where no temporary file could be made
// beside it: a write that fails halfway has already changed it.
QString cannotFinishSaving(const QString &fileName);

// extensions: the sheet's or the recipe's, as a sentence lists them.
QString notACutSheetName(const QString &fileName, const QString &extensions);
QString notARecipeName(const QString &fileName, const QString &extensions);

}  // namespace FileMessages
