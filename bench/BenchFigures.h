// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

// A figure of ours and the floor's, measured in pairs under the same load. Reports the medians
// of both and the median of the pairs' ratios, which is the figure to track: absolute times on
// a shared machine move from minute to minute.
class Figures {
  public:
    void add(double ours, double floor) {
        m_ours.push_back(ours);
        m_floor.push_back(floor);
        m_ratios.push_back(floor > 0 ? ours / floor : 0);
    }

    void report(benchmark::State& bench, const std::string& name) const {
        bench.counters[name] = median(m_ours);
        bench.counters[name + "_floor"] = median(m_floor);
        bench.counters[name + "_ratio"] = median(m_ratios);
    }

    static double median(std::vector<double> values) {
        if (values.empty()) {
            return 0;
        }
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }

  private:
    std::vector<double> m_ours;
    std::vector<double> m_floor;
    std::vector<double> m_ratios;
};
