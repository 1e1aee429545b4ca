#include "app/CommandLine.h"

#include "stone/Recipe.h"

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
    QStringView description;
};

constexpr Option options[] = {
    {u"--calcular", u" IR D EPSILON [--exportar ARCHIVO]", Request::Calculate,
     u"calcula como el botón CALCULAR y escribe IR y los ocho resultados;\n"
     u"con --exportar guarda además la hoja de corte en ARCHIVO (.pdf, .svg o .png)"},
    {u"--tabla", u" [--epsilon E] DESDE HASTA PASO", Request::IndexChart,
     u"escribe en CSV los ángulos y proporciones para IR de DESDE a HASTA,\n"
     u"de PASO en PASO (10000 filas como máximo), con épsilon E (0 si se omite)"},
    {u"--gemas", u" [--epsilon E]", Request::GemChart,
     u"escribe la misma tabla para las gemas más comunes"},
    {u"--verificar",
     u" IR D EPSILON [--filetin G] [--estrella S] [--pabellon-inferior L]\n"
     u"                [--cabeza H] [--rayos N]",
     Request::CheckLight,
     u"escribe en CSV el brillo en 3-D de la talla calculada y de tres tallas\n"
     u"clásicas: filetín G (0), estrella S (50) y pabellón inferior L (80)\n"
     u"en %, cabeza del observador H grados (15), N rayos de lado (160)"},
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
    {u"--help", u"", Request::ShowHelp, u"muestra esta ayuda y termina"},
    {u"--version", u"", Request::ShowVersion, u"muestra la versión y la licencia y termina"},
};

const Option *findOption(const QString &name) {
    const auto found = std::find_if(std::begin(options), std::end(options),
                                    [&name](const Option &option) { return option.name == name; });
    return found == std::end(options) ? nullptr : found;
}

CommandLine misuse(QStringView what, const QString &argument) {
    CommandLine parsed;
    parsed.request = Request::Misuse;
    parsed.complaint = QStringLiteral("corvelux: %1 «%2»").arg(what, argument);
    return parsed;
}

CommandLine request(Request request) {
    CommandLine parsed;
    parsed.request = request;
    return parsed;
}

bool isNumber(const QString &text) {
    bool ok = false;
    const double value = text.toDouble(&ok);  // the C locale: period only
    return ok && std::isfinite(value);
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
    CommandLine parsed = request(Request::Calculate);
    parsed.inputs = {values[0], values[1], values[2]};
    if (exporting)
        parsed.exportFile = values[4];
    return parsed;
}

// The options of --verificar, each followed by its number.
struct NumberOption {
    QStringView name;
    double LightCheckOptions::*value;
};

constexpr NumberOption lightCheckOptions[] = {
    {u"--filetin", &LightCheckOptions::girdlePercent},
    {u"--estrella", &LightCheckOptions::starPercent},
    {u"--pabellon-inferior", &LightCheckOptions::lowerGirdlePercent},
    {u"--cabeza", &LightCheckOptions::headDeg},
    {u"--rayos", &LightCheckOptions::raysAcross},
};

CommandLine notANumber(const QString &text) {
    return misuse(u"no es un número con punto decimal:", text);
}

// The three values, then options with their numbers in any order.
CommandLine lightCheck(const QString &option, const QStringList &values) {
    if (values.size() < 3)
        return countMisuse(option, values, 3);
    CommandLine parsed = request(Request::CheckLight);
    for (const QString &number : values.mid(0, 3)) {
        if (!isNumber(number))
            return notANumber(number);
    }
    parsed.inputs = {values[0], values[1], values[2]};
    for (qsizetype i = 3; i < values.size(); i += 2) {
        const auto found =
            std::find_if(std::begin(lightCheckOptions), std::end(lightCheckOptions),
                         [&](const NumberOption &known) { return known.name == values[i]; });
        if (found == std::end(lightCheckOptions))
            return misuse(u"argumento no esperado", values[i]);
        if (i + 1 == values.size())
            return misuse(u"faltan valores después de", values[i]);
        if (!isNumber(values[i + 1]))
            return notANumber(values[i + 1]);
        parsed.light.*(found->value) = values[i + 1].toDouble();
    }
    return parsed;
}

// A chart: an optional "--epsilon E" first, then its numbers.
CommandLine chart(const Option &option, QStringList values) {
    CommandLine parsed = request(option.request);
    if (!values.isEmpty() && values.first() == QLatin1String("--epsilon")) {
        if (values.size() < 2)
            return misuse(u"faltan valores después de", values.first());
        parsed.epsilon = values[1];
        values.remove(0, 2);
    }
    const qsizetype count = option.request == Request::IndexChart ? 3 : 0;
    if (values.size() != count)
        return countMisuse(option.name.toString(), values, count);
    for (const QString &number : QStringList(parsed.epsilon) + values) {
        if (!isNumber(number))
            return notANumber(number);
    }
    if (count == 3) {
        parsed.from = values[0].toDouble();
        parsed.to = values[1].toDouble();
        parsed.step = values[2].toDouble();
    }
    return parsed;
}

// A value of --receta: its option, its range and what it sets.
struct RecipeOption {
    QStringView name;
    bool (*accepts)(double value);
    QStringView range;  // the complaint when the value is outside it
    void (*set)(CommandLine &parsed, double value);
};

bool isPercent(double value, double low, double high) {
    return value >= low && value <= high;
}

const RecipeOption recipeOptions[] = {
    {u"--filetin", [](double g) { return isPercent(g, 0, 10); },
     u"el filetín debe medir de 0 a 10 (% de D):",
     [](CommandLine &p, double g) { p.choices.girdlePercent = g; }},
    {u"--estrella", [](double s) { return isPercent(s, 10, 90); },
     u"la longitud de las estrellas debe ir de 10 a 90 (%):",
     [](CommandLine &p, double s) { p.choices.starPercent = s; }},
    {u"--pabellon-inferior", [](double l) { return isPercent(l, 10, 90); },
     u"la longitud de las medias del pabellón debe ir de 10 a 90 (%):",
     [](CommandLine &p, double l) { p.choices.lowerGirdlePercent = l; }},
    {u"--indice", [](double n) { return n == std::floor(n) && stone::isIndexGear(int(n)); },
     u"la rueda de índice debe tener 64, 72, 80, 96 o 120 dientes:",
     [](CommandLine &p, double n) { p.gear = int(n); }},
    {u"--densidad", [](double rho) { return rho > 0; }, u"la densidad debe ser mayor que 0:",
     [](CommandLine &p, double rho) { p.density = rho; }},
};

// The three values, strictly numbers, then the options in any order.
CommandLine recipe(const QString &option, const QStringList &values) {
    if (values.size() < 3)
        return countMisuse(option, values, 3);
    CommandLine parsed = request(Request::Recipe);
    parsed.inputs = {values[0], values[1], values[2]};
    for (qsizetype k = 0; k < 3; ++k) {
        if (!isNumber(values[k]))
            return misuse(u"no es un número con punto decimal:", values[k]);
    }
    for (qsizetype k = 3; k < values.size(); ++k) {
        const QString &name = values[k];
        if (name == QLatin1String("--csv")) {
            parsed.csv = true;
            continue;
        }
        const auto found = std::find_if(std::begin(recipeOptions), std::end(recipeOptions),
                                        [&name](const RecipeOption &o) { return o.name == name; });
        if (found == std::end(recipeOptions))
            return misuse(u"argumento no esperado", name);
        if (++k == values.size())
            return misuse(u"faltan valores después de", name);
        if (!isNumber(values[k]))
            return misuse(u"no es un número con punto decimal:", values[k]);
        const double value = values[k].toDouble();
        if (!found->accepts(value)) {
            CommandLine outOfRange = misuse(found->range, values[k]);
            outOfRange.withUsage = false;
            return outOfRange;
        }
        found->set(parsed, value);
    }
    return parsed;
}

}  // namespace

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
        case Request::CheckLight:
            return lightCheck(first, values);
        case Request::Recipe:
            return recipe(first, values);
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
