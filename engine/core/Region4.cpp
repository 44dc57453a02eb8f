// SPDX-License-Identifier: MIT
// Region 4: the pieces of Tsat(p), fitted at compile time to the saturation-line equation evaluated in extended
// precision, with its coefficients as doubles, as psat(T) takes them.
#include "engine/core/Region4.h"

namespace aquaprop::region4::detail {

namespace {

using Wide = long double;

constexpr Wide kPi = 3.141592653589793238462643383279502884L;

// cos(x) for 0 <= x <= pi by its series, in constant expressions.
constexpr Wide Cos(Wide x) {
    Wide term = 1;
    Wide sum = 1;
    for (int k = 1; k < 40; ++k) {
        term *= -x * x / ((2 * k - 1) * (2 * k));
        sum += term;
    }
    return sum;
}

// Tsat(p) by the saturation-line equation, written without its cancellations: the root for theta is taken in the
// form that adds magnitudes, and T from theta = T + n9 / (T - n10) as the product of the roots over the larger
// one, whose discriminant (theta - n10)^2 - 4 n9 is a sum of positive terms. Near pc the equation as published
// subtracts two numbers 1e5 times larger than their difference there.
constexpr Wide SaturationTemperatureWide(Wide p) {
    using tables::kRegion4;
    const Wide beta = Sqrt(Sqrt(p));
    const Wide E = (beta + kRegion4[2]) * beta + kRegion4[5];
    const Wide F = (kRegion4[0] * beta + kRegion4[3]) * beta + kRegion4[6];
    const Wide G = (kRegion4[1] * beta + kRegion4[4]) * beta + kRegion4[7];
    const Wide root = Sqrt(F * F - 4 * E * G);
    const Wide theta = F > 0 ? 2 * G / (-F - root) : (-F + root) / (2 * E);
    const Wide n9 = kRegion4[8];
    const Wide n10 = kRegion4[9];
    const Wide distance = theta - n10;
    return 2 * (n9 + n10 * theta) / (n10 + theta + Sqrt(distance * distance - 4 * n9));
}

// The piece of centre c and half-width w: Tsat(c + u) as the polynomial in u through Tsat at the Chebyshev
// nodes of [c - w, c + w], its constant term split into two doubles.
constexpr TemperaturePiece Fitted(Wide centre, Wide halfWidth) {
    constexpr int kTerms = kTemperatureDegree + 1;
    Wide x[kTerms]{};
    Wide f[kTerms]{};
    for (int j = 0; j < kTerms; ++j) {
        x[j] = Cos(kPi * (2 * j + 1) / (2 * kTerms));
        f[j] = SaturationTemperatureWide(centre + halfWidth * x[j]);
    }
    // The Chebyshev polynomials at the nodes and in powers of x, both by T_m+1 = 2 x T_m - T_m-1.
    Wide atNodes[kTerms][kTerms]{};
    Wide powers[kTerms][kTerms]{};
    for (int j = 0; j < kTerms; ++j) {
        atNodes[0][j] = 1;
        atNodes[1][j] = x[j];
    }
    powers[0][0] = 1;
    powers[1][1] = 1;
    for (int m = 2; m < kTerms; ++m) {
        for (int j = 0; j < kTerms; ++j) atNodes[m][j] = 2 * x[j] * atNodes[m - 1][j] - atNodes[m - 2][j];
        for (int i = 0; i < kTerms; ++i) powers[m][i] = (i > 0 ? 2 * powers[m - 1][i - 1] : 0) - powers[m - 2][i];
    }
    Wide polynomial[kTerms]{};
    for (int m = 0; m < kTerms; ++m) {
        Wide c = 0;
        for (int j = 0; j < kTerms; ++j) c += f[j] * atNodes[m][j];
        c *= Wide(m == 0 ? 1 : 2) / kTerms;
        for (int i = 0; i < kTerms; ++i) polynomial[i] += c * powers[m][i];
    }
    // In powers of u = w x.
    TemperaturePiece piece{};
    piece.high = static_cast<double>(polynomial[0]);
    piece.low = static_cast<double>(polynomial[0] - piece.high);
    Wide scale = 1;
    for (int i = 1; i < kTerms; ++i) {
        scale /= halfWidth;
        piece.a[i - 1] = static_cast<double>(polynomial[i] * scale);
    }
    return piece;
}

constexpr std::array<TemperaturePiece, kTemperaturePieces> TemperaturePieces() {
    std::array<TemperaturePiece, kTemperaturePieces> pieces{};
    int k = 0;
    Wide octave = kFirstOctaveMPa;
    for (int e = 0; e < kOctaves; ++e, octave *= 2) {
        const Wide width = octave / kPiecesPerOctave;
        for (int j = 0; j < kPiecesPerOctave; ++j) pieces[k++] = Fitted(octave + (j + Wide(0.5)) * width, width / 2);
    }
    const Wide width = kTopOctaveMPa / kTopPiecesPerOctave;
    while (k < kTemperaturePieces) {
        const int j = k - kOctaves * kPiecesPerOctave;
        pieces[k++] = Fitted(kTopOctaveMPa + (j + Wide(0.5)) * width, width / 2);
    }
    return pieces;
}

}  // namespace

constinit const std::array<TemperaturePiece, kTemperaturePieces> kTemperature = TemperaturePieces();

}  // namespace aquaprop::region4::detail
