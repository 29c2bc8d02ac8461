#pragma once
// Google Benchmark's console output, remembering each benchmark's time so that a measured
// figure can be printed as a ratio of its baseline from the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void printRatio(const char* measured, const char* baseline, const char* target) const {
        const auto m = seconds_.find(measured), b = seconds_.find(baseline);
        if (m == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
        std::printf("%s / %s: %.2fx%s\n", measured, baseline, m->second / b->second, target);
    }

  private:
    std::map<std::string, double> seconds_;
};
