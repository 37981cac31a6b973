// Form B step builders of both templates, and the summaries: the drawn
// lines of the cases where signs, unit coefficients, common factors and
// square factors are easy to get wrong, and the red of what each step changes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "models/radixmender_b_model.hpp"
#include "records/literals.hpp"
#include "tests/models/b_test_util.hpp"
#include "tests/support/model_check.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using namespace form_b_test;
using B = Radixmender_B_Model;
using Lines = std::vector<std::string>;
Lines L(const std::string& lines) { return testing::splitLines(lines); }

// The lines of a step, with or without colour marks; {"nothing"} for none.
Lines drawn(const std::optional<StepResult>& step, bool marks = false) {
    if (!step) return {"nothing"};
    return render(step->lines, marks);
}

std::string commentOf(const std::optional<StepResult>& step) { return step ? step->comments.at(0) : ""; }

TEST(FormBCommonFactorStep, TakesOutTheFactorWithTheSignOfB) {
    // a/(b√c + d)
    EXPECT_EQ(drawn(B::simplifyStepRadicalFirst(6, 4, 3, 8, false)),
              L("= {6 / 4√3 + 8} | = {6 / 4(√3 + 2)} | = {3 / 2(√3 + 2)}"));
    // A negative b is factored out even with gcd 1, and moves into the numerator.
    EXPECT_EQ(drawn(B::simplifyStepRadicalFirst(3, -2, 3, 5, false)),
              L("= {3 / -2√3 + 5} | = {3 / (-1)(2√3 − 5)} | = {-3 / 2√3 − 5}"));
    EXPECT_EQ(drawn(B::simplifyStepRadicalFirst(2, -1, 3, 4, false)),
              L("= {2 / -√3 + 4} | = {2 / (-1)(√3 − 4)} | = {-2 / √3 − 4}"));
    // a/(b + c√d): nothing cancels, so two lines.
    EXPECT_EQ(drawn(B::simplifyStepWholeFirst(5, 6, -9, 2, false)),
              L("= {5 / 6 − 9√2} | = {5 / 3(2 − 3√2)}"));
    // All of g cancels: the bracket stands alone.
    EXPECT_EQ(drawn(B::simplifyStepWholeFirst(4, 2, 6, 5, false)),
              L("= {4 / 2 + 6√5} | = {4 / 2(1 + 3√5)} | = {2 / 1 + 3√5}"));
    EXPECT_EQ(drawn(B::simplifyStepWholeFirst(4, -2, -1, 5, false)),
              L("= {4 / -2 − √5} | = {4 / (-1)(2 + √5)} | = {-4 / 2 + √5}"));
    // Coprime coefficients and a positive b: nothing to show.
    EXPECT_EQ(drawn(B::simplifyStepWholeFirst(3, 1, 2, 5, false)), (Lines{"nothing"}));

    const auto step = B::simplifyStepWholeFirst(5, 6, -9, 2, true);
    EXPECT_EQ(commentOf(step), "simplify");
    EXPECT_EQ(drawn(step, true), L("... | = {5 / 6 − 9√2} | = {5 / 3(2 − 3√2)}"));
    EXPECT_EQ(drawn(B::simplifyStepWholeFirst(5, 6, -9, 2, false), true)[0], "=~ {5 / 6 − 9√2}");
}

TEST(FormBConjugateStep, MultipliesByTheConjugateOfTheReducedBracket) {
    const Lines plusFirst{"", " difference of squares ", " (p + q)(p \u2212 q) = p\u00B2 \u2212 q\u00B2 "};
    const Lines minusFirst{"", " difference of squares ", " (p \u2212 q)(p + q) = p\u00B2 \u2212 q\u00B2 "};
    auto with = [](Lines head, const Lines& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };

    const StepResult six = B::multiplyByConjugateStepRadicalFirst(6, 4, 3, 8, "before", false);
    EXPECT_EQ(six.comments, (Comment{"radixmender"}));
    EXPECT_EQ(render(six.lines, true),
              with({"=~ {3 / 2(√3 + 2)}", "= {3 / 2(*√*3* +* 2*)}∙*{(√3 − 2) / (*√*3* −* 2*)}",
                    "= {3(√3 − 2) / 2(*(*√*3*)^2* −* 2*^2*)}"},
                   {"", " difference of squares *", " (p + q)(p \u2212 q) = p\u00B2 \u2212 q\u00B2 *"}));

    // "before" works on 2√3, "after" on √12; a negative second term puts (p − q) first.
    EXPECT_EQ(
        render(B::multiplyByConjugateStepRadicalFirst(1, 1, 12, -1, "before", false).lines),
        with({"= {1 / 2√3 − 1}", "= {1 / (2√3 − 1)}∙{(2√3 + 1) / (2√3 + 1)}", "= {2√3 + 1 / (2√3)^2 − 1^2}"},
             minusFirst));
    EXPECT_EQ(render(B::multiplyByConjugateStepRadicalFirst(1, 1, 12, -1, "after", true).lines),
              with({"...", "= {1 / √12 − 1}", "= {1 / (√12 − 1)}∙{(√12 + 1) / (√12 + 1)}",
                    "= {√12 + 1 / (√12)^2 − 1^2}"},
                   minusFirst));

    // a/(b + c√d): the square factor makes a common factor in "before" only.
    EXPECT_EQ(render(B::multiplyByConjugateStepWholeFirst(3, 2, 2, 8, "before", false).lines),
              with({"= {3 / 2(1 + 2√2)}", "= {3 / 2(1 + 2√2)}∙{(1 − 2√2) / (1 − 2√2)}",
                    "= {3(1 − 2√2) / 2(1^2 − (2√2)^2)}"},
                   plusFirst));
    EXPECT_EQ(render(B::multiplyByConjugateStepWholeFirst(3, 2, 2, 8, "after", false).lines)[0],
              "= {3 / 2(1 + √8)}");
    // Numerators −1 and −3 after a negative b moves into them.
    EXPECT_EQ(
        render(B::multiplyByConjugateStepWholeFirst(1, -2, 1, 3, "after", false).lines),
        with({"= {-1 / 2 − √3}", "= {-1 / (2 − √3)}∙{(2 + √3) / (2 + √3)}", "= {-(2 + √3) / 2^2 − (√3)^2}"},
             minusFirst));
}

TEST(FormBRadicalStep, TakesTheSquareOutAndFactorsAgain) {
    // The worked example: every factor meets.
    EXPECT_EQ(drawn(B::simplifyRadicalStepWholeFirst(2, 6, 3, 8, true), true),
              L("... | = {2 / 3(2 + √*8*)} | = {2 / 3(2 + 2*√*2*)} | = {2 / 3(2(1 + √2))} | = {2 / 6(1 + "
                "√2)} | = {1 / 3(1 + √2)}"));
    // r = 1: the step ends with the multiplied coefficient.
    EXPECT_EQ(drawn(B::simplifyRadicalStepWholeFirst(1, 3, 2, 8, false), true),
              L("=~ {1 / 3 + 2√*8*} | = {1 / 3 + 2(*2*√*2*)} | = {1 / 3 + 4√2}"));
    // A negative b moves into the numerator; the sign stays between the terms.
    EXPECT_EQ(drawn(B::simplifyRadicalStepWholeFirst(5, -3, 2, 12, false)),
              L("= {-5 / 3 − 2√12} | = {-5 / 3 − 2(2√3)} | = {-5 / 3 − 4√3}"));
    // u = 1: no factor and no bracket in the last line.
    EXPECT_EQ(drawn(B::simplifyRadicalStepWholeFirst(2, 2, 1, 8, false)),
              L("= {2 / 2 + √8} | = {2 / 2 + 2√2} | = {2 / 2(1 + √2)} | = {1 / 1 + √2}"));
    // s = 1, h ≠ 1: the two factors are multiplied into one.
    EXPECT_EQ(drawn(B::simplifyRadicalStepRadicalFirst(1, 3, 18, -9, false), true),
              L("=~ {1 / 3(√*18* − 3)} | = {1 / 3(3*√*2* − 3)} | = {1 / 3(3(√2 − 1))} | = {1 / 9(√2 − 1)}"));
    for (std::int64_t d : {2, 6, 7}) {
        EXPECT_FALSE(B::simplifyRadicalStepWholeFirst(1, 2, 3, d, false)) << d;
        EXPECT_FALSE(B::simplifyRadicalStepRadicalFirst(1, 2, d, 3, false)) << d;
    }
    for (std::int64_t d : {12, 50}) {
        EXPECT_EQ(commentOf(B::simplifyRadicalStepWholeFirst(1, 2, 3, d, false)), "simplify radical") << d;
        EXPECT_EQ(commentOf(B::simplifyRadicalStepRadicalFirst(1, 2, d, 3, false)), "simplify radical") << d;
    }
}

TEST(FormBResultStep, WorksOutTheDifferenceOfSquares) {
    EXPECT_EQ(B::simplifyResultStepWholeFirst(3, 2, 1, 5, "after").comments, (Comment{"simplify"}));
    EXPECT_EQ(render(B::simplifyResultStepWholeFirst(3, 2, 1, 5, "after").lines, true),
              L("... | = {3(2 − √5) / 2*^2* −* (*√*5*)^2*} | = {3(2 − √5) / 4* −* 5*} | = {3(2 − √5) / -1} | "
                "= -3(2 − √5)"));
    // "before" with a common factor left in front: its brackets are red.
    EXPECT_EQ(render(B::simplifyResultStepWholeFirst(2, 6, 3, 8, "before").lines, true),
              L("... | = {1 − √2 / 3(*1*^2* −* (*√*2*)^2*)} | = {1 − √2 / 3(*1* −* 2*)} | = {1 − √2 / -3} | "
                "= {-(1 − √2) / 3}"));
    // D = 1: the bar over 1 is shown, then the answer without it.
    EXPECT_EQ(render(B::simplifyResultStepWholeFirst(1, 3, 1, 8, "after").lines),
              L("... | = {3 − √8 / 3^2 − (√8)^2} | = {3 − √8 / 9 − 8} | = {3 − √8 / 1} | = 3 − √8"));
    // A coefficient other than 1 splits its square; a positive D with nothing
    // to cancel ends at h·D.
    EXPECT_EQ(render(B::simplifyResultStepRadicalFirst(1, 2, 3, 1, "after").lines, true),
              L("... | = {2√3 − 1 / (*2*√*3*)^2* −* 1*^2*} | = {2√3 − 1 / 2*^2*∙*(*√*3*)^2* −* 1*^2*} | = "
                "{2√3 − 1 / 4*∙*3* −* 1*} | = {2√3 − 1 / 11}"));
}

TEST(FormBResultRadicalStep, SimplifiesTheRadicalOfTheResult) {
    EXPECT_EQ(
        drawn(B::simplifyResultRadicalStepWholeFirst(1, 2, 1, 8), true),
        L("... | = {-(2 − √*8*) / 4} | = {-(2 − 2*√*2*) / 4} | = {-2(1 − √2) / 4} | = {-(1 − √2) / 2}"));
    // r = 1 ends after the rewritten radical; H = 1 draws no bar.
    EXPECT_EQ(drawn(B::simplifyResultRadicalStepWholeFirst(1, 3, 1, 8)), L("... | = 3 − √8 | = 3 − 2√2"));
    // t ≠ 1 with a coefficient other than ±1: a3·r is shown before cancelling.
    EXPECT_EQ(drawn(B::simplifyResultRadicalStepWholeFirst(3, 2, 1, 8)),
              L("... | = {-3(2 − √8) / 4} | = {-3(2 − 2√2) / 4} | = {-3(2(1 − √2)) / 4} | = {-6(1 − √2) / 4} "
                "| = {-3(1 − √2) / 2}"));
    // t = 1 with a coefficient other than ±1, and with −1.
    EXPECT_EQ(drawn(B::simplifyResultRadicalStepWholeFirst(18, 3, 1, 18)),
              L("... | = -2(3 − √18) | = -2(3 − 3√2) | = -2(3(1 − √2)) | = -6(1 − √2)"));
    const auto minusOne = B::simplifyResultRadicalStepWholeFirst(9, 3, 1, 18);
    EXPECT_EQ(drawn(minusOne), L("... | = -(3 − √18) | = -(3 − 3√2) | = -3(1 − √2)"));
    // There the "-" stands directly over r(S), not over an integer −3.
    EXPECT_EQ(testing::describeRecord(minusOne->lines.back()), "= (-((3 🖇 ()((1 − √(2))))))");
    // A coefficient of the radical other than 1 gets its multiplied line.
    EXPECT_EQ(drawn(B::simplifyResultRadicalStepRadicalFirst(1, 2, 8, 1), true),
              L("... | = {2√*8* − 1 / 31} | = {2(*2*√*2*) − 1 / 31} | = {4√2 − 1 / 31}"));
    EXPECT_EQ(commentOf(minusOne), "simplify radical");
    for (std::int64_t d : {2, 6, 7}) {
        EXPECT_FALSE(B::simplifyResultRadicalStepWholeFirst(1, 2, 3, d)) << d;
        EXPECT_FALSE(B::simplifyResultRadicalStepRadicalFirst(1, 2, d, 3)) << d;
    }
}

TEST(FormBSummary, AnswersInClosedForm) {
    const Record none;
    auto summary = [](const StepResult& s) {
        EXPECT_EQ(s.comments, (Comment{text::kCool}));
        return render(s.lines, true);
    };
    EXPECT_EQ(summary(B::summaryStepWholeFirst(1, 1, 1, 2, none)),
              L("=~ {1 / 1 + √2} | = -(1 − √2) | = -1 + √2"));
    EXPECT_EQ(summary(B::summaryStepWholeFirst(3, 1, 1, 2, none)),
              L("=~ {3 / 1 + √2} | = (-3)(1 − √2) | = -3 + 3√2"));
    EXPECT_EQ(summary(B::summaryStepWholeFirst(6, 4, -2, 8, none)),
              L("=~ {6 / 4 − 2√8} | = {(-3)(1 + √2) / 2} | = {-3 − 3√2 / 2}"));
    EXPECT_EQ(summary(B::summaryStepRadicalFirst(1, 1, 2, 1, none)), L("=~ {1 / √2 + 1} | = √2 − 1"));
    EXPECT_EQ(summary(B::summaryStepRadicalFirst(4, -1, 3, 1, none)),
              L("=~ {4 / -√3 + 1} | = (-2)(√3 + 1) | = -2√3 − 2"));
    // Leading lines stand in for the problem line.
    const Record leading = shapes::message("a/(b√c + d√e)");
    EXPECT_EQ(summary(B::summaryStepRadicalFirst(1, 1, 2, 1, leading)), L("a/(b√c + d√e) | = √2 − 1"));
}

}  // namespace
}  // namespace radixmender
