#pragma once
// Shrinking to fit without measuring at every step: the sizes a shrinking
// loop steps through, and the first of them at which something fits, found
// from a few measurements. Pure arithmetic over a measuring callback, shared
// by the engine's text and line fitting and the pictures' captions.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace radixmender {

// `base`, then each `factor` (below 1) of the one before while that is at
// least `floor`: the sizes a loop that shrinks until it fits or would go
// below the floor steps through, products taken one at a time as it takes
// them. At most `limit` sizes follow the base.
inline std::vector<double> shrinkingSizes(double base, double factor, double floor, std::size_t limit) {
    std::vector<double> sizes{base};
    while (sizes.size() <= limit && sizes.back() * factor >= floor) sizes.push_back(sizes.back() * factor);
    return sizes;
}

// What one measurement at a size tells: whether it fits, and otherwise how
// many times too large it is (+inf, or anything not a number, when that
// cannot be told).
struct Fit {
    bool fits = false;
    double over = 0;
};

// The index of the first of `count` sizes, each `factor` of the one before,
// at which `attempt(i)` fits, or the last index when none does: what trying
// them in order finds, as long as whatever fits at a size fits at every
// smaller one. As what is measured grows in proportion to the size, the
// number of steps to a fit is predicted from one measurement and confirmed by
// the size before; a wrong prediction, or a measurement that predicts
// nothing, falls back to halving the range still open. So does a predicted
// size that is still too large and has not shed at least half the excess
// foreseen: the measurements do not follow the size there.
template <class Attempt>
std::size_t firstFitting(std::size_t count, double factor, Attempt attempt) {
    const std::size_t last = count - 1;
    Fit at = attempt(0);
    if (at.fits || count == 1) return 0;
    std::size_t tooLarge = 0, fitting = count;  // `count`: no fitting index known yet
    bool predicting = true, confirming = false;
    while (tooLarge + 1 < fitting && tooLarge < last) {
        std::size_t next;
        bool predicted = false;
        if (confirming) {
            next = fitting - 1;
        } else if (predicting && at.over >= 1 && std::isfinite(at.over)) {
            predicted = true;
            const double steps = std::ceil(std::log(at.over) / -std::log(factor));
            const std::size_t ceiling = std::min(fitting - 1, last);
            next = steps < static_cast<double>(ceiling - tooLarge)
                       ? tooLarge + static_cast<std::size_t>(std::max(1.0, steps))
                       : ceiling;
        } else if (fitting == count) {
            next = last;
        } else {
            next = tooLarge + (fitting - tooLarge) / 2;
        }
        const Fit result = attempt(next);
        if (result.fits) {
            // A predicted fit is confirmed by the size before; if that fits too, halve.
            predicting = predicting && !confirming;
            confirming = predicting;
            fitting = next;
        } else {
            if (predicted && !(result.over < std::sqrt(at.over))) predicting = false;
            confirming = false;
            tooLarge = next;
            at = result;
        }
    }
    return fitting < count ? fitting : last;
}

}  // namespace radixmender
