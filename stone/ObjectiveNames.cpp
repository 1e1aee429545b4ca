#include "stone/ObjectiveNames.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace stone {

namespace {

struct Objective {
    QStringView name;
    const char *caption;
    SearchObjective objective;
};

constexpr Objective kObjectives[] = {
    {u"mixto-cielo", QT_TRANSLATE_NOOP("ObjectiveNames", "Mixto: cielo uniforme y luz de techo"),
     SearchObjective::mixedSky},
    {u"inclinado", QT_TRANSLATE_NOOP("ObjectiveNames", "Brillo inclinado, cielo uniforme"),
     SearchObjective::tiltedIso},
    {u"inclinado-cos", QT_TRANSLATE_NOOP("ObjectiveNames", "Brillo inclinado, luz de techo"),
     SearchObjective::tiltedCos},
    {u"con-fuego", QT_TRANSLATE_NOOP("ObjectiveNames", "Mixto con fuego"),
     SearchObjective::withFire},
};

const Objective *objectiveOf(SearchObjective objective) {
    return std::find_if(std::begin(kObjectives), std::end(kObjectives),
                        [objective](const Objective &o) { return o.objective == objective; });
}

}  // namespace

QStringList objectiveNames() {
    QStringList names;
    for (const Objective &objective : kObjectives)
        names.append(objective.name.toString());
    return names;
}

std::optional<SearchObjective> objectiveNamed(const QString &name) {
    const auto found = std::find_if(std::begin(kObjectives), std::end(kObjectives),
                                    [&name](const Objective &o) { return o.name == name; });
    if (found == std::end(kObjectives))
        return std::nullopt;
    return found->objective;
}

QString objectiveName(SearchObjective objective) {
    return objectiveOf(objective)->name.toString();
}

QStringList objectiveCaptions() {
    QStringList captions;
    for (const Objective &objective : kObjectives)
        captions.append(QCoreApplication::translate("ObjectiveNames", objective.caption));
    return captions;
}

SearchObjective objectiveAt(qsizetype place) {
    return kObjectives[std::clamp<qsizetype>(place, 0, std::size(kObjectives) - 1)].objective;
}

}  // namespace stone
