#include "stone/Tiers.h"

#include <QCoreApplication>
#include <iterator>

namespace stone {

namespace {

constexpr bool enumFollowsTable() {
    for (int k = 0; k < int(std::size(tierTable)); ++k) {
        if (tierTable[k].tier != Tier(k))
            return false;
    }
    return true;
}
static_assert(enumFollowsTable(), "tierRow() finds a tier's row by its value");

}  // namespace

QString tierCode(Tier tier) {
    return QString::fromLatin1(tierRow(tier).code);
}

QString tierName(Tier tier) {
    return QCoreApplication::translate("Tier", tierRow(tier).name);
}

}  // namespace stone
