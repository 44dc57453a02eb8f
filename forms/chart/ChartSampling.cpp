// SPDX-License-Identifier: MIT
#include "forms/chart/ChartSampling.h"

#include <cmath>
#include <limits>

namespace {

// A step's middle may lie this far from the chord (as a fraction of the chart's size), and no step may be longer
// than kMaxChord: about a pixel at a thousand pixels, five times zoomed in.
constexpr double kTolerance = 2e-4;
constexpr double kMaxChord = 0.02;
constexpr int kMaxDepth = 12;
constexpr int kEdgeSteps = 40;

struct Sample {
    double t;
    WorldPoint p;
};

class Sampler {
public:
    Sampler(const LineFunction& f, SamplingScale scale) : f_(f), scale_(scale) {}

    Sample At(double t) const { return {t, f_(t)}; }

    void Segment(const Sample& a, const Sample& b, int depth)
    {
        const bool va = IsPoint(a.p);
        const bool vb = IsPoint(b.p);
        if (!va && !vb) {
            BreakLine();
            return;
        }
        if (va && vb) {
            const Sample m = At(0.5 * (a.t + b.t));
            if (depth < kMaxDepth && (!IsPoint(m.p) || Bent(a.p, m.p, b.p))) {
                Segment(a, m, depth + 1);
                Segment(m, b, depth + 1);
            } else {
                Push(a);
                Push(b);
            }
            return;
        }
        if (va) {
            Push(a);
            Push(Edge(a, b));
            BreakLine();
        } else {
            BreakLine();
            Push(Edge(b, a));
            Push(b);
        }
    }

    std::vector<WorldPoint> Points() && { return std::move(points_); }

private:
    double Normalised(double dx, double dy) const { return std::hypot(dx / scale_.x, dy / scale_.y); }

    bool Bent(const WorldPoint& a, const WorldPoint& m, const WorldPoint& b) const
    {
        return Normalised(m.x - 0.5 * (a.x + b.x), m.y - 0.5 * (a.y + b.y)) > kTolerance ||
               Normalised(b.x - a.x, b.y - a.y) > kMaxChord;
    }

    // The accepted state nearest the refused one, between an accepted and a refused parameter.
    Sample Edge(Sample inside, Sample outside) const
    {
        for (int i = 0; i < kEdgeSteps; ++i) {
            const Sample m = At(0.5 * (inside.t + outside.t));
            (IsPoint(m.p) ? inside : outside) = m;
        }
        return inside;
    }

    void Push(const Sample& s)
    {
        if (!points_.empty() && lastT_ == s.t && IsPoint(points_.back()))
            return;
        points_.push_back(s.p);
        lastT_ = s.t;
    }

    void BreakLine()
    {
        if (!points_.empty() && IsPoint(points_.back()))
            points_.push_back(Break());
    }

    const LineFunction& f_;
    SamplingScale scale_;
    std::vector<WorldPoint> points_;
    double lastT_ = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace

bool IsPoint(const WorldPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

WorldPoint Break() { return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()}; }

std::vector<WorldPoint> SampleLine(const LineFunction& f, double t0, double t1, int n, SamplingScale scale)
{
    Sampler sampler(f, scale);
    Sample a = sampler.At(t0);
    for (int i = 1; i <= n; ++i) {
        const Sample b = sampler.At(i == n ? t1 : t0 + (t1 - t0) * i / n);
        sampler.Segment(a, b, 0);
        a = b;
    }
    std::vector<WorldPoint> points = std::move(sampler).Points();
    if (!points.empty() && !IsPoint(points.back()))
        points.pop_back();
    return points;
}
