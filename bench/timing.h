#pragma once
// Side-by-side timing for the benchmark programs. Two pieces of work are measured in
// alternating rounds within one run, so that whatever else the machine is doing weighs on both
// alike; what is reported is the time per call of each and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

// Seconds since an arbitrary start, from the performance counter.
inline double Now()
{
    static const double period = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return 1.0 / static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * period;
}

template <class F>
double SecondsPerCall(F& f, int calls)
{
    const double start = Now();
    for (int i = 0; i < calls; ++i) f();
    return (Now() - start) / calls;
}

struct Comparison {
    double a = 0;  // median seconds per call
    double b = 0;
    double Ratio() const { return b > 0 ? a / b : 0; }
};

// Calls per round so that one round of f takes about roundSeconds.
template <class F>
int CallsPerRound(F& f, double roundSeconds)
{
    f();  // warm up
    const double once = std::max(SecondsPerCall(f, 3), 1e-9);
    return std::clamp(static_cast<int>(roundSeconds / once), 1, 1000000);
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Measures a and b in `rounds` alternating rounds of about 20 ms each.
template <class A, class B>
Comparison Compare(A&& a, B&& b, int rounds = 21)
{
    const int callsA = CallsPerRound(a, 0.02), callsB = CallsPerRound(b, 0.02);
    std::vector<double> ta, tb;
    for (int r = 0; r < rounds; ++r) {
        ta.push_back(SecondsPerCall(a, callsA));
        tb.push_back(SecondsPerCall(b, callsB));
    }
    return {Median(ta), Median(tb)};
}

// One line: what was compared, both times per call and the first's time over the second's.
inline void Report(const char* what, const char* nameA, const char* nameB, const Comparison& c)
{
    const double r = c.Ratio();
    std::printf("%-40s %-26s %9.2f us   %-16s %9.2f us   ratio %8.3g", what, nameA, c.a * 1e6,
                nameB, c.b * 1e6, r);
    if (r > 0 && r < 0.1) std::printf(" (1/%.0f)", 1 / r);
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace bench
