#include "stone/ClassicCuts.h"

#include <QCoreApplication>

namespace stone {

// The 1919 cut goes by its maker's name in every language.
std::vector<NamedCut> classicCuts() {
    return {
        {QStringLiteral("Tolkowsky (1919)"), {0.53, 34.5, 40.75}, {0, 50, 80}},
        {QCoreApplication::translate("ClassicCuts", "Referencia GIA"),
         {0.57, 34.0, 40.7},
         {2.5, 50, 80}},
        {QCoreApplication::translate("ClassicCuts", "Excelente"), {0.55, 34.5, 41.0}, {3, 45, 80}},
    };
}

QString computedCutName() {
    return QCoreApplication::translate("ClassicCuts", "Calculada", "the computed cut");
}

}  // namespace stone
