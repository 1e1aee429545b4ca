#pragma once

// A material's refractive index across the visible spectrum by Cauchy's law
// with two terms, n(λ) = A + B / λ², fitted to the index at the sodium D line
// (589.3 nm) and to the B–G dispersion, the index at the G line (430.8 nm)
// less that at the B line (686.7 nm), the two numbers gem references give.
namespace stone {

class CauchyIndex {
public:
    CauchyIndex(double indexAtD, double dispersionBG);

    // At a wavelength in nanometres.
    double at(double nanometres) const { return m_a + m_b / (nanometres * nanometres); }

private:
    double m_a = 0;
    double m_b = 0;  // nm²
};

// The wavelengths of the lines the law is fitted to, in nanometres.
inline constexpr double sodiumD = 589.3;
inline constexpr double fraunhoferG = 430.8;
inline constexpr double fraunhoferB = 686.7;

}  // namespace stone
