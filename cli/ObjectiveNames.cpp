#include "cli/ObjectiveNames.h"

#include <algorithm>
#include <iterator>

namespace {

struct ObjectiveName {
    QStringView name;
    stone::SearchObjective objective;
};

constexpr ObjectiveName kObjectives[] = {
    {u"mixto-cielo", stone::SearchObjective::mixedSky},
    {u"inclinado", stone::SearchObjective::tiltedIso},
    {u"inclinado-cos", stone::SearchObjective::tiltedCos},
};

}  // namespace

QStringList objectiveNames() {
    QStringList names;
    for (const ObjectiveName &objective : kObjectives)
        names.append(objective.name.toString());
    return names;
}

std::optional<stone::SearchObjective> objectiveNamed(const QString &name) {
    const auto found = std::find_if(std::begin(kObjectives), std::end(kObjectives),
                                    [&name](const ObjectiveName &o) { return o.name == name; });
    if (found == std::end(kObjectives))
        return std::nullopt;
    return found->objective;
}

QString objectiveName(stone::SearchObjective objective) {
    const auto found =
        std::find_if(std::begin(kObjectives), std::end(kObjectives),
                     [objective](const ObjectiveName &o) { return o.objective == objective; });
    return found->name.toString();
}
