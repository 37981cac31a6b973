// The practice model: the order and ranges of its draws and the problem it
// writes, against a scripted source, and problems it cannot read. Its
// solutions are checked with every form's in the solutions sweep.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "models/radixmender_b_model.hpp"
#include "models/radixmender_practice_model.hpp"
#include "models/shapes.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/scripted_source.hpp"

namespace radixmender {
namespace {

using std::int64_t;

TEST(PracticeProblem, EachLevelDrawsInOrderAndWritesItsProblem) {
    const char* drawsA = "u1,9 c u1,9 u2,50 ";
    const char* drawsB = "c u1,9 c u1,9 u1,9 c u2,50 ";
    const char* drawsC = "u1,9 c u2,50 u1,9 c u2,50 u1,9 u-2,2 ";
    const struct {
        int64_t level;
        const char *script, *draws, *line, *row;
    } cases[] = {
        {0, "4 T 1 18", drawsA, "-4/(√18)", "a/(b√c) | -4 | 1 | 18"},
        // Form B: the template coin first, then a, p, q, r.
        {1, "T 7 H 3 1 T 5", drawsB, "7/(3√5 − 1)", "a/(b√c + d) | 7 | 3 | 5 | -1"},
        {1, "H 7 H 3 1 T 5", drawsB, "7/(3 − √5)", "a/(b + c√d) | 7 | 3 | -1 | 5"},
        // Form C: a, c, d, e, |b|, k; b is negative only for k = 0 with d negative.
        {2, "2 H 3 1 T 7 1 0", drawsC, "2/(-√3 − √7)", "a/(b√c + d√e) | 2 | -1 | 3 | -1 | 7"},
        {3, "8 T 20 1 H 20 6 0", drawsC, "-8/(6√20 + √20)", "a/(b√c + d√e) | -8 | 6 | 20 | 1 | 20"},
        {-1, "5 H 9 9 H 2 1 2", drawsC, "5/(√9 + 9√2)", "a/(b√c + d√e) | 5 | 1 | 9 | 9 | 2"},
    };
    for (const auto& c : cases) {
        testing::ScriptedSource source(c.script);
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

TEST(PracticeSteps, UnreadableProblemsGiveNoSteps) {
    const ModelOutput none{{}, {}, {shapes::kNoParameters}};
    Radixmender_Practice_Model noRows;
    noRows.options = {{kFormA}, {shapes::kOrderBefore}};
    Radixmender_Practice_Model noRow = noRows;
    noRow.inputs = {{}};
    const Radixmender_Practice_Model cases[] = {
        Radixmender_Practice_Model{},
        noRows,
        noRow,
        practice({"1", "2", "3"}, {}),                           // no form
        practice({"1", "2", "3"}, {"a/(b√c) "}),                 // a trailing blank
        practice({"1", "2", "3", "4"}, {"a/(b+c√d)"}),           // blanks missing around "+"
        practice({"1", "2", "3"}, {kFormA}, {}),                 // no order
        practice({"1", "2"}, {kFormA}),                          // an entry missing
        practice({"1", "two", "3"}, {kFormA}),                   // not a number
        practice({"1", "", "3", "4"}, {kTemplateRadicalFirst}),  // an empty entry
        practice({"1", "2", "99999999999999999999"}, {kFormA}),  // beyond 64 bits
    };
    for (const auto& m : cases) EXPECT_EQ(m.steps(), none);
}

}  // namespace
}  // namespace radixmender
