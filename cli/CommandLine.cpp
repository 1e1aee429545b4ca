#include "cli/CommandLine.h"

#include "calc/DecimalNumber.h"
#include "files/CutSheetFile.h"
#include "stone/Recipe.h"

#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

using Request = CommandLine::Request;

struct Option {
    QStringView name;
    QStringView operands;  // as the usage shows them
    Request request;
    QStringView description;  // %1, if there, stands for the cut sheet's extensions
};

constexpr Option options[] = {
    {u"--calcular", u" IR D EPSILON [--exportar ARCHIVO]", Request::Calculate,
     u"calcula como el botón CALCULAR y escribe IR, los ocho resultados y,\n"
     u"si lo hay, el aviso ESPEJAR; con --exportar guarda además la hoja de\n"
     u"corte en ARCHIVO (%1)"},
    {u"--tabla", u" [--epsilon E] [--coma-decimal] DESDE HASTA PASO", Request::IndexChart,
     u"escribe en CSV los ángulos y proporciones para IR de DESDE a HASTA,\n"
     u"de PASO en PASO (0.001 o un múltiplo; 10000 filas como máximo),\n"
     u"con épsilon E (0 si se omite); con --coma-decimal, campos separados\n"
     u"por \";\" y coma decimal, para una hoja de cálculo en español"},
    {u"--gemas", u" [--epsilon E] [--coma-decimal]", Request::GemChart,
     u"escribe la misma tabla para las gemas más comunes"},
    {u"--receta",
     u" IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]\n"
     u"                       [--indice N] [--densidad RHO] [--csv]",
     Request::Recipe,
     u"escribe la receta de tallado del brillante redondo: ángulo e índices de\n"
     u"cada faceta, proporciones y peso estimado; con --csv, solo la tabla en CSV.\n"
     u"G: filetín en % de D (0 si se omite, de 0 a 10); S y L: longitud de las\n"
     u"estrellas y de las medias del pabellón en % (50 y 80 si se omiten, de 10\n"
     u"a 90); N: dientes de la rueda de índice (64, 72, 80, 96 o 120; 96 si se\n"
     u"omite); RHO: densidad en g/cm³ (si se omite, la de la gema de la lista\n"
     u"con el IR más cercano)"},
    {u"--verificar",
     u" IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]\n"
     u"                       [--cabeza H] [--rayos N]",
     Request::CheckLight,
     u"escribe en CSV el brillo en 3-D de la talla calculada y de tres tallas\n"
     u"clásicas del mismo IR; G, S y L como en --receta, solo para la calculada;\n"
     u"H: cono en grados que tapa la cabeza del observador (15 si se omite, de 0\n"
     u"a 89); N: rayos de lado de la cuadrícula (160 si se omite, de 10 a 2000)"},
    {u"--help", u"", Request::ShowHelp, u"muestra esta ayuda y termina"},
    {u"--version", u"", Request::ShowVersion, u"muestra la versión y la licencia y termina"},
};

const Option *findOption(const QString &name) {
    const auto found = std::find_if(std::begin(options), std::end(options),
                                    [&name](const Option &option) { return option.name == name; });
    return found == std::end(options) ? nullptr : found;
}

QString complaint(QStringView what, const QString &argument) {
    return QStringLiteral("corvelux: %1 «%2»").arg(what, argument);
}

CommandLine misuse(const QString &complaint) {
    CommandLine parsed;
    parsed.request = Request::Misuse;
    parsed.complaint = complaint;
    return parsed;
}

CommandLine misuse(QStringView what, const QString &argument) {
    return misuse(complaint(what, argument));
}

CommandLine request(Request request) {
    CommandLine parsed;
    parsed.request = request;
    return parsed;
}

// Complains about the first argument past the count that an option takes.
CommandLine countMisuse(const QString &option, const QStringList &values, qsizetype count) {
    if (values.size() > count)
        return misuse(u"argumento no esperado", values.at(count));
    return misuse(u"faltan valores después de", option);
}

// The three values, then an optional "--exportar ARCHIVO".
CommandLine calculation(const QString &option, const QStringList &values) {
    const bool exporting = values.size() > 3 && values[3] == QLatin1String("--exportar");
    if (exporting && values.size() == 4)
        return misuse(u"faltan valores después de", values[3]);
    const qsizetype count = exporting ? 5 : 3;
    if (values.size() != count)
        return countMisuse(option, values, count);
    for (const QString &value : values.first(3)) {
        const QString wrong = readNumberArgument(value).complaint;
        if (!wrong.isEmpty())
            return misuse(wrong);
    }
    if (exporting && values[4].isEmpty())
        return misuse(u"falta el nombre del archivo después de", values[3]);
    CommandLine parsed = request(Request::Calculate);
    parsed.inputs = {values[0], values[1], values[2]};
    if (exporting)
        parsed.exportFile = values[4];
    return parsed;
}

// Takes the chart's options, each at most once and in any order, from the
// front of values.
QString takeChartOptions(CommandLine &parsed, QStringList &values) {
    bool epsilonGiven = false;
    while (!values.isEmpty()) {
        const QString first = values.first();
        if (first == QLatin1String("--coma-decimal") && !parsed.decimalComma) {
            parsed.decimalComma = true;
            values.removeFirst();
        } else if (first == QLatin1String("--epsilon") && !epsilonGiven) {
            if (values.size() < 2)
                return complaint(u"faltan valores después de", first);
            parsed.epsilon = values[1];
            epsilonGiven = true;
            values.remove(0, 2);
        } else {
            break;
        }
    }
    return {};
}

// A chart: its options, then its numbers.
CommandLine chart(const Option &option, QStringList values) {
    CommandLine parsed = request(option.request);
    const QString wrongOption = takeChartOptions(parsed, values);
    if (!wrongOption.isEmpty())
        return misuse(wrongOption);
    const qsizetype count = option.request == Request::IndexChart ? 3 : 0;
    if (values.size() != count)
        return countMisuse(option.name.toString(), values, count);
    QList<double> numbers;
    for (const QString &text : QStringList(parsed.epsilon) + values) {
        const NumberArgument number = readNumberArgument(text);
        if (!number.complaint.isEmpty())
            return misuse(number.complaint);
        numbers.append(number.value);
    }
    if (count == 3) {
        parsed.from = numbers[1];
        parsed.to = numbers[2];
        parsed.step = numbers[3];
    }
    return parsed;
}

// A value of --receta or --verificar: its option, its range and what it
// sets.
struct CutOption {
    QStringView name;
    bool (*accepts)(double value);
    QStringView range;  // the complaint when the value is outside it
    void (*set)(CommandLine &parsed, double value);
};

bool isPercent(double value, double low, double high) {
    return value >= low && value <= high;
}

// The options of the brilliant's shape, which both requests take.
constexpr CutOption shapeOptions[] = {
    {u"--filetin", [](double g) { return isPercent(g, 0, 10); },
     u"el filetín debe medir de 0 a 10 (% de D):",
     [](CommandLine &p, double g) { p.choices.girdlePercent = g; }},
    {u"--estrella", [](double s) { return isPercent(s, 10, 90); },
     u"la longitud de las estrellas debe ir de 10 a 90 (%):",
     [](CommandLine &p, double s) { p.choices.starPercent = s; }},
    {u"--pabellon-inferior", [](double l) { return isPercent(l, 10, 90); },
     u"la longitud de las medias del pabellón debe ir de 10 a 90 (%):",
     [](CommandLine &p, double l) { p.choices.lowerGirdlePercent = l; }},
};

constexpr CutOption recipeOptions[] = {
    {u"--indice", [](double n) { return n == std::floor(n) && stone::isIndexGear(int(n)); },
     u"la rueda de índice debe tener 64, 72, 80, 96 o 120 dientes:",
     [](CommandLine &p, double n) { p.gear = int(n); }},
    {u"--densidad", [](double rho) { return rho > 0; }, u"la densidad debe ser mayor que 0:",
     [](CommandLine &p, double rho) { p.density = rho; }},
};

constexpr CutOption lightCheckOptions[] = {
    {u"--cabeza", [](double h) { return h >= 0 && h <= 89; },
     u"la cabeza del observador debe ir de 0 a 89 grados:",
     [](CommandLine &p, double h) { p.headDeg = h; }},
    {u"--rayos", [](double n) { return n == std::floor(n) && n >= 10 && n <= 2000; },
     u"los rayos de lado deben ser un número entero de 10 a 2000:",
     [](CommandLine &p, double n) { p.raysAcross = int(n); }},
};

// The option of this name that the request takes, or null.
const CutOption *findCutOption(Request request, const QString &name) {
    const auto find = [&name](const auto &table) -> const CutOption * {
        const auto found = std::find_if(std::begin(table), std::end(table),
                                        [&name](const CutOption &o) { return o.name == name; });
        return found == std::end(table) ? nullptr : found;
    };
    if (const CutOption *shape = find(shapeOptions))
        return shape;
    return request == Request::Recipe ? find(recipeOptions) : find(lightCheckOptions);
}

// The value after one of the options, read and checked against its range.
QString takeCutValue(CommandLine &parsed, const CutOption &option, const QString &text) {
    const NumberArgument number = readNumberArgument(text);
    if (!number.complaint.isEmpty())
        return number.complaint;
    if (!option.accepts(number.value)) {
        parsed.withUsage = false;
        return complaint(option.range, text);
    }
    option.set(parsed, number.value);
    return {};
}

// --receta or --verificar: the three values, then the request's options in
// any order.
CommandLine cutRequest(Request kind, const QString &option, const QStringList &values) {
    if (values.size() < 3)
        return countMisuse(option, values, 3);
    for (const QString &value : values.first(3)) {
        const QString wrong = readNumberArgument(value).complaint;
        if (!wrong.isEmpty())
            return misuse(wrong);
    }
    CommandLine parsed = request(kind);
    parsed.inputs = {values[0], values[1], values[2]};
    for (qsizetype k = 3; k < values.size(); ++k) {
        const QString &name = values[k];
        const CutOption *found = findCutOption(kind, name);
        QString wrong;
        if (kind == Request::Recipe && name == QLatin1String("--csv"))
            parsed.csv = true;
        else if (!found)
            wrong = complaint(u"argumento no esperado", name);
        else if (++k == values.size())
            wrong = complaint(u"faltan valores después de", name);
        else
            wrong = takeCutValue(parsed, *found, values[k]);
        if (!wrong.isEmpty()) {
            CommandLine rejected = misuse(wrong);
            rejected.withUsage = parsed.withUsage;
            return rejected;
        }
    }
    return parsed;
}

}  // namespace

NumberArgument readNumberArgument(const QString &argument) {
    const DecimalNumber number = readDecimalNumber(argument);
    switch (number.reading) {
        case DecimalNumber::Reading::number:
            return {number.value, {}};
        case DecimalNumber::Reading::outOfRange:
            return {0, complaint(u"número demasiado grande o demasiado cercano a 0:", argument)};
        case DecimalNumber::Reading::notANumber:
            break;
    }
    return {0, complaint(u"no es un número con punto decimal:", argument)};
}

CommandLine parseCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decoder(QStringDecoder::System);
        arguments.append(decoder(argv[i]));
        if (decoder.hasError())
            return misuse(u"no es texto en la codificación del sistema:", arguments.constLast());
    }
    return parseCommandLine(arguments);
}

CommandLine parseCommandLine(const QStringList &arguments) {
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.first();
    const Option *option = findOption(first);
    if (!option) {
        return first.startsWith(u'-') ? misuse(u"opción no reconocida", first)
                                      : misuse(u"argumento no esperado", first);
    }
    const QStringList values = arguments.mid(1);
    switch (option->request) {
        case Request::Calculate:
            return calculation(first, values);
        case Request::IndexChart:
        case Request::GemChart:
            return chart(*option, values);
        case Request::Recipe:
        case Request::CheckLight:
            return cutRequest(option->request, first, values);
        default:
            return values.isEmpty() ? request(option->request)
                                    : misuse(u"argumento no esperado", values.first());
    }
}

QString usageText() {
    QString text = QStringLiteral("Uso: corvelux [OPCIÓN]\n");
    for (const Option &option : options) {
        if (!option.operands.isEmpty())
            text += QStringLiteral("     corvelux %1%2\n").arg(option.name, option.operands);
    }
    text += QStringLiteral(
        "Calcula los ángulos y proporciones que optimizan el brillo de una gema.\n"
        "Sin opciones, abre las ventanas del programa.\n"
        "\n"
        "Opciones:\n");
    qsizetype nameWidth = 0;
    for (const Option &option : options)
        nameWidth = std::max(nameWidth, option.name.size());
    const QString indent(nameWidth + 4, u' ');
    for (const Option &option : options) {
        QString description = option.description.toString();
        if (description.contains(u"%1"))
            description = description.arg(cutSheetExtensions());
        description.replace(u'\n', u'\n' + indent);
        text += QStringLiteral("  %1  %2\n")
                    .arg(option.name.toString().leftJustified(nameWidth), description);
    }
    text += QStringLiteral("Los números se escriben con punto decimal.\n");
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
