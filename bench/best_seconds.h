#pragma once
// The best of a few timed rounds, so that a machine shared with others disturbs both sides
// of a comparison alike.
#include <algorithm>
#include <chrono>
#include <functional>

inline double bestSeconds(const std::function<void()>& work, int rounds = 3) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best =
            std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}
