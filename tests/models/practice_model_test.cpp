// The practice model: its problem generator against a scripted source (the
// order and the ranges of the draws, the display text and the entries), its
// dispatch to the form models, and a long run with the system's randomness.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <set>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "models/radixmender_practice_model.hpp"
#include "models/shapes.hpp"
#include "records/text.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using std::int64_t;

const int kProblemCount = testing::kSanitized ? 1500 : 10000;

// Hands out scripted values and writes down every draw it is asked for.
class ScriptedSource final : public RandomSource {
public:
    using Draw = std::variant<int64_t, bool>;
    explicit ScriptedSource(std::vector<Draw> script) : script_(script.begin(), script.end()) {}

    int64_t uniform(int64_t low, int64_t high) override {
        calls.push_back("uniform(" + std::to_string(low) + "," + std::to_string(high) + ")");
        const int64_t value = std::get<int64_t>(next());
        EXPECT_TRUE(low <= value && value <= high) << value << " scripted for " << calls.back();
        return value;
    }
    bool coin() override {
        calls.push_back("coin");
        return std::get<bool>(next());
    }
    [[nodiscard]] bool exhausted() const { return script_.empty(); }

    std::vector<std::string> calls;

private:
    Draw next() {
        if (script_.empty()) throw std::logic_error("the script ran out");
        Draw d = script_.front();
        script_.pop_front();
        return d;
    }
    std::deque<Draw> script_;
};

const std::vector<std::string> kDrawsA = {"uniform(1,9)", "coin", "uniform(1,9)", "uniform(2,50)"};
const std::vector<std::string> kDrawsB = {"coin",         "uniform(1,9)", "coin",         "uniform(1,9)",
                                          "uniform(1,9)", "coin",         "uniform(2,50)"};
const std::vector<std::string> kDrawsC = {"uniform(1,9)", "coin",          "uniform(2,50)", "uniform(1,9)",
                                          "coin",         "uniform(2,50)", "uniform(1,9)",  "uniform(-2,2)"};

// The script is written as a text: integers, and H or T for a coin.
std::vector<ScriptedSource::Draw> script(const std::string& text) {
    std::vector<ScriptedSource::Draw> draws;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        if (word == "H" || word == "T") {
            draws.emplace_back(word == "H");
        } else {
            draws.emplace_back(int64_t{std::stoll(word)});
        }
    }
    return draws;
}

TEST(PracticeProblem, EachLevelDrawsInOrderAndWritesItsProblem) {
    const struct {
        int64_t level;
        const char* script;
        const std::vector<std::string>& draws;
        const char* line;
        const char* row;
    } cases[] = {
        {0, "4 T 1 18", kDrawsA, "-4/(√18)", "a/(b√c) | -4 | 1 | 18"},
        {0, "9 H 7 2", kDrawsA, "9/(7√2)", "a/(b√c) | 9 | 7 | 2"},
        // Form B: the template coin first, then a, p, q, r.
        {1, "T 7 H 3 1 T 5", kDrawsB, "7/(3√5 − 1)", "a/(b√c + d) | 7 | 3 | 5 | -1"},
        {1, "T 2 T 1 6 H 50", kDrawsB, "-2/(√50 + 6)", "a/(b√c + d) | -2 | 1 | 50 | 6"},
        {1, "H 7 H 3 1 T 5", kDrawsB, "7/(3 − √5)", "a/(b + c√d) | 7 | 3 | -1 | 5"},
        // Form C: a, c, d, e, |b|, k; b is negative only for k = 0 with d negative.
        {2, "2 H 3 1 T 7 1 0", kDrawsC, "2/(-√3 − √7)", "a/(b√c + d√e) | 2 | -1 | 3 | -1 | 7"},
        {2, "2 H 3 4 T 7 5 -2", kDrawsC, "2/(5√3 − 4√7)", "a/(b√c + d√e) | 2 | 5 | 3 | -4 | 7"},
        {3, "8 T 20 1 H 20 6 0", kDrawsC, "-8/(6√20 + √20)", "a/(b√c + d√e) | -8 | 6 | 20 | 1 | 20"},
        {-1, "5 H 9 9 H 2 1 2", kDrawsC, "5/(√9 + 9√2)", "a/(b√c + d√e) | 5 | 1 | 9 | 9 | 2"},
    };
    for (const auto& c : cases) {
        ScriptedSource source(script(c.script));
        const PracticeProblem problem = Radixmender_Practice_Model::makeProblem(c.level, source);
        EXPECT_EQ(source.calls, c.draws) << c.line;
        EXPECT_TRUE(source.exhausted()) << c.line;
        EXPECT_EQ(problem.displayLines, std::vector<std::string>{c.line});
        EXPECT_EQ(problem.entries, EntryGroups{{testing::splitLines(c.row)}});
    }
}

Radixmender_Practice_Model practice(std::vector<std::string> integers, std::vector<std::string> form,
                                    std::vector<std::string> order = {shapes::kOrderBefore}) {
    Radixmender_Practice_Model m;
    m.inputs = {{std::move(integers)}};
    m.options = {std::move(form), std::move(order)};
    return m;
}

TEST(PracticeSteps, HandsEachFormToItsModelInApplication) {
    const std::string after = shapes::kOrderAfter;
    EXPECT_EQ(practice({"4", "6", "12"}, {"a/(b√c)"}, {after}).steps(),
              (Radixmender_A_Model{4, 6, 12, after}.steps()));
    EXPECT_EQ(practice({"1", "2", "-3", "5"}, {"a/(b + c√d)"}).steps(),
              (Radixmender_B_Model{1, 2, -3, 5, kTemplateWholeFirst, shapes::kOrderBefore}.steps()));
    EXPECT_EQ(practice({"1", "2", "3", "-5"}, {"a/(b√c + d)"}, {after}).steps(),
              (Radixmender_B_Model{1, 2, 3, -5, kTemplateRadicalFirst, after}.steps()));
    EXPECT_EQ(practice({"+7", "-1", "12", "2", "3"}, {"a/(b√c + d√e)"}, {after}).steps(),
              (Radixmender_C_Model{7, -1, 12, 2, 3, after}.steps()));
    // Entries beyond the form's count and the multi-line choices are not read.
    Radixmender_Practice_Model extra = practice({"4", "6", "12", "x"}, {"a/(b√c)"});
    extra.multiLine = {{"anything"}, {}};
    EXPECT_EQ(extra.steps(), (Radixmender_A_Model{4, 6, 12, shapes::kOrderBefore}.steps()));
}

TEST(PracticeSteps, UnreadableProblemsGiveNoSteps) {
    const ModelOutput none{{}, {}, {shapes::kNoParameters}};
    Radixmender_Practice_Model empty;
    EXPECT_EQ(empty.steps(), none);
    const Radixmender_Practice_Model cases[] = {
        practice({"1", "2", "3"}, {}),                              // no form
        practice({"1", "2", "3"}, {"a/(b√c) "}),                    // a trailing blank
        practice({"1", "2", "3", "4"}, {"a/(b+c√d)"}),              // blanks missing around "+"
        practice({"1", "2", "3"}, {"a/(b√c)"}, {}),                 // no order
        practice({"1", "2"}, {"a/(b√c)"}),                          // an entry missing
        practice({"1", "two", "3"}, {"a/(b√c)"}),                   // not a number
        practice({"1", "", "3", "4"}, {"a/(b√c + d)"}),             // an empty entry
        practice({"1", "2", "99999999999999999999"}, {"a/(b√c)"}),  // beyond 64 bits
    };
    for (const auto& m : cases) EXPECT_EQ(m.steps(), none);
    Radixmender_Practice_Model noRows;
    noRows.options = {{"a/(b√c)"}, {shapes::kOrderBefore}};
    EXPECT_EQ(noRows.steps(), none);
    noRows.inputs = {{}};
    EXPECT_EQ(noRows.steps(), none);
}

// The display text read back independently: the numerator, then the terms of
// the denominator as (coefficient, radicand), radicand 1 for a whole term.
struct ReadBack {
    int64_t numerator = 0;
    std::vector<std::pair<int64_t, int64_t>> terms;
};

ReadBack readDisplay(const std::string& line) {
    const std::string minus = " \u2212 ", plus = " + ", root = "\u221A";
    ReadBack r;
    const auto open = line.find("/(");
    r.numerator = parseInteger(line.substr(0, open)).value();
    std::string rest = line.substr(open + 2, line.size() - open - 3);
    EXPECT_EQ(line.back(), ')');
    int64_t sign = 1;
    while (true) {
        const auto nextPlus = rest.find(plus), nextMinus = rest.find(minus);
        const auto cut = std::min(nextPlus, nextMinus);
        std::string t = rest.substr(0, cut);
        const auto at = t.find(root);
        int64_t coefficient = 1, radicand = 1;
        if (at == std::string::npos) {
            coefficient = parseInteger(t).value();
        } else {
            const std::string k = t.substr(0, at);
            coefficient = k.empty() ? 1 : k == "-" ? -1 : parseInteger(k).value();
            radicand = parseInteger(t.substr(at + root.size())).value();
        }
        r.terms.emplace_back(sign * coefficient, radicand);
        if (cut == std::string::npos) break;
        sign = cut == nextMinus ? -1 : 1;
        rest = rest.substr(cut + (cut == nextMinus ? minus.size() : plus.size()));
    }
    return r;
}

TEST(PracticeProblem, SystemRandomProblemsReadBackAndSolve) {
    std::set<std::string> forms;
    int negativeFirst = 0;
    for (int i = 0; i < kProblemCount && !::testing::Test::HasFailure(); ++i) {
        const int64_t level = i % 4 == 3 ? 2 : i % 3;
        const PracticeProblem problem = Radixmender_Practice_Model::makeProblem(level);
        ASSERT_EQ(problem.displayLines.size(), 1u);
        ASSERT_EQ(problem.entries.size(), 1u);
        ASSERT_EQ(problem.entries[0].size(), 1u);
        const std::vector<std::string>& row = problem.entries[0][0];
        const std::string& form = row.at(0);
        forms.insert(form);
        std::vector<int64_t> v;
        for (std::size_t k = 1; k < row.size(); ++k) v.push_back(parseInteger(row[k]).value());
        v.resize(5);  // the checks below read only the form's own integers

        // The entries against the text, and the value the solution must keep.
        const ReadBack shown = readDisplay(problem.displayLines[0]);
        std::vector<std::pair<int64_t, int64_t>> terms;
        if (level == 0) {
            ASSERT_EQ(form, "a/(b√c)");
            terms = {{v.at(1), v.at(2)}};
        } else if (level == 1 && form == kTemplateWholeFirst) {
            terms = {{v.at(1), 1}, {v.at(2), v.at(3)}};
        } else if (level == 1) {
            ASSERT_EQ(form, kTemplateRadicalFirst);
            terms = {{v.at(1), v.at(2)}, {v.at(3), 1}};
        } else {
            ASSERT_EQ(form, "a/(b√c + d√e)");
            terms = {{v.at(1), v.at(2)}, {v.at(3), v.at(4)}};
            EXPECT_TRUE(v[1] > 0 || v[3] < 0) << problem.displayLines[0];
            negativeFirst += v[1] < 0;
        }
        const std::size_t integers = form == "a/(b√c)" ? 3 : form == "a/(b√c + d√e)" ? 5 : 4;
        ASSERT_EQ(row.size(), integers + 1);
        EXPECT_EQ(shown.numerator, v[0]) << problem.displayLines[0];
        EXPECT_EQ(shown.terms, terms) << problem.displayLines[0];
        if (level < 2) {
            EXPECT_GT(v[1], 0) << problem.displayLines[0];
        }

        Radixmender_Practice_Model m;
        m.inputs = {{std::vector<std::string>(row.begin() + 1, row.end())}};
        m.options = {{form}, {i % 2 ? shapes::kOrderBefore : shapes::kOrderAfter}};
        const ModelOutput out = m.steps();
        EXPECT_TRUE(testing::HasModelStructure(out, shapes::kApplication, {{shapes::kAdvisory}}))
            << problem.displayLines[0];
        const auto value = testing::problemValue(v[0], terms);
        if (!value) {
            EXPECT_TRUE(testing::IsErrorOutput(out)) << problem.displayLines[0];
            continue;
        }
        EXPECT_TRUE(testing::EveryLineHasValue(out, *value)) << problem.displayLines[0];
        EXPECT_TRUE(testing::HasCanonicalAnswer(out, *value)) << problem.displayLines[0];
    }
    EXPECT_EQ(forms.size(), 4u);
    EXPECT_GT(negativeFirst, 0);
}

}  // namespace
}  // namespace radixmender
