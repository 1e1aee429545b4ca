#pragma once

#include "calc/Csv.h"
#include "stone/CutComparison.h"

#include <QString>

namespace stone {

// The comparison as CSV (RFC 4180, or with decimal commas and ";" between
// fields), one row per cut after the header, every record ended by CR LF: the cut's name, IR, its
// proportions (table, girdle, star, lower girdle, heights and depths in % of D, angles in degrees,
// volume in D³), then its light in % of the light entering the silhouette:
// face up, then brillo_inclinado and brillo_inclinado_cos over the tilts,
// then the shares that add up to all of it, face up: reflected off the
// outside, leaked, then the material's dispersion and the cut's fire under
// the lamps, then the rest of those shares: by band, and last the light
// still inside when the paths were cut short.
QString comparisonCsv(const std::vector<CutLight> &cuts, double refractiveIndex, double dispersion,
                      CsvDecimals decimals = CsvDecimals::point);

}  // namespace stone
