#pragma once
// A source of chance for tests that hands out scripted draws, written as one
// text of integers and H or T for a coin ("6 H 2 3"), checks each against the
// range asked for and writes down every draw asked ("u1,9 c "). Past its
// script it throws, unless it was given a seed: then it goes on with a fixed
// pseudo-random sequence.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>

#include "records/random.hpp"

namespace radixmender::testing {

class ScriptedSource final : public RandomSource {
public:
    explicit ScriptedSource(const std::string& script = "", std::optional<std::uint64_t> seed = std::nullopt)
        : state_(seed) {
        std::istringstream in(script);
        for (std::string word; in >> word;)
            script_.push_back(word == "H" || word == "T" ? Draw{word == "H"} : Draw{std::stoll(word)});
    }
    std::int64_t uniform(std::int64_t low, std::int64_t high) override {
        calls += "u" + std::to_string(low) + "," + std::to_string(high) + " ";
        if (script_.empty() && state_)
            return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
        const std::int64_t value = std::get<std::int64_t>(take());
        EXPECT_TRUE(low <= value && value <= high) << value << " scripted for " << calls;
        return value;
    }
    bool coin() override {
        calls += "c ";
        return script_.empty() && state_ ? (next() >> 7) % 2 == 1 : std::get<bool>(take());
    }
    [[nodiscard]] bool exhausted() const { return script_.empty(); }
    std::string calls;

private:
    using Draw = std::variant<std::int64_t, bool>;
    Draw take() {
        if (script_.empty()) throw std::logic_error("the script ran out");
        const Draw d = script_.front();
        script_.pop_front();
        return d;
    }
    std::uint64_t next() {
        return *state_ = *state_ * 6364136223846793005ULL + 1442695040888963407ULL, *state_ >> 33;
    }
    std::deque<Draw> script_;
    std::optional<std::uint64_t> state_;
};

}  // namespace radixmender::testing
