// SPDX-License-Identifier: MIT
// An aqp_ function and its array form from one expression: AQP_FUNCTION1(Tsat_p, p, <T of p in K>) defines
// aqp_Tsat_p(p) and aqp_Tsat_p_n(n, p, out), AQP_FUNCTION2 the same for two arguments. The expression is in SI
// base units and sees the names of the including file's anonymous namespace (namespace aqp_si holds the scalar
// functions, outside aquaprop so that no core function of the same name, in core units, is picked by mistake);
// whatever it gives that is not finite leaves as NaN.
#pragma once

#include <cmath>
#include <cstddef>

#include "engine/core/Constants.h"

namespace aquaprop::capi {

inline double Valid(double value) { return std::isfinite(value) ? value : kNaN; }

inline std::size_t IsNaN(double value) { return std::isnan(value) ? 1u : 0u; }

// out[k] = f(a[k]) or f(a[k], b[k]); the count of NaN results. Each result is read back from a local, so that
// out may be an input array.
template <double (*f)(double)>
std::size_t Each(std::size_t n, const double* a, double* out) {
    std::size_t invalid = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double value = f(a[k]);
        out[k] = value;
        invalid += IsNaN(value);
    }
    return invalid;
}

template <double (*f)(double, double)>
std::size_t Each(std::size_t n, const double* a, const double* b, double* out) {
    std::size_t invalid = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const double value = f(a[k], b[k]);
        out[k] = value;
        invalid += IsNaN(value);
    }
    return invalid;
}

}  // namespace aquaprop::capi

// The scalar function alone, for an array form written by hand.
#define AQP_SCALAR1(name, a, expression)                                                    \
    namespace aqp_si {                                                                      \
    static double name(double a) { return aquaprop::capi::Valid(expression); }              \
    }                                                                                       \
    extern "C" double aqp_##name(double a) { return aqp_si::name(a); }

#define AQP_SCALAR2(name, a, b, expression)                                                 \
    namespace aqp_si {                                                                      \
    static double name(double a, double b) { return aquaprop::capi::Valid(expression); }    \
    }                                                                                       \
    extern "C" double aqp_##name(double a, double b) { return aqp_si::name(a, b); }

#define AQP_FUNCTION1(name, a, expression)                                                  \
    AQP_SCALAR1(name, a, expression)                                                        \
    extern "C" size_t aqp_##name##_n(size_t n, const double* a, double* out) {              \
        return aquaprop::capi::Each<aqp_si::name>(n, a, out);                               \
    }

#define AQP_FUNCTION2(name, a, b, expression)                                                        \
    AQP_SCALAR2(name, a, b, expression)                                                              \
    extern "C" size_t aqp_##name##_n(size_t n, const double* a, const double* b, double* out) {     \
        return aquaprop::capi::Each<aqp_si::name>(n, a, b, out);                                     \
    }
