#pragma once

#include <QString>
#include <QtGlobal>

// The round brilliant's tiers: one table that the stone, its recipe, the
// facet diagram and the recipe's texts all read.
namespace stone {

// In the order a cutter works them, the order of tierTable.
enum class Tier { PavilionMain, LowerHalf, Girdle, Bezel, Star, UpperHalf, Table };

// Where on the stone a tier lies.
enum class StonePart { Pavilion, Girdle, Crown };

struct TierRow {
    Tier tier;
    const char *code;  // "P1": the recipe's row and the facet diagram's mark
    const char *name;  // in Spanish, untranslated: read it through tierName()
    int facets;        // the girdle, ground round, counts as one
    StonePart part;
};

// Every tier once, in cutting order: pavilion, girdle, crown, table.
inline constexpr TierRow tierTable[] = {
    {Tier::PavilionMain, "P1", QT_TRANSLATE_NOOP("Tier", "Principales del pabellón"), 8,
     StonePart::Pavilion},
    {Tier::LowerHalf, "P2", QT_TRANSLATE_NOOP("Tier", "Medias del pabellón"), 16,
     StonePart::Pavilion},
    {Tier::Girdle, "G", QT_TRANSLATE_NOOP("Tier", "Filetín"), 1, StonePart::Girdle},
    {Tier::Bezel, "C1", QT_TRANSLATE_NOOP("Tier", "Principales de la corona"), 8, StonePart::Crown},
    {Tier::Star, "C2", QT_TRANSLATE_NOOP("Tier", "Estrellas"), 8, StonePart::Crown},
    {Tier::UpperHalf, "C3", QT_TRANSLATE_NOOP("Tier", "Medias de la corona"), 16, StonePart::Crown},
    {Tier::Table, "T", QT_TRANSLATE_NOOP("Tier", "Mesa"), 1, StonePart::Crown},
};

// A tier's row: the enum follows the table.
constexpr const TierRow &tierRow(Tier tier) {
    return tierTable[int(tier)];
}

// "P1", "P2", "G", "C1", "C2", "C3", "T".
QString tierCode(Tier tier);
// "Principales del pabellón", ..., translated.
QString tierName(Tier tier);

}  // namespace stone
