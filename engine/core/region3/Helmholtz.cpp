// SPDX-License-Identifier: MIT
#include "engine/core/region3/Helmholtz.h"

#include <cmath>
#include <iterator>
#include <utility>

#include "engine/core/Constants.h"
#include "engine/core/Region3.h"
#include "engine/core/tables/Region3Table.h"

namespace aquaprop::region3 {

namespace {

constexpr int kMaxTauPower = 26;

constexpr bool ExponentsFit() {
    for (const Term& t : tables::kRegion3) {
        if (t.I < 0 || t.I > Isotherm::kDegree || t.J < 0 || t.J > kMaxTauPower) return false;
    }
    return true;
}
static_assert(ExponentsFit(), "Helmholtz exponents exceed the power chains");

constexpr bool OrderedByI() {
    for (std::size_t k = 1; k < std::size(tables::kRegion3); ++k) {
        if (tables::kRegion3[k].I < tables::kRegion3[k - 1].I) return false;
    }
    return true;
}
static_assert(OrderedByI(), "the coefficient sums expect the table in order of I");

constexpr double kN1 = tables::kRegion3N1;

// n J and n J (J - 1) of each term, for the tau derivatives.
template <int Power>
constexpr auto TauWeights() {
    std::array<double, std::size(tables::kRegion3)> w{};
    for (std::size_t k = 0; k < w.size(); ++k) {
        const Term& t = tables::kRegion3[k];
        w[k] = t.n * (Power == 1 ? t.J : t.J * (t.J - 1));
    }
    return w;
}
constexpr auto kTauWeight = TauWeights<1>();
constexpr auto kTauTauWeight = TauWeights<2>();

// The run of terms with I = i in the table.
constexpr std::size_t RunBegin(int i) {
    std::size_t k = 0;
    while (k < std::size(tables::kRegion3) && tables::kRegion3[k].I < i) ++k;
    return k;
}

using TauPowers = std::array<double, kMaxTauPower + 1>;

// Powers of tau by halving the exponent: a short dependency chain instead of 26 multiplications in a row; the
// powers no term uses drop out.
TauPowers PowersOf(double tau) {
    TauPowers tp;
    tp[0] = 1.0;
    tp[1] = tau;
#pragma GCC unroll 32
    for (int j = 2; j <= kMaxTauPower; ++j) tp[j] = tp[j / 2] * tp[j - j / 2];
    return tp;
}

// The coefficients of delta^i on one isotherm: sum n tau^J (extended), sum J n tau^J and sum J (J - 1) n tau^J
// over the terms with I = i, each added in table order, as straight-line code over the table.
struct Coefficient {
    Isotherm::Wide a;
    Isotherm::Pair bc;  // b and c side by side, each lane summed as on its own
};

// n J and n J (J - 1) of each term as pairs.
constexpr auto kTauWeightPairs = [] {
    std::array<std::array<double, 2>, std::size(tables::kRegion3)> w{};
    for (std::size_t k = 0; k < w.size(); ++k) w[k] = {kTauWeight[k], kTauTauWeight[k]};
    return w;
}();

template <int i, std::size_t... j>
[[gnu::always_inline]] inline Coefficient CoefficientOf(const TauPowers& tp, std::index_sequence<j...>) {
    constexpr std::size_t k0 = RunBegin(i);
    constexpr const Term* t = tables::kRegion3;
    Isotherm::Wide a = 0.0;
    Isotherm::Pair bc = {0.0, 0.0};
    ((a += static_cast<Isotherm::Wide>(t[k0 + j].n) * tp[t[k0 + j].J],
      bc += Isotherm::Pair{kTauWeightPairs[k0 + j][0], kTauWeightPairs[k0 + j][1]} * tp[t[k0 + j].J]),
     ...);
    return {a, bc};
}

template <int i>
[[gnu::always_inline]] inline Coefficient CoefficientOf(const TauPowers& tp) {
    return CoefficientOf<i>(tp, std::make_index_sequence<RunBegin(i + 1) - RunBegin(i)>{});
}

// The reduced derivatives at delta by Horner's rule over the coefficients coefficient(integral_constant<int, i>),
// from the highest power down. The extended sums round to double at the end.
template <unsigned kParts, typename Coefficients>
[[gnu::always_inline]] inline Reduced HornerSums(double rho, Coefficients coefficient) {
    constexpr int kDegree = Isotherm::kDegree;
    using Wide = Isotherm::Wide;
    const Wide delta = rho / kCriticalDensity;
    const double deltaD = static_cast<double>(delta);
    const Coefficient top = coefficient(std::integral_constant<int, kDegree>{});
    Wide phi = top.a;
    Wide d = kDegree * top.a;
    Wide dd = kDegree * (kDegree - 1) * top.a;
    Isotherm::Pair ttt = top.bc;  // t and tt side by side
    double dt = kDegree * top.bc[0];
    [&]<std::size_t... j>(std::index_sequence<j...>) [[gnu::always_inline]] {
        (
            [&]() [[gnu::always_inline]] {
                constexpr int i = kDegree - 1 - static_cast<int>(j);
                const Coefficient k = coefficient(std::integral_constant<int, i>{});
                if constexpr ((kParts & kPhi) != 0u) phi = phi * delta + k.a;
                if constexpr ((kParts & kD) != 0u) d = d * delta + i * k.a;
                if constexpr ((kParts & kDD) != 0u) dd = dd * delta + i * (i - 1) * k.a;
                if constexpr ((kParts & (kT | kTT)) != 0u) ttt = ttt * deltaD + k.bc;
                if constexpr ((kParts & kDT) != 0u) dt = dt * deltaD + i * k.bc[0];
            }(),
            ...);
    }(std::make_index_sequence<kDegree>{});
    Reduced r{};
    if constexpr ((kParts & kPhi) != 0u) r.phi = kN1 * std::log(deltaD) + static_cast<double>(phi);
    if constexpr ((kParts & kD) != 0u) r.d = static_cast<double>(kN1 + d);
    if constexpr ((kParts & kDD) != 0u) r.dd = static_cast<double>(-kN1 + dd);
    if constexpr ((kParts & kT) != 0u) r.t = ttt[0];
    if constexpr ((kParts & kTT) != 0u) r.tt = ttt[1];
    if constexpr ((kParts & kDT) != 0u) r.dt = dt;
    return r;
}

}  // namespace

Isotherm::Isotherm(double T) : T_(T), rt_(kGasConstant * T) {
    const TauPowers tp = PowersOf(kCriticalK / T);
    [&]<int... i>(std::integer_sequence<int, i...>) [[gnu::always_inline]] {
        ([&]() [[gnu::always_inline]] {
            const Coefficient k = CoefficientOf<i>(tp);
            a_[i] = k.a;
            bc_[i] = k.bc;
        }(),
         ...);
    }(std::make_integer_sequence<int, kDegree + 1>{});
}

template <unsigned kParts>
Reduced DerivativesAt(double rho, double T) {
    const TauPowers tp = PowersOf(kCriticalK / T);
    return HornerSums<kParts>(rho, [&tp](auto i) [[gnu::always_inline]] { return CoefficientOf<i()>(tp); });
}

template Reduced DerivativesAt<kEveryPart>(double rho, double T);
template Reduced DerivativesAt<kEveryPart & ~kPhi>(double rho, double T);

double Isotherm::Pressure(double rho) const {
    const Wide delta = rho / kCriticalDensity;
    // delta phi_delta = n1 + sum I a_I delta^I
    Wide sum = kDegree * a_[kDegree];
    for (int i = kDegree - 1; i >= 1; --i) sum = sum * delta + i * a_[i];
    const double d = static_cast<double>(kN1 + sum * delta);
    return rho * rt_ * d * 1e-3;
}

namespace {

// delta phi_delta, unrounded, and delta^2 phi_deltadelta of one isotherm at delta, from the coefficients I a and
// I (I - 1) a.
template <typename Coefficients>
std::pair<Isotherm::Wide, double> SumsForPressure(const Coefficients& a, Isotherm::Wide delta) {
    constexpr int kDegree = Isotherm::kDegree;
    Isotherm::Wide s1 = kDegree * a[kDegree];
    Isotherm::Wide s2 = kDegree * (kDegree - 1) * a[kDegree];
    for (int i = kDegree - 1; i >= 1; --i) {
        s1 = s1 * delta + i * a[i];
        s2 = s2 * delta + i * (i - 1) * a[i];
    }
    return {kN1 + s1 * delta, static_cast<double>(-kN1 + s2 * delta)};
}

}  // namespace

ValueAndSlope Isotherm::PressureAndSlope(double rho) const {
    const auto [wide, dd] = SumsForPressure(a_, rho / kCriticalDensity);
    const double d = static_cast<double>(wide);
    return {rho * rt_ * d * 1e-3, rt_ * (2.0 * d + dd) * 1e-3};
}

Saturated<ValueAndSlope> Isotherm::ExcessAndSlope(Saturated<double> rho, long double p) const {
    // ExcessAndSlope at both densities in one loop, each coefficient weighted once for both.
    const Wide deltaL = rho.liquid / kCriticalDensity;
    const Wide deltaV = rho.vapour / kCriticalDensity;
    Wide s1L = kDegree * a_[kDegree];
    Wide s2L = kDegree * (kDegree - 1) * a_[kDegree];
    Wide s1V = s1L;
    Wide s2V = s2L;
    for (int i = kDegree - 1; i >= 1; --i) {
        const Wide w1 = i * a_[i];
        const Wide w2 = i * (i - 1) * a_[i];
        s1L = s1L * deltaL + w1;
        s1V = s1V * deltaV + w1;
        s2L = s2L * deltaL + w2;
        s2V = s2V * deltaV + w2;
    }
    const auto finish = [&](double r, Wide delta, Wide s1, Wide s2) {
        const Wide wide = kN1 + s1 * delta;
        const double dd = static_cast<double>(-kN1 + s2 * delta);
        const double d = static_cast<double>(wide);
        const Wide excess = static_cast<Wide>(r) * rt_ * wide * 1e-3L - p;
        return ValueAndSlope{static_cast<double>(excess), rt_ * (2.0 * d + dd) * 1e-3};
    };
    return {finish(rho.liquid, deltaL, s1L, s2L), finish(rho.vapour, deltaV, s1V, s2V)};
}

ValueAndSlope Isotherm::ExcessAndSlope(double rho, long double p) const {
    const auto [wide, dd] = SumsForPressure(a_, rho / kCriticalDensity);
    const double d = static_cast<double>(wide);
    const Wide excess = static_cast<Wide>(rho) * rt_ * wide * 1e-3L - p;
    return {static_cast<double>(excess), rt_ * (2.0 * d + dd) * 1e-3};
}

std::pair<ValueAndSlope, Reduced> Isotherm::ExcessSlopeAndEnthalpyParts(double rho, long double p) const {
    const Wide delta = rho / kCriticalDensity;
    const double deltaD = static_cast<double>(delta);
    Wide t = bc_[kDegree][0];
    double dt = kDegree * bc_[kDegree][0];
    for (int i = kDegree - 1; i >= 0; --i) {
        t = t * delta + bc_[i][0];
        dt = dt * deltaD + i * bc_[i][0];
    }
    const auto [wide, dd] = SumsForPressure(a_, delta);
    const double d = static_cast<double>(wide);
    const Wide excess = static_cast<Wide>(rho) * rt_ * wide * 1e-3L - p;
    Reduced r{};
    r.d = d;
    r.dd = dd;
    r.t = static_cast<double>(t);
    r.dt = dt;
    return {{static_cast<double>(excess), rt_ * (2.0 * d + dd) * 1e-3}, r};
}

double EnthalpyNear(const Reduced& at, double rhoAt, double rho, double T) {
    // delta d(t + d)/ddelta = dt + d + dd
    return kGasConstant * T * (at.t + at.d + (at.dt + at.d + at.dd) * ((rho - rhoAt) / rhoAt));
}

template <unsigned kParts>
Reduced Isotherm::Derivatives(double rho) const {
    return HornerSums<kParts>(rho, [this](auto i) [[gnu::always_inline]] { return Coefficient{a_[i], bc_[i]}; });
}

template Reduced Isotherm::Derivatives<kEveryPart>(double rho) const;
template Reduced Isotherm::Derivatives<kPartsOf<Quantity::kEnthalpy>>(double rho) const;
template Reduced Isotherm::Derivatives<kPartsOf<Quantity::kEntropy>>(double rho) const;
template Reduced Isotherm::Derivatives<kEveryPart & ~kPhi>(double rho) const;

template <>
double PropertyFromReduced<Quantity::kVolume>(const Reduced&, double rho, double) {
    return 1.0 / rho;
}

template <>
double PropertyFromReduced<Quantity::kEnthalpy>(const Reduced& r, double, double T) {
    return kGasConstant * T * (r.t + r.d);
}

template <>
double PropertyFromReduced<Quantity::kEntropy>(const Reduced& r, double, double) {
    return kGasConstant * (r.t - r.phi);
}

Props PropsFromReduced(const Reduced& r, double rho, double T) {
    const double rt = kGasConstant * T;
    const double stiff = 2.0 * r.d + r.dd;  // rho/(RT) dp/drho
    const double mixed = r.d - r.dt;        // (dp/dT at constant rho) / (rho R)
    Props props;
    props.v = PropertyFromReduced<Quantity::kVolume>(r, rho, T);
    props.u = rt * r.t;
    props.h = PropertyFromReduced<Quantity::kEnthalpy>(r, rho, T);
    props.s = PropertyFromReduced<Quantity::kEntropy>(r, rho, T);
    props.cv = -kGasConstant * r.tt;
    props.cp = kGasConstant * (-r.tt + mixed * mixed / stiff);
    const double w2 = 1e3 * rt * (stiff - mixed * mixed / r.tt);
    props.w = w2 > 0.0 ? std::sqrt(w2) : kNaN;
    return props;
}

namespace {

// The equation is evaluated for any positive finite density and temperature; far outside
// region 3 its powers overflow, and such results are no answer either.
bool Evaluable(double rho, double T) {
    return rho > 0.0 && T > 0.0 && std::isfinite(rho) && std::isfinite(T);
}

double FiniteOrNaN(double x) { return std::isfinite(x) ? x : kNaN; }

}  // namespace

double Pressure(double rho, double T) {
    return Evaluable(rho, T) ? FiniteOrNaN(Isotherm(T).Pressure(rho)) : kNaN;
}

Props PropsRhoT(double rho, double T) {
    if (!Evaluable(rho, T)) return kNoState;
    const Props x = PropsFromReduced(Isotherm(T).Derivatives(rho), rho, T);
    return {FiniteOrNaN(x.v), FiniteOrNaN(x.h),  FiniteOrNaN(x.u), FiniteOrNaN(x.s),
            FiniteOrNaN(x.cp), FiniteOrNaN(x.cv), FiniteOrNaN(x.w)};
}

template <Quantity q>
double PropertyRhoT(double rho, double T) {
    if (!Evaluable(rho, T)) return kNaN;
    if constexpr (q == Quantity::kVolume) {
        return PropertyFromReduced<q>(Reduced{}, rho, T);  // v needs no derivatives
    } else {
        return FiniteOrNaN(PropertyFromReduced<q>(Isotherm(T).Derivatives<kPartsOf<q>>(rho), rho, T));
    }
}

template double PropertyRhoT<Quantity::kVolume>(double rho, double T);
template double PropertyRhoT<Quantity::kEnthalpy>(double rho, double T);
template double PropertyRhoT<Quantity::kEntropy>(double rho, double T);

}  // namespace aquaprop::region3
