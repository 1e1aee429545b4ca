#pragma once

#include <QList>
#include <QString>

// One entry of a file dialog's list of file types.
struct FileType {
    QString caption;  // as the dialog shows it, e.g. "Archivos de texto(*.txt)"
    QString pattern;  // the names it lists, e.g. "*.txt"
    // Added, without its dot, to a name saved without an extension while
    // this type is selected, e.g. "pdf"; empty: the name is kept as typed.
    QString extension;

    friend bool operator==(const FileType &a, const FileType &b) {
        return a.caption == b.caption && a.pattern == b.pattern && a.extension == b.extension;
    }
};
using FileTypes = QList<FileType>;

// The name that saving under typed writes while type is selected: typed,
// with the type's extension added when it has none. A name's extension is
// what follows its last dot when that holds a letter: "hoja-2.419" has none.
QString completedFileName(const QString &typed, const FileType &type);

// The file dialog component of the main window, shared by the open and save
// commands: a list of file types, an open dialog, a save dialog, and the last
// chosen file name, kept for as long as its owner lives. Subclasses supply the
// dialog itself.
class Cuadro {
public:
    enum class Mode { Open, Save };

    virtual ~Cuadro() = default;

    void setFileTypes(const FileTypes &types) { m_fileTypes = types; }
    const FileTypes &fileTypes() const { return m_fileTypes; }

    // Each shows its dialog and returns true when the user chose a name; a
    // cancelled dialog or an empty name returns false and keeps the last name.
    // A save dialog may start on a proposed name, in the folder that name
    // gives; otherwise the dialog starts where it likes, with no name.
    bool showOpen() { return show(Mode::Open, {}); }
    bool showSave(const QString &proposed = {}) { return show(Mode::Save, proposed); }

    // The last name chosen in either dialog, completed by the selected file
    // type after a save (completedFileName): the file that is written.
    // Empty until the first choice.
    const QString &fileName() const { return m_fileName; }
    // Where in the list the file type selected with that name stands.
    qsizetype fileTypeIndex() const { return m_fileTypeIndex; }

protected:
    // What the user chose: a file name, empty when cancelled, and the index
    // of the file type selected at the time.
    struct Answer {
        QString fileName;
        qsizetype fileTypeIndex = 0;
    };

    // Asks the user for a file name, starting on proposed unless it is empty.
    // The first of the file types is the one selected when the dialog opens.
    // A save dialog asks before replacing the file that completedFileName
    // gives, and never answers with another file than the one typed.
    virtual Answer askFileName(Mode mode, const FileTypes &types, const QString &proposed) = 0;

private:
    bool show(Mode mode, const QString &proposed);

    FileTypes m_fileTypes;
    QString m_fileName;
    qsizetype m_fileTypeIndex = 0;
};
