#include "cli/CommandLine.h"

#include "calc/DecimalNumber.h"
#include "cli/ArgumentText.h"
#include "cli/ProgramLanguage.h"
#include "stone/DesignLimits.h"
#include "stone/LimitText.h"
#include "stone/ObjectiveNames.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringView>
#include <algorithm>
#include <iterator>

namespace {

using Request = CommandLine::Request;

// The context the command line's complaints are translated in. Each is a
// whole sentence, so that a translation may put the argument where its
// language wants it.
class CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

/* TRANSLATOR CommandLine

   Complaints about the arguments of the command line. Option names such as
   --filetin stay as they are; «%N» is the argument given; in a complaint
   about a value out of range, %1 is the range ("de 0 a 10", "0 o de 10 a
   100", a list of words or of gears). */

// "--idioma" and its value, anywhere: main() chose the language from them
// before the request is read. The complaint about a wrong value, if any.
QString takeLanguage(QStringList &arguments);

QString missingValues(QStringView option) {
    return CommandLineText::tr("corvelux: faltan valores después de «%1»")
        .arg(shownArgument(option.toString()));
}

QString unexpected(const QString &argument) {
    return CommandLineText::tr("corvelux: argumento no esperado «%1»").arg(shownArgument(argument));
}

QString givenTwice(const QString &option) {
    return CommandLineText::tr("corvelux: «%1» dado dos veces").arg(shownArgument(option));
}

QString validOnlyWith(const QString &option, QStringView needed) {
    return CommandLineText::tr("corvelux: «%1» solo vale con %2")
        .arg(shownArgument(option), needed);
}

QString reversedRange(QStringView option, const QStringList &ends) {
    return CommandLineText::tr("corvelux: en %1, el mínimo es mayor que el máximo: «%2»")
        .arg(option, shownArgument(ends.join(u' ')));
}

CommandLine misuse(const QString &complaint, bool withUsage = true) {
    CommandLine parsed;
    parsed.request = Request::Misuse;
    parsed.complaint = complaint;
    parsed.withUsage = withUsage;
    return parsed;
}

// What an option takes after it: a range is two numbers, the lower first; a
// word, one of a list.
enum class Takes { nothing, number, count, range, word, fileName };

// An option: what follows it, the values it accepts, and what it sets.
struct Option {
    QStringView name;
    Takes takes;
    bool (*accepts)(double value);                // null: any number; for a range, each end
    QString (*outOfRange)(const QString &shown);  // the complaint about a value it does not accept
    void (*set)(CommandLine &parsed, const QString &text, double value);
    void (*setRange)(CommandLine &parsed, const stone::ValueRange &range) = nullptr;
    QStringList (*words)() = nullptr;  // the words a word option accepts
};

// An option of the search's ranges: each end within limits.
constexpr Option rangeOption(QStringView name, bool (*accepts)(double),
                             QString (*outOfRange)(const QString &shown),
                             void (*setRange)(CommandLine &, const stone::ValueRange &)) {
    return {name, Takes::range, accepts, outOfRange, nullptr, setRange};
}

constexpr Option kOptions[] = {
    {u"--exportar", Takes::fileName, nullptr, nullptr,
     [](CommandLine &p, const QString &name, double) { p.exportFile = name; }},
    {u"--verificacion", Takes::nothing, nullptr, nullptr,
     [](CommandLine &p, const QString &, double) { p.verificationPage = true; }},
    {u"--coma-decimal", Takes::nothing, nullptr, nullptr,
     [](CommandLine &p, const QString &, double) { p.decimalComma = true; }},
    {u"--csv", Takes::nothing, nullptr, nullptr,
     [](CommandLine &p, const QString &, double) { p.csv = true; }},
    {u"--epsilon", Takes::number, nullptr, nullptr,
     [](CommandLine &p, const QString &e, double) { p.epsilon = e; }},
    {u"--filetin", Takes::number, [](double g) { return stone::girdleLimits.contains(g); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: el filetín debe medir %1 (% de D): «%2»")
             .arg(stone::rangeText(stone::girdleLimits), shown);
     },
     [](CommandLine &p, const QString &, double g) { p.choices.girdlePercent = g; }},
    {u"--estrella", Takes::number, [](double s) { return stone::starLimits.contains(s); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la longitud de las estrellas debe ir %1 (%): «%2»")
             .arg(stone::rangeText(stone::starLimits), shown);
     },
     [](CommandLine &p, const QString &, double s) { p.choices.starPercent = s; }},
    {u"--pabellon-inferior", Takes::number,
     [](double l) { return stone::lowerHalfLimits.contains(l); },
     [](const QString &shown) {
         return CommandLineText::tr(
                    "corvelux: la longitud de las medias del pabellón debe ir %1 (%): «%2»")
             .arg(stone::rangeText(stone::lowerHalfLimits), shown);
     },
     [](CommandLine &p, const QString &, double l) { p.choices.lowerGirdlePercent = l; }},
    {u"--indice", Takes::count,
     [](double n) {
         const std::vector<int> &gears = stone::indexGears();
         return std::find(gears.begin(), gears.end(), n) != gears.end();
     },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la rueda de índice debe tener %1 dientes: «%2»")
             .arg(stone::indexGearsText(), shown);
     },
     [](CommandLine &p, const QString &, double n) { p.gear = int(n); }},
    {u"--densidad", Takes::number, [](double rho) { return stone::densityLimits.contains(rho); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la densidad debe ir %1 g/cm³: «%2»")
             .arg(stone::rangeText(stone::densityLimits), shown);
     },
     [](CommandLine &p, const QString &, double rho) { p.density = rho; }},
    {u"--dispersion", Takes::number, [](double d) { return stone::dispersionLimits.contains(d); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la dispersión debe ir %1: «%2»")
             .arg(stone::rangeText(stone::dispersionLimits), shown);
     },
     [](CommandLine &p, const QString &, double d) { p.dispersion = d; }},
    {u"--cabeza", Takes::number, [](double h) { return stone::headLimits.contains(h); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la cabeza del observador debe ir %1 grados: «%2»")
             .arg(stone::rangeText(stone::headLimits), shown);
     },
     [](CommandLine &p, const QString &, double h) { p.headDeg = h; }},
    {u"--distancia", Takes::number, [](double cm) { return stone::eyeDistanceLimits.contains(cm); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: la distancia del ojo debe ser %1 cm: «%2»")
             .arg(stone::rangeText(stone::eyeDistanceLimits), shown);
     },
     [](CommandLine &p, const QString &, double cm) { p.eyeDistanceCm = cm; }},
    {u"--rayos", Takes::count, [](double n) { return stone::raysLimits.contains(n); },
     [](const QString &shown) {
         return CommandLineText::tr(
                    "corvelux: los rayos de lado deben ser un número entero %1: «%2»")
             .arg(stone::rangeText(stone::raysLimits), shown);
     },
     [](CommandLine &p, const QString &, double n) { p.raysAcross = int(n); }},
    {u"--objetivo", Takes::word, nullptr,
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: el objetivo (--objetivo) debe ser %1: «%2»")
             .arg(stone::alternativesText(stone::objectiveNames()), shown);
     },
     [](CommandLine &p, const QString &name, double) {
         p.objective = *stone::objectiveNamed(name);
     },
     nullptr, stone::objectiveNames},
    {u"--peso-fuego", Takes::number, [](double w) { return stone::fireWeightLimits.contains(w); },
     [](const QString &shown) {
         return CommandLineText::tr("corvelux: el peso del fuego (--peso-fuego) debe ir %1: «%2»")
             .arg(stone::rangeText(stone::fireWeightLimits), shown);
     },
     [](CommandLine &p, const QString &, double w) { p.fireWeight = w; }},
    rangeOption(
        u"--mesa", [](double t) { return stone::tableSearchLimits.contains(t); },
        [](const QString &shown) {
            return CommandLineText::tr("corvelux: la mesa (--mesa) debe ir %1 (% de D): «%2»")
                .arg(stone::rangeText(stone::tableSearchLimits), shown);
        },
        [](CommandLine &p, const stone::ValueRange &r) { p.bounds.table = r; }),
    rangeOption(
        u"--corona", [](double c) { return stone::crownSearchLimits.contains(c); },
        [](const QString &shown) {
            return CommandLineText::tr(
                       "corvelux: el ángulo de corona (--corona) debe ir %1 grados: «%2»")
                .arg(stone::rangeText(stone::crownSearchLimits), shown);
        },
        [](CommandLine &p, const stone::ValueRange &r) { p.bounds.crown = r; }),
    rangeOption(
        u"--pabellon", [](double a) { return stone::pavilionSearchLimits.contains(a); },
        [](const QString &shown) {
            return CommandLineText::tr(
                       "corvelux: el ángulo de pabellón (--pabellon) debe ir %1 grados: «%2»")
                .arg(stone::rangeText(stone::pavilionSearchLimits), shown);
        },
        [](CommandLine &p, const stone::ValueRange &r) { p.bounds.pavilion = r; }),
    {u"--profundidad-maxima", Takes::number,
     [](double d) { return stone::maxDepthLimits.contains(d); },
     [](const QString &shown) {
         return CommandLineText::tr(
                    "corvelux: la profundidad máxima (--profundidad-maxima) "
                    "debe ir %1 (% de D): «%2»")
             .arg(stone::rangeText(stone::maxDepthLimits), shown);
     },
     [](CommandLine &p, const QString &, double d) { p.bounds.maxDepthPercent = d; }},
    {u"--retencion-minima", Takes::number,
     [](double r) { return stone::minRetentionLimits.contains(r); },
     [](const QString &shown) {
         return CommandLineText::tr(
                    "corvelux: la retención mínima (--retencion-minima) debe ir %1 (% del peso de "
                    "la talla calculada): «%2»")
             .arg(stone::rangeText(stone::minRetentionLimits), shown);
     },
     [](CommandLine &p, const QString &, double r) { p.bounds.minRetentionPercent = r; }},
    {u"--receta", Takes::nothing, nullptr, nullptr,
     [](CommandLine &p, const QString &, double) { p.recipe = true; }},
};

const Option &optionNamed(QStringView name) {
    return *std::find_if(std::begin(kOptions), std::end(kOptions),
                         [name](const Option &option) { return option.name == name; });
}

// An option that a request takes, and the one without which it means
// nothing there.
struct Accepted {
    QStringView option;
    QStringView needs = {};
};

QList<Accepted> acceptedOptions(Request request) {
    const QList<Accepted> shape{{u"--filetin"}, {u"--estrella"}, {u"--pabellon-inferior"}};
    const QList<Accepted> recipe = shape + QList<Accepted>{{u"--indice"}, {u"--densidad"}};
    switch (request) {
        case Request::Calculate: {
            QList<Accepted> sheet{{u"--exportar"}};
            for (const Accepted &a : recipe + QList<Accepted>{{u"--verificacion"}})
                sheet.append({a.option, u"--exportar"});
            return sheet + QList<Accepted>{{u"--dispersion", u"--verificacion"},
                                           {u"--cabeza", u"--verificacion"},
                                           {u"--distancia", u"--verificacion"},
                                           {u"--rayos", u"--verificacion"}};
        }
        case Request::IndexChart:
        case Request::GemChart:
            return {{u"--epsilon"}, {u"--coma-decimal"}};
        case Request::Recipe:
            return recipe + QList<Accepted>{{u"--csv"}, {u"--coma-decimal", u"--csv"}};
        case Request::CheckLight:
            return shape + QList<Accepted>{{u"--dispersion"},
                                           {u"--cabeza"},
                                           {u"--distancia"},
                                           {u"--rayos"},
                                           {u"--coma-decimal"}};
        case Request::Optimise:
            return {{u"--epsilon"},
                    {u"--objetivo"},
                    {u"--peso-fuego", u"--objetivo"},
                    {u"--filetin"},
                    {u"--indice", u"--receta"},
                    {u"--dispersion"},
                    {u"--cabeza"},
                    {u"--distancia"},
                    {u"--mesa"},
                    {u"--corona"},
                    {u"--pabellon"},
                    {u"--profundidad-maxima"},
                    {u"--retencion-minima"},
                    {u"--receta"},
                    {u"--rayos"},
                    {u"--coma-decimal"}};
        default:
            return {};
    }
}

// A request: the option that makes it and the numbers it takes, before its
// options or, for a chart, after them.
struct RequestForm {
    QStringView name;
    Request request;
    qsizetype values;
    bool valuesLast;
};

constexpr RequestForm kRequests[] = {
    {u"--calcular", Request::Calculate, 3, false},   {u"--tabla", Request::IndexChart, 3, true},
    {u"--gemas", Request::GemChart, 0, true},        {u"--receta", Request::Recipe, 3, false},
    {u"--verificar", Request::CheckLight, 3, false}, {u"--optimizar", Request::Optimise, 2, false},
    {u"--help", Request::ShowHelp, 0, false},        {u"--version", Request::ShowVersion, 0, false},
};

// Digits with an optional sign: what a count is written as, so that
// "9.99999999999999999999" is not read as 10.
bool isIntegerText(QStringView text) {
    if (text.startsWith(u'+') || text.startsWith(u'-'))
        text = text.mid(1);
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The number of texts an option takes after it.
qsizetype textsTaken(Takes takes) {
    switch (takes) {
        case Takes::nothing:
            return 0;
        case Takes::range:
            return 2;
        default:
            return 1;
    }
}

// A value out of range is told without the usage.
QString outOfRange(CommandLine &parsed, const Option &option, const QString &text) {
    parsed.withUsage = false;
    return option.outOfRange(shownArgument(text));
}

// Reads a number of option: its value, or the complaint.
NumberArgument takeNumber(CommandLine &parsed, const Option &option, const QString &text) {
    NumberArgument number = readNumberArgument(text);
    const bool written = option.takes != Takes::count || isIntegerText(text);
    if (number.complaint.isEmpty() &&
        (!written || (option.accepts && !option.accepts(number.value))))
        number.complaint = outOfRange(parsed, option, text);
    return number;
}

QString takeRange(CommandLine &parsed, const Option &option, const QStringList &texts) {
    double ends[2];
    for (int k = 0; k < 2; ++k) {
        const NumberArgument end = takeNumber(parsed, option, texts[k]);
        if (!end.complaint.isEmpty())
            return end.complaint;
        ends[k] = end.value;
    }
    if (ends[0] > ends[1]) {
        parsed.withUsage = false;
        return reversedRange(option.name, texts);
    }
    option.setRange(parsed, {ends[0], ends[1]});
    return {};
}

// Reads the texts after option into parsed; returns the complaint, if any.
QString takeValue(CommandLine &parsed, const Option &option, const QStringList &texts) {
    const QString &text = texts.constFirst();
    switch (option.takes) {
        case Takes::fileName:
            if (text.isEmpty())
                return CommandLineText::tr("corvelux: falta el nombre del archivo después de «%1»")
                    .arg(option.name);
            break;
        case Takes::word:
            if (!option.words().contains(text))
                return outOfRange(parsed, option, text);
            break;
        case Takes::range:
            return takeRange(parsed, option, texts);
        default: {
            const NumberArgument number = takeNumber(parsed, option, text);
            if (number.complaint.isEmpty())
                option.set(parsed, text, number.value);
            return number.complaint;
        }
    }
    option.set(parsed, text, 0);
    return {};
}

// The complaint about the first argument that is not a number, if any.
QString notNumbers(const QStringList &texts, QList<double> *numbers = nullptr) {
    for (const QString &text : texts) {
        const NumberArgument number = readNumberArgument(text);
        if (!number.complaint.isEmpty())
            return number.complaint;
        if (numbers)
            numbers->append(number.value);
    }
    return {};
}

// The first option given without the one it needs, if any.
QString missingNeeds(const QStringList &given, const QList<Accepted> &accepted) {
    for (const QString &name : given) {
        for (const Accepted &a : accepted) {
            if (a.option == name && !a.needs.isEmpty() && !given.contains(a.needs))
                return validOnlyWith(name, a.needs);
        }
    }
    return {};
}

CommandLine parseRequest(const RequestForm &form, const QStringList &values) {
    CommandLine parsed;
    parsed.request = form.request;
    const qsizetype leading = form.valuesLast ? 0 : form.values;
    if (values.size() < leading)
        return misuse(missingValues(form.name));
    if (const QString wrong = notNumbers(values.first(leading)); !wrong.isEmpty())
        return misuse(wrong);
    if (leading >= 2)
        parsed.inputs = {values[0], values[1], leading == 3 ? values[2] : QString()};

    const QList<Accepted> accepted = acceptedOptions(form.request);
    QStringList given{form.name.toString()};
    qsizetype k = leading;
    for (; k < values.size(); ++k) {
        const QString &name = values[k];
        if (std::none_of(accepted.begin(), accepted.end(),
                         [&name](const Accepted &a) { return a.option == name; }))
            break;
        if (given.contains(name))
            return misuse(givenTwice(name));
        given.append(name);
        const Option &option = optionNamed(name);
        if (option.takes == Takes::nothing) {
            option.set(parsed, {}, 0);
            continue;
        }
        const qsizetype texts = textsTaken(option.takes);
        if (k + texts >= values.size())
            return misuse(missingValues(name));
        const QStringList taken = values.mid(k + 1, texts);
        k += texts;
        if (const QString wrong = takeValue(parsed, option, taken); !wrong.isEmpty())
            return misuse(wrong, parsed.withUsage);
    }
    if (leading == 2)
        parsed.inputs.epsilon = parsed.epsilon;

    const QStringList rest = values.mid(k);
    const qsizetype trailing = form.valuesLast ? form.values : 0;
    if (rest.size() > trailing) {
        const QString &extra = rest[trailing];
        return misuse(given.contains(extra) ? givenTwice(extra) : unexpected(extra));
    }
    if (rest.size() < trailing)
        return misuse(missingValues(form.name));
    QList<double> numbers;
    if (const QString wrong = notNumbers(rest, &numbers); !wrong.isEmpty())
        return misuse(wrong);
    if (numbers.size() == 3) {
        parsed.from = numbers[0];
        parsed.to = numbers[1];
        parsed.step = numbers[2];
    }
    if (const QString wrong = missingNeeds(given, accepted); !wrong.isEmpty())
        return misuse(wrong);
    return parsed;
}

QString takeLanguage(QStringList &arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--idioma"));
    if (at < 0)
        return {};
    if (at + 1 == arguments.size())
        return missingValues(u"--idioma");
    const QString value = arguments[at + 1];
    arguments.remove(at, 2);
    if (languageNamed(value.toUtf8()))
        return {};
    return CommandLineText::tr("corvelux: el idioma (--idioma) debe ser es o en: «%1»")
        .arg(shownArgument(value));
}

}  // namespace

NumberArgument readNumberArgument(const QString &argument) {
    const DecimalNumber number = readDecimalNumber(argument);
    switch (number.reading) {
        case DecimalNumber::Reading::number:
            return {number.value, {}};
        case DecimalNumber::Reading::outOfRange:
            return {0, CommandLineText::tr("corvelux: número demasiado grande o demasiado "
                                           "cercano a 0: «%1»")
                           .arg(shownArgument(argument))};
        case DecimalNumber::Reading::notANumber:
            break;
    }
    return {0, CommandLineText::tr("corvelux: no es un número con punto decimal: «%1»")
                   .arg(shownArgument(argument))};
}

CommandLine parseCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        QStringDecoder decoder(QStringDecoder::System);
        arguments.append(decoder(argv[i]));
        if (decoder.hasError()) {
            return misuse(
                CommandLineText::tr("corvelux: no es texto en la codificación del sistema: «%1»")
                    .arg(shownArgument(arguments.constLast())));
        }
    }
    return parseCommandLine(arguments);
}

CommandLine parseCommandLine(QStringList arguments) {
    if (const QString wrong = takeLanguage(arguments); !wrong.isEmpty())
        return misuse(wrong);
    if (arguments.isEmpty())
        return {};
    const QString &first = arguments.first();
    const auto form = std::find_if(std::begin(kRequests), std::end(kRequests),
                                   [&first](const RequestForm &r) { return r.name == first; });
    if (form == std::end(kRequests)) {
        return misuse(first.startsWith(u'-')
                          ? CommandLineText::tr("corvelux: opción no reconocida «%1»")
                                .arg(shownArgument(first))
                          : unexpected(first));
    }
    return parseRequest(*form, arguments.mid(1));
}

stone::StoneDesign designOf(const CommandLine &command, const ComputePlan &plan) {
    const double IR = plan.cut.IR;
    stone::Material material = stone::nearestGemMaterial(IR);
    if (command.density > 0)
        material = stone::ownMaterial(IR, command.density, material.dispersion);
    if (command.dispersion >= 0)
        material.dispersion = command.dispersion;
    stone::StoneDesign design = stone::designOf(plan.cut, plan.D, material);
    design.choices = command.choices;
    design.gear = command.gear;
    design.viewer.headDeg = command.headDeg;
    design.viewer.eyeDistanceCm = command.eyeDistanceCm;
    return design;
}
