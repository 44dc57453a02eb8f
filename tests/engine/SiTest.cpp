// SPDX-License-Identifier: MIT
// The aqp_ family: the STM_ family's digits in K, Pa, J/kg, J/(kg K), NaN where STM_ refuses, array forms equal
// to the scalars bit for bit, dryness limits, and the state functions against the single quantities.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::SetUnits;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using Scalar = double (*)(double, double);
using ArrayForm = size_t (*)(size_t, const double*, const double*, double*);

struct Pairs {
    std::vector<double> a;
    std::vector<double> b;
};

// Pressures (Pa) and temperatures (K) in every region, on its edges and outside, the saturation line included.
const std::vector<double> kPressures = {-1.0, 0.0, 611.0, 1e3, 1e5, 1e6, 1e7, 16.5e6, 2e7, 22.064e6,
                                        3e7,  5e7, 1e8,   1.5e8, kNaN, kInf};
const std::vector<double> kTemperatures = {273.0,   273.15,  300.0,   400.0,  500.0,   623.15,  640.0,
                                           647.096, 700.0,   863.15,  1073.15, 1173.15, 1173.16, 1500.0,
                                           2273.15, 2300.0,  kNaN,    -kInf};
const std::vector<double> kDryness = {0.0, 0.3, 1.0, -0.1, 1.5};

Pairs PT() {
    Pairs out;
    for (double p : kPressures) {
        std::vector<double> Ts = kTemperatures;
        Ts.push_back(aqp_Tsat_p(p));
        for (double T : Ts) out.a.push_back(p), out.b.push_back(T);
    }
    return out;
}

// (p, h) or (p, s) of every (p, T) state, and of wet mixtures at each pressure.
Pairs Given(Scalar ofPT, Scalar ofTx) {
    const Pairs states = PT();
    Pairs out;
    for (std::size_t k = 0; k < states.a.size(); ++k) {
        const double p = states.a[k];
        out.a.push_back(p), out.b.push_back(ofPT(p, states.b[k]));
        for (double x : kDryness) out.a.push_back(p), out.b.push_back(ofTx(aqp_Tsat_p(p), x));
    }
    return out;
}

Pairs PH() { return Given(aqp_h_pT, aqp_h_Tx); }

// (h, s) of every (p, T) state and wet mixture of PH.
Pairs HS() {
    const Pairs states = PT();
    Pairs out;
    for (std::size_t k = 0; k < states.a.size(); ++k) {
        const double p = states.a[k];
        const double T = states.b[k];
        out.a.push_back(aqp_h_pT(p, T)), out.b.push_back(aqp_s_pT(p, T));
        for (double x : kDryness) {
            out.a.push_back(aqp_h_Tx(aqp_Tsat_p(p), x));
            out.b.push_back(aqp_s_Tx(aqp_Tsat_p(p), x));
        }
    }
    return out;
}
Pairs PS() { return Given(aqp_s_pT, aqp_s_Tx); }

Pairs TX() {
    Pairs out;
    for (double T : kTemperatures) {
        for (double x : kDryness) out.a.push_back(T), out.b.push_back(x);
    }
    return out;
}

// An STM_ value in the units 1, 11, 31, 51 and 71 (72 for rho): NaN where it gives the error value.
double Stm(double value) { return value == STM_ERROR_VALUE ? kNaN : value; }

struct Function {
    std::string name;
    Scalar scalar;
    ArrayForm array;
    Pairs (*inputs)();
    Scalar stm;
    int32_t volumeUnit = 71;
};

const Function kFunctions[] = {
    {"Tsat_p", [](double p, double) { return aqp_Tsat_p(p); },
     [](size_t n, const double* p, const double*, double* out) { return aqp_Tsat_p_n(n, p, out); }, PT,
     [](double p, double) { return Stm(STM_sTp(p)); }},
    {"psat_T", [](double, double T) { return aqp_psat_T(T); },
     [](size_t n, const double*, const double* T, double* out) { return aqp_psat_T_n(n, T, out); }, PT,
     [](double, double T) { return Stm(STM_sPt(T)); }},
    {"hfg_T", [](double, double T) { return aqp_hfg_T(T); },
     [](size_t n, const double*, const double* T, double* out) { return aqp_hfg_T_n(n, T, out); }, PT,
     [](double, double T) { return Stm(STM_sRt(T)); }},
    {"h_Tx", aqp_h_Tx, aqp_h_Tx_n, TX, [](double T, double x) { return Stm(STM_sHtx(T, 1.0 - x)); }},
    {"s_Tx", aqp_s_Tx, aqp_s_Tx_n, TX, [](double T, double x) { return Stm(STM_sStx(T, 1.0 - x)); }},
    {"v_Tx", aqp_v_Tx, aqp_v_Tx_n, TX, [](double T, double x) { return Stm(STM_sDtx(T, 1.0 - x)); }},
    {"rho_Tx", aqp_rho_Tx, aqp_rho_Tx_n, TX,
     [](double T, double x) { return Stm(STM_sDtx(T, 1.0 - x)); }, 72},
    {"u_Tx", aqp_u_Tx, aqp_u_Tx_n, TX, [](double T, double x) { return Stm(STM_sUtx(T, 1.0 - x)); }},
    {"mu_Tx", aqp_mu_Tx, aqp_mu_Tx_n, TX, [](double T, double x) { return Stm(STM_sMUtx(T, 1.0 - x)); }},
    {"lam_Tx", aqp_lam_Tx, aqp_lam_Tx_n, TX, [](double T, double x) { return Stm(STM_sLAMtx(T, 1.0 - x)); }},
    {"sigma_T", [](double, double T) { return aqp_sigma_T(T); },
     [](size_t n, const double*, const double* T, double* out) { return aqp_sigma_T_n(n, T, out); }, PT,
     [](double, double T) { return Stm(STM_sSIGt(T)); }},
    {"x_ph", aqp_x_ph, aqp_x_ph_n, PH, [](double p, double h) { return 1.0 - Stm(STM_sXph(p, h)); }},
    {"x_ps", aqp_x_ps, aqp_x_ps_n, PS, [](double p, double s) { return 1.0 - Stm(STM_sXps(p, s)); }},
    {"h_pT", aqp_h_pT, aqp_h_pT_n, PT, [](double p, double T) { return Stm(STM_nHtp(T, p)); }},
    {"s_pT", aqp_s_pT, aqp_s_pT_n, PT, [](double p, double T) { return Stm(STM_nStp(T, p)); }},
    {"v_pT", aqp_v_pT, aqp_v_pT_n, PT, [](double p, double T) { return Stm(STM_nDtp(T, p)); }},
    {"rho_pT", aqp_rho_pT, aqp_rho_pT_n, PT,
     [](double p, double T) { return Stm(STM_nDtp(T, p)); }, 72},
    {"cp_pT", aqp_cp_pT, aqp_cp_pT_n, PT, [](double p, double T) { return Stm(STM_nCPtp(T, p)); }},
    {"cv_pT", aqp_cv_pT, aqp_cv_pT_n, PT, [](double p, double T) { return Stm(STM_nCVtp(T, p)); }},
    {"w_pT", aqp_w_pT, aqp_w_pT_n, PT, [](double p, double T) { return Stm(STM_nWtp(T, p)); }},
    {"u_pT", aqp_u_pT, aqp_u_pT_n, PT, [](double p, double T) { return Stm(STM_nUtp(T, p)); }},
    {"kappa_pT", aqp_kappa_pT, aqp_kappa_pT_n, PT, [](double p, double T) { return Stm(STM_nKAPtp(T, p)); }},
    {"mu_pT", aqp_mu_pT, aqp_mu_pT_n, PT, [](double p, double T) { return Stm(STM_nMUtp(T, p)); }},
    {"lam_pT", aqp_lam_pT, aqp_lam_pT_n, PT, [](double p, double T) { return Stm(STM_nLAMtp(T, p)); }},
    {"nu_pT", aqp_nu_pT, aqp_nu_pT_n, PT, [](double p, double T) { return Stm(STM_nNUtp(T, p)); }},
    {"Pr_pT", aqp_Pr_pT, aqp_Pr_pT_n, PT, [](double p, double T) { return Stm(STM_nPRtp(T, p)); }},
    {"T_ph", aqp_T_ph, aqp_T_ph_n, PH, [](double p, double h) { return Stm(STM_nTph(p, h)); }},
    {"T_ps", aqp_T_ps, aqp_T_ps_n, PS, [](double p, double s) { return Stm(STM_nTps(p, s)); }},
    {"h_ps", aqp_h_ps, aqp_h_ps_n, PS,
     [](double p, double s) { return Stm(STM_IsSat_ps(p, s) ? STM_sHps(p, s) : STM_nHtp(STM_nTps(p, s), p)); }},
    {"p_hs", aqp_p_hs, aqp_p_hs_n, HS, [](double h, double s) { return Stm(STM_nPhs(h, s)); }},
    {"T_hs", aqp_T_hs, aqp_T_hs_n, HS, [](double h, double s) { return Stm(STM_nThs(h, s)); }},
    {"x_hs", aqp_x_hs, aqp_x_hs_n, HS, [](double h, double s) { return 1.0 - Stm(STM_sXhs(h, s)); }},
};

void PrintTo(const Function& f, std::ostream* out) { *out << f.name; }

// Equal bit for bit, or both NaN.
bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

class SiFunction : public testing::DefaultUnitsWithParam<Function> {};

TEST_P(SiFunction, GivesTheStmDigitsInSiUnitsAndNaNWhereStmRefuses) {
    const Function& f = GetParam();
    SetUnits(1, 11, 31, 51, f.volumeUnit);
    const Pairs in = f.inputs();
    std::size_t valid = 0;
    for (std::size_t k = 0; k < in.a.size(); ++k) {
        const double expected = f.stm(in.a[k], in.b[k]);
        const double got = f.scalar(in.a[k], in.b[k]);
        EXPECT_TRUE(Same(got, expected)) << f.name << "(" << in.a[k] << ", " << in.b[k] << ") = " << got
                                         << ", STM_ gives " << expected;
        valid += std::isnan(got) ? 0 : 1;
    }
    EXPECT_GT(valid, in.a.size() / 8) << "too few valid states to compare";
}

TEST_P(SiFunction, ArrayFormEqualsTheScalarsAndCountsNaN) {
    const Function& f = GetParam();
    // Three times over, so that the blocks of the vector path end inside the inputs.
    Pairs in = f.inputs();
    for (Pairs once = in; int repeat : {1, 2}) {
        in.a.insert(in.a.end(), once.a.begin() + repeat, once.a.end());
        in.b.insert(in.b.end(), once.b.begin() + repeat, once.b.end());
    }
    const std::size_t n = in.a.size();
    std::vector<double> out(n, 0.0);
    std::size_t nan = 0;
    for (std::size_t k = 0; k < n; ++k) nan += std::isnan(f.scalar(in.a[k], in.b[k])) ? 1 : 0;
    EXPECT_EQ(f.array(n, in.a.data(), in.b.data(), out.data()), nan);
    for (std::size_t k = 0; k < n; ++k) {
        EXPECT_TRUE(Same(out[k], f.scalar(in.a[k], in.b[k]))) << f.name << "(" << in.a[k] << ", " << in.b[k] << ")";
    }
    // In place, over the second argument.
    EXPECT_EQ(f.array(n, in.a.data(), in.b.data(), in.b.data()), nan);
    for (std::size_t k = 0; k < n; ++k) EXPECT_TRUE(Same(in.b[k], out[k])) << f.name << " in place, " << k;
    EXPECT_EQ(f.array(0, nullptr, nullptr, nullptr), 0u);
}

INSTANTIATE_TEST_SUITE_P(EveryFunction, SiFunction, ::testing::ValuesIn(kFunctions),
                         [](const ::testing::TestParamInfo<Function>& row) { return row.param.name; });

// A dryness is refused outside 0..1 however close, where 1 - x would round into range.
TEST(SiDryness, RefusedOutsideZeroToOne) {
    for (double x : {-1e-300, -4.9e-324, 1.0 + 2.3e-16, kNaN, kInf}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(std::isnan(aqp_h_Tx(400.0, x)));
        EXPECT_TRUE(std::isnan(aqp_state_Tx(400.0, x).h));
        EXPECT_TRUE(std::isnan(aqp_state_px(1e5, x).h));
    }
    EXPECT_EQ(aqp_h_Tx(400.0, -0.0), aqp_h_Tx(400.0, 0.0));
}

// A state's fields are the single functions' values, the mixture's in the two-phase region; no state is all NaN.
TEST(SiState, FieldsAreTheSingleFunctionsValues) {
    // regions 1, 2, 3 (liquid-like, vapour-like, near the critical point) and 5
    for (const auto& [pT, TT] : {std::pair{1e6, 500.0}, {1e6, 700.0}, {25e6, 650.0}, {20e6, 640.0},
                                 {22.1e6, 647.2}, {60e6, 800.0}, {30e6, 1500.0}}) {
        SCOPED_TRACE(::testing::Message() << pT << " Pa, " << TT << " K");
        const aqp_state one = aqp_state_pT(pT, TT);
        EXPECT_EQ(std::vector<double>({one.v, one.rho, one.h, one.s, one.cp, one.cv, one.w}),
                  std::vector<double>({aqp_v_pT(pT, TT), aqp_rho_pT(pT, TT), aqp_h_pT(pT, TT), aqp_s_pT(pT, TT),
                                       aqp_cp_pT(pT, TT), aqp_cv_pT(pT, TT), aqp_w_pT(pT, TT)}));
    }
    const double p = 1e6;
    const double T = aqp_Tsat_p(p);
    const aqp_state wet = aqp_state_px(p, 0.25);
    EXPECT_EQ(std::vector<double>({wet.p, wet.T, wet.x, wet.h, wet.s, wet.v}),
              std::vector<double>({p, T, 0.25, aqp_h_Tx(T, 0.25), aqp_s_Tx(T, 0.25), aqp_v_Tx(T, 0.25)}));
    for (const aqp_state& none : {aqp_state_pT(0.0, 500.0), aqp_state_ph(p, kNaN), aqp_state_ps(2e8, 6e3),
                                  aqp_state_Tx(700.0, 0.5), aqp_state_px(3e7, 0.5)}) {
        for (double f : {none.p, none.T, none.x, none.v, none.rho, none.h, none.u, none.s, none.cp, none.cv, none.w}) {
            EXPECT_TRUE(std::isnan(f));
        }
    }
}

}  // namespace
}  // namespace aquaprop
