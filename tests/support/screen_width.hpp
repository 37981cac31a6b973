#pragma once
// Sets the main screen's width for one scope and removes the provider after,
// even when an expectation fails on the way.
#include <utility>

#include "records/vocabulary.hpp"

namespace radixmender::testing {

class ScreenWidth {
public:
    explicit ScreenWidth(ScreenWidthProvider provider) { setMainScreenWidthProvider(std::move(provider)); }
    explicit ScreenWidth(double width) : ScreenWidth([width] { return width; }) {}
    ~ScreenWidth() { setMainScreenWidthProvider(nullptr); }
    ScreenWidth(const ScreenWidth&) = delete;
    ScreenWidth& operator=(const ScreenWidth&) = delete;
};

}  // namespace radixmender::testing
