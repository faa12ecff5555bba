#pragma once
// A figure measured against its floor. Each iteration times the floor and
// the operation one right after the other, their order alternating, so both
// meet the same state of the machine; a slow moment weighs on both alike.
// The benchmark's time is the operation's alone (register it with
// ->UseManualTime()); what an iteration must undo afterwards is not timed.
// Counters: floor_ms and work_ms, the medians of each; x_floor, the ratio of
// the two medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace bench {

using bench_clock = std::chrono::steady_clock;

template <typename Action>
double seconds_of(Action& action)
{
    const auto t0 = bench_clock::now();
    action();
    return std::chrono::duration<double>(bench_clock::now() - t0).count();
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    return values[middle];
}

struct nothing_to_undo {
    void operator()() const {}
};

template <typename Floor, typename Work, typename Undo = nothing_to_undo>
void against_floor(benchmark::State& state, Floor floor, Work work, Undo undo = {})
{
    std::vector<double> floors;
    std::vector<double> works;
    bool floor_first = true;
    for (auto _ : state) {
        double floor_time = 0;
        double work_time = 0;
        if (floor_first) {
            floor_time = seconds_of(floor);
            work_time = seconds_of(work);
        } else {
            work_time = seconds_of(work);
            floor_time = seconds_of(floor);
        }
        floor_first = !floor_first;
        undo();
        floors.push_back(floor_time);
        works.push_back(work_time);
        state.SetIterationTime(work_time);
    }
    const double floor_median = median(floors);
    const double work_median = median(works);
    state.counters["floor_ms"] = floor_median * 1e3;
    state.counters["work_ms"] = work_median * 1e3;
    state.counters["x_floor"] = floor_median > 0 ? work_median / floor_median : 0;
}

// The least any drawing of a whole picture costs: writing each pixel of an
// image of that size once, as fast as memory is written (memset).
class frame_write {
public:
    frame_write(int width, int height) : pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}
    void operator()()
    {
        std::memset(pixels_.data(), ++value_, pixels_.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(pixels_.data());
        benchmark::ClobberMemory();
    }

private:
    std::vector<std::uint32_t> pixels_;
    unsigned char value_ = 0;
};

} // namespace bench
