// SPDX-License-Identifier: MIT
// Published check values, and a comparison to the digits they were printed with.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

namespace aquaprop::testing {

// True if value, rounded to the significant digits of the printed number ("0.100215168e-2": 9), is that number.
inline ::testing::AssertionResult MatchesPublished(double value, const std::string& published) {
    int digits = 0;
    for (char c : published.substr(0, published.find_first_of("eE"))) {
        if (std::isdigit(static_cast<unsigned char>(c)) && (digits > 0 || c != '0')) ++digits;
    }
    const double expected = std::strtod(published.c_str(), nullptr);
    const double lastDigit = std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - digits + 1);
    const double units = std::fabs(value - expected) / lastDigit;
    if (units <= 0.5) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "computed " << value << " vs published " << published << " (" << units
                                         << " units of the last digit)";
}

// A published check value of an equation of one or two variables (an equation of one ignores y).
struct EquationCheck {
    const char* name;
    double (*equation)(double x, double y);
    double x, y;
    const char* expected;
};

// IF97 Tables 5, 15 and 42: three states each of regions 1, 2 and 5 at (T in K, p in MPa).
struct GibbsPoint {
    double T, p;
    const char *v, *h, *u, *s, *cp, *w;
};

inline constexpr GibbsPoint kGibbsPoints[] = {
    {300, 3, "0.100215168e-2", "0.115331273e3", "0.112324818e3", "0.392294792", "0.417301218e1", "0.150773921e4"},
    {300, 80, "0.971180894e-3", "0.184142828e3", "0.106448356e3", "0.368563852", "0.401008987e1", "0.163469054e4"},
    {500, 3, "0.120241800e-2", "0.975542239e3", "0.971934985e3", "0.258041912e1", "0.465580682e1", "0.124071337e4"},
    {300, 0.0035, "0.394913866e2", "0.254991145e4", "0.241169160e4", "0.852238967e1", "0.191300162e1", "0.427920172e3"},
    {700, 0.0035, "0.923015898e2", "0.333568375e4", "0.301262819e4", "0.101749996e2", "0.208141274e1", "0.644289068e3"},
    {700, 30, "0.542946619e-2", "0.263149474e4", "0.246861076e4", "0.517540298e1", "0.103505092e2", "0.480386523e3"},
    {1500, 0.5, "0.138455090e1", "0.521976855e4", "0.452749310e4", "0.965408875e1", "0.261609445e1", "0.917068690e3"},
    {1500, 30, "0.230761299e-1", "0.516723514e4", "0.447495124e4", "0.772970133e1", "0.272724317e1", "0.928548002e3"},
    {2000, 30, "0.311385219e-1", "0.657122604e4", "0.563707038e4", "0.853640523e1", "0.288569882e1", "0.106736948e4"},
};

// IF97 Table 33: region 3 at (T in K, rho in kg/m3).
struct HelmholtzPoint {
    double T, rho;
    const char *p, *h, *u, *s, *cp, *w;
};

inline constexpr HelmholtzPoint kHelmholtzPoints[] = {
    {650, 500, "0.255837018e2", "0.186343019e4", "0.181226279e4", "0.405427273e1", "0.138935717e2", "0.502005554e3"},
    {650, 200, "0.222930643e2", "0.237512401e4", "0.226365868e4", "0.485438792e1", "0.446579342e2", "0.383444594e3"},
    {750, 500, "0.783095639e2", "0.225868845e4", "0.210206932e4", "0.446971906e1", "0.634165359e1", "0.760696041e3"},
};

}  // namespace aquaprop::testing
