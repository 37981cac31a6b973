#pragma once
// The one source of chance in the system. Everything that draws at random
// (practice problems, random operands, the solvers' choice of road) takes a
// RandomSource, so tests can script every draw.
#include <cstdint>
#include <random>

namespace radixmender {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform over low...high, both ends included.
    virtual std::int64_t uniform(std::int64_t low, std::int64_t high) = 0;
    // A fair coin; true is heads.
    virtual bool coin() = 0;
};

// The system's randomness, seeded afresh from std::random_device.
class SystemRandomSource final : public RandomSource {
public:
    SystemRandomSource();
    std::int64_t uniform(std::int64_t low, std::int64_t high) override;
    bool coin() override;

private:
    std::mt19937_64 engine_;
};

// The source used where a caller names none: the system's, unless a test has
// installed its own with `setDefaultRandomSource` (nullptr restores it).
RandomSource& defaultRandomSource();
void setDefaultRandomSource(RandomSource* source);

}  // namespace radixmender
