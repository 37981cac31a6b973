#include "models/radixmender_practice_model.hpp"

#include <optional>
#include <string>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/shapes.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender {

using std::int64_t;

namespace {

// The first `count` entry texts as integers, or none when one is missing or
// is not a decimal integer.
std::optional<std::vector<int64_t>> readIntegers(const EntryGroups& inputs, std::size_t count) {
    if (inputs.empty() || inputs[0].empty() || inputs[0][0].size() < count) return std::nullopt;
    std::vector<int64_t> values;
    for (std::size_t i = 0; i < count; ++i) {
        const auto value = parseInteger(inputs[0][0][i]);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

std::optional<std::string> firstText(const OptionRows& options, std::size_t row) {
    if (options.size() <= row || options[row].empty()) return std::nullopt;
    return options[row][0];
}

std::size_t integerCount(const std::string& form) {
    if (form == kFormA) return 3;
    if (form == kTemplateRadicalFirst || form == kTemplateWholeFirst) return 4;
    if (form == kFormC) return 5;
    return 0;
}

ModelOutput solve(const std::string& form, const std::vector<int64_t>& v, const std::string& order) {
    if (form == kFormA) return Radixmender_A_Model{v[0], v[1], v[2], order}.steps(shapes::kApplication);
    if (form == kFormC)
        return Radixmender_C_Model{v[0], v[1], v[2], v[3], v[4], order}.steps(shapes::kApplication);
    return Radixmender_B_Model{v[0], v[1], v[2], v[3], form, order}.steps(shapes::kApplication);
}

// ±(1…9): a magnitude, then a coin; heads keeps it positive.
int64_t signedDigit(RandomSource& source) {
    const int64_t magnitude = source.uniform(1, 9);
    return source.coin() ? magnitude : -magnitude;
}

std::string leadingCoefficient(int64_t k) {
    if (k == 1) return "";
    if (k == -1) return text::kHyphenMinus;
    return std::to_string(k);
}

std::string joint(int64_t second) { return second < 0 ? std::string(" ") + text::kMinusSign + " " : " + "; }

std::string trailingCoefficient(int64_t k) {
    const int64_t magnitude = checkedAbs(k);
    return magnitude == 1 ? "" : std::to_string(magnitude);
}

PracticeProblem problemOf(const std::string& form, const std::string& line,
                          const std::vector<int64_t>& values) {
    std::vector<std::string> row{form};
    for (const int64_t v : values) row.push_back(std::to_string(v));
    return {{line}, {{row}}};
}

}  // namespace

ModelOutput Radixmender_Practice_Model::steps() const {
    const auto form = firstText(options, 0);
    if (!form) return shapes::emptyOutput();
    const std::size_t count = integerCount(*form);
    if (count == 0) return shapes::emptyOutput();
    const auto values = readIntegers(inputs, count);
    const auto order = firstText(options, 1);
    if (!values || !order) return shapes::emptyOutput();
    ModelOutput solved = solve(*form, *values, *order);
    solved.detailParameters = {shapes::kNoParameters};
    return solved;
}

PracticeProblem Radixmender_Practice_Model::makeProblem(int64_t level) {
    return makeProblem(level, defaultRandomSource());
}

PracticeProblem Radixmender_Practice_Model::makeProblem(int64_t level, RandomSource& source) {
    const std::string root = text::kRadical;
    if (level == 0) {
        const int64_t a = signedDigit(source);
        const int64_t b = source.uniform(1, 9);
        const int64_t c = source.uniform(2, 50);
        const std::string line =
            std::to_string(a) + "/(" + leadingCoefficient(b) + root + std::to_string(c) + ")";
        return problemOf(kFormA, line, {a, b, c});
    }
    if (level == 1) {
        const bool wholeFirst = source.coin();
        const int64_t a = signedDigit(source);
        const int64_t p = source.uniform(1, 9);
        const int64_t q = signedDigit(source);
        const int64_t r = source.uniform(2, 50);
        if (wholeFirst) {
            const std::string line = std::to_string(a) + "/(" + std::to_string(p) + joint(q) +
                                     trailingCoefficient(q) + root + std::to_string(r) + ")";
            return problemOf(kTemplateWholeFirst, line, {a, p, q, r});
        }
        const std::string line = std::to_string(a) + "/(" + leadingCoefficient(p) + root + std::to_string(r) +
                                 joint(q) + std::to_string(checkedAbs(q)) + ")";
        return problemOf(kTemplateRadicalFirst, line, {a, p, r, q});
    }
    const int64_t a = signedDigit(source);
    const int64_t c = source.uniform(2, 50);
    const int64_t d = signedDigit(source);
    const int64_t e = source.uniform(2, 50);
    const int64_t magnitude = source.uniform(1, 9);
    const int64_t k = source.uniform(-2, 2);
    // A negative first coefficient only ever comes with a negative second one.
    const int64_t b = (k != 0 || d > 0) ? magnitude : -magnitude;
    const std::string line = std::to_string(a) + "/(" + leadingCoefficient(b) + root + std::to_string(c) +
                             joint(d) + trailingCoefficient(d) + root + std::to_string(e) + ")";
    return problemOf(kFormC, line, {a, b, c, d, e});
}

}  // namespace radixmender
