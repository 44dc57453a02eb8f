// SPDX-License-Identifier: MIT
// Both families from several threads at once, each thread in STM_ units of its own, against the same work done by
// one thread alone; and which STM_ units a thread uses before and after it sets its own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <thread>
#include <vector>

#include "CapiFixture.h"

namespace aquaprop {
namespace {

using testing::DefaultUnits;
using testing::SetUnits;

struct Units {
    int32_t T, p, h, s, volume;
};
constexpr Units kUnits[] = {{1, 11, 31, 51, 71}, {2, 12, 32, 52, 72}, {3, 17, 33, 53, 71}, {2, 21, 32, 52, 72}};

constexpr int kStates = 400;

// States spread over the range as the current units give it, through both families: every STM_ result in those
// units, then aqp_ results of the same states in SI units, scalar and array forms.
std::vector<double> Work(const Units& u) {
    SetUnits(u.T, u.p, u.h, u.s, u.volume);
    std::vector<double> out;
    std::vector<double> p;
    std::vector<double> T;
    for (int k = 0; k < kStates; ++k) {
        const double f = (k % 20) / 19.0;
        const double g = (k / 20 + 0.5) / 20.0;
        const double Tk = STM_GetMinTemp() + f * f * (STM_GetMaxTemp() - STM_GetMinTemp());
        const double pk = STM_GetMinPress() + g * g * (STM_GetMaxPress() - STM_GetMinPress());
        const double h = STM_nHtp(Tk, pk);
        const double Ts = STM_sTp(pk);
        for (double value : {h, STM_nStp(Tk, pk), STM_nDtp(Tk, pk), STM_nCPtp(Tk, pk), STM_nTph(pk, h), Ts,
                             STM_sHtx(Ts, 0.3), STM_sXph(pk, STM_sHtx(Ts, 0.3))}) {
            out.push_back(value);
        }
        p.push_back(1e5 * (k / 20 + 1) * (k / 20 + 1));  // 0.1 .. 40 MPa
        T.push_back(280.0 + 4.0 * (k % 20) * (k % 20));   // 280 .. 1724 K
        const double hSI = aqp_h_pT(p.back(), T.back());
        for (double value : {hSI, aqp_T_ph(p.back(), hSI), aqp_cv_pT(p.back(), T.back()), aqp_x_ph(p.back(), hSI)}) {
            out.push_back(value);
        }
    }
    std::vector<double> array(kStates);
    for (auto f : {aqp_h_pT_n, aqp_s_pT_n, aqp_w_pT_n, aqp_lam_pT_n}) {
        f(kStates, p.data(), T.data(), array.data());
        out.insert(out.end(), array.begin(), array.end());
    }
    return out;
}

std::size_t Differences(const std::vector<double>& a, const std::vector<double>& b) {
    std::size_t differ = a.size() == b.size() ? 0 : 1;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        differ += a[k] == b[k] || (std::isnan(a[k]) && std::isnan(b[k])) ? 0 : 1;
    }
    return differ;
}

TEST_F(DefaultUnits, ThreadsInUnitsOfTheirOwnGiveTheSingleThreadedResults) {
    constexpr std::size_t kThreads = std::size(kUnits);
    constexpr int kRounds = 10;
    std::vector<std::vector<double>> expected;
    for (const Units& u : kUnits) expected.push_back(Work(u));

    std::vector<std::size_t> differences(kThreads, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) differences[t] += Differences(Work(kUnits[t]), expected[t]);
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (std::size_t t = 0; t < kThreads; ++t) EXPECT_EQ(differences[t], 0u) << "thread " << t;
}

// A thread follows the process-wide units, the ones set last by any thread, until it sets its own; setting them
// leaves the other threads' own units alone.
TEST_F(DefaultUnits, ThreadFollowsTheProcessUnitsUntilItSetsItsOwn) {
    SetUnits(1, 11);  // K and Pa, here and process-wide
    double followed = 0.0;
    double own = 0.0;
    std::thread([&] {
        followed = STM_sTp(101325.0);
        ASSERT_NE(STM_SetTempUnit(2), 0);
        own = STM_sTp(101325.0);
    }).join();
    EXPECT_NEAR(followed, 373.1243, 1e-4);
    EXPECT_NEAR(own, 99.9743, 1e-4);
    EXPECT_NEAR(STM_sTp(101325.0), 373.1243, 1e-4) << "this thread keeps its own kelvin";

    double later = 0.0;
    std::thread([&] { later = STM_sTp(101325.0); }).join();
    EXPECT_NEAR(later, 99.9743, 1e-4) << "a new thread follows degC, set last, and Pa";
}

}  // namespace
}  // namespace aquaprop
