#pragma once
// The info strip at the top of a pad: one white line of centred instruction
// text per string, all equally high, shrunk to fit the width, never wrapped.
// Built once; it takes no touches of its own.
#include <string>
#include <vector>

#include "platform/view.hpp"

namespace radixmender {

class UniversalInfoView : public platform::View {
public:
    UniversalInfoView(const std::vector<std::string>& info, platform::Rect frame);
};

}  // namespace radixmender
