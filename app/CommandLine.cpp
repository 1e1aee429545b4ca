#include "app/CommandLine.h"

#include <QStringView>
#include <algorithm>
#include <iterator>

namespace {

struct Option {
    QStringView name;
    CommandLine::Request request;
    QStringView description;
};

constexpr Option options[] = {
    {u"--help", CommandLine::Request::ShowHelp, u"muestra esta ayuda y termina"},
    {u"--version", CommandLine::Request::ShowVersion,
     u"muestra la versión y la licencia y termina"},
};

const Option *findOption(const QString &name) {
    const auto found = std::find_if(std::begin(options), std::end(options),
                                    [&name](const Option &option) { return option.name == name; });
    return found == std::end(options) ? nullptr : found;
}

CommandLine misuse(QStringView what, const QString &argument) {
    return {CommandLine::Request::Misuse, QStringLiteral("corvelux: %1 «%2»").arg(what, argument)};
}

}  // namespace

CommandLine parseCommandLine(const QStringList &arguments) {
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.first();
    const Option *option = findOption(first);
    if (!option && first.startsWith(u'-'))
        return misuse(u"opción no reconocida", first);
    // Anything after a known option, or in place of one, is one argument too many.
    const qsizetype used = option ? 1 : 0;
    if (arguments.size() > used)
        return misuse(u"argumento no esperado", arguments.at(used));
    return {option->request, {}};
}

QString usageText() {
    QString text = QStringLiteral(
        "Uso: corvelux [OPCIÓN]\n"
        "Calcula los ángulos y proporciones que optimizan el brillo de una gema.\n"
        "Sin opciones, abre las ventanas del programa.\n"
        "\n"
        "Opciones:\n");
    qsizetype nameWidth = 0;
    for (const Option &option : options)
        nameWidth = std::max(nameWidth, option.name.size());
    for (const Option &option : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(option.name.toString().leftJustified(nameWidth), option.description);
    return text;
}

QString versionText() {
    return QStringLiteral("CORVELUX " CORVELUX_VERSION
                          "\n"
                          "Copyright © 2026 Equipo de CORVELUX\n"
                          "Licencia GPLv3 o posterior: GNU GPL versión 3 o posterior "
                          "<https://gnu.org/licenses/gpl.html>.\n"
                          "Este programa es software libre: puede redistribuirlo y modificarlo.\n"
                          "No hay NINGUNA GARANTÍA, en la medida en que lo permita la ley.\n");
}
