#include "records/random.hpp"

#include <stdexcept>

namespace radixmender {

SystemRandomSource::SystemRandomSource() : engine_(std::random_device{}()) {}

std::int64_t SystemRandomSource::uniform(std::int64_t low, std::int64_t high) {
    if (low > high) throw std::invalid_argument("Range requires lowerBound <= upperBound");
    return std::uniform_int_distribution<std::int64_t>(low, high)(engine_);
}

bool SystemRandomSource::coin() { return std::uniform_int_distribution<int>(0, 1)(engine_) == 1; }

namespace {
RandomSource* installedSource = nullptr;
}  // namespace

RandomSource& defaultRandomSource() {
    static SystemRandomSource system;
    return installedSource != nullptr ? *installedSource : system;
}

void setDefaultRandomSource(RandomSource* source) { installedSource = source; }

}  // namespace radixmender
