// Form C step builders on worked cases: what each step draws, in which
// colours, and when a builder has nothing to show.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using C = Radixmender_C_Model;
using Lines = std::vector<std::string>;

struct Drawn {
    std::string comment;
    Lines lines;
    bool operator==(const Drawn&) const = default;
};

std::optional<Drawn> drawn(const std::optional<StepResult>& step) {
    if (!step) return std::nullopt;
    Drawn d{step->comments.at(0), {}};
    for (const Record& line : step->lines) d.lines.push_back(testing::describeRecord(line));
    return d;
}

void PrintTo(const Drawn& d, std::ostream* os) {
    *os << d.comment << ":";
    for (const std::string& line : d.lines) *os << "\n  " << line;
}

TEST(FormCBuilders, CommonFactorStep) {
    EXPECT_EQ(drawn(C::simplifyStep(5, 2, 3, 4, 5, false)),
              (Drawn{"simplify",
                     {"= {clear}((5 / ((2 🖇 √(3)) + (4 🖇 √(5)))))",
                      "= ((5 / (2 🖇 ()((√(3) + (2 🖇 √(5)))))))"}}));
    // The factor also cancels against the numerator.
    EXPECT_EQ(drawn(C::simplifyStep(6, 2, 3, 4, 5, true)),
              (Drawn{"simplify",
                     {"\"...\"", "= ((6 / ((2 🖇 √(3)) + (4 🖇 √(5)))))",
                      "= ((6 / (2 🖇 ()((√(3) + (2 🖇 √(5)))))))",
                      "= ((3 / (√(3) + (2 🖇 √(5)))))"}}));
    // A negative first coefficient gives its sign to the numerator even when
    // the coefficients share no factor.
    EXPECT_EQ(drawn(C::simplifyStep(7, -1, 3, 2, 5, false)),
              (Drawn{"simplify",
                     {"= {clear}((7 / (-(√(3)) + (2 🖇 √(5)))))",
                      "= ((7 / (()(-1) 🖇 ()((√(3) − (2 🖇 √(5)))))))",
                      "= ((-7 / (√(3) − (2 🖇 √(5)))))"}}));
    EXPECT_EQ(drawn(C::simplifyStep(7, 3, 3, 4, 5, false)), std::nullopt);
}

TEST(FormCBuilders, RadicalStepBeforeTheConjugate) {
    const struct {
        std::int64_t a, b, c, d, e;
        bool continued;
        std::optional<Drawn> expected;
    } cases[] = {
        {5, 1, 6, 1, 10, false, std::nullopt},
        // Only c simplifies, coefficient 1: no bracket, no multiplied line.
        {5, 1, 12, 1, 7, false,
         Drawn{"simplify radical",
               {"= {clear}((5 / (√{red}(12{red}) + √(7))))",
                "= ((5 / ((2{red} 🖇 √{red}(3{red})) + √(7))))"}}},
        // Alike after simplifying: the terms are added, then the factor cancelled.
        {6, 1, 8, 1, 2, true,
         Drawn{"simplify radical",
               {"\"...\"", "= ((6 / (√{red}(8{red}) + √(2))))",
                "= ((6 / ((2{red} 🖇 √{red}(2{red})) + √(2))))", "= ((6 / (3 🖇 √(2))))",
                "= ((2 / √(2)))"}}},
        // Alike with a sum of −1: the sign moves into the numerator.
        {5, 1, 8, -1, 18, false,
         Drawn{"simplify radical",
               {"= {clear}((5 / (√{red}(8{red}) − √{blue}(18{blue}))))",
                "= ((5 / ((2{red} 🖇 √{red}(2{red})) − (3{blue} 🖇 √{blue}(2{blue})))))",
                "= ((5 / -(√(2))))", "= ((-5 / √(2)))"}}},
        // g′ ≠ 1, h2 = 1: the factors gather into one.
        {5, 2, 12, 6, 20, false,
         Drawn{"simplify radical",
               {"= {clear}((5 / (2 🖇 ()((√{red}(12{red}) + (3 🖇 √{blue}(20{blue})))))))",
                "= ((5 / (2 🖇 ()(((2{red} 🖇 √{red}(3{red})) + (3 🖇 (){blue}((2{blue} 🖇 "
                "√{blue}(5{blue})))))))))",
                "= ((5 / (2 🖇 ()(((2 🖇 √(3)) + (6 🖇 √(5)))))))",
                "= ((5 / (2 🖇 ()((2 🖇 ()((√(3) + (3 🖇 √(5)))))))))",
                "= ((5 / (4 🖇 ()((√(3) + (3 🖇 √(5)))))))"}}},
        // g′ ≠ 1, h2 ≠ 1: gathered, then cancelled.
        {4, 6, 12, 9, 20, false,
         Drawn{"simplify radical",
               {"= {clear}((4 / (3 🖇 ()(((2 🖇 √{red}(12{red})) + (3 🖇 √{blue}(20{blue})))))))",
                "= ((4 / (3 🖇 ()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) + (3 🖇 "
                "(){blue}((2{blue} 🖇 √{blue}(5{blue})))))))))",
                "= ((4 / (3 🖇 ()(((4 🖇 √(3)) + (6 🖇 √(5)))))))",
                "= ((4 / (3 🖇 ()((2 🖇 ()(((2 🖇 √(3)) + (3 🖇 √(5)))))))))",
                "= ((4 / (6 🖇 ()(((2 🖇 √(3)) + (3 🖇 √(5)))))))",
                "= ((2 / (3 🖇 ()(((2 🖇 √(3)) + (3 🖇 √(5)))))))"}}},
        // g′ = 1, h2 ≠ 1 with F = 1: the sum stands alone.
        {12, 3, 12, 3, 20, false,
         Drawn{"simplify radical",
               {"= {clear}((4 / (√{red}(12{red}) + √{blue}(20{blue}))))",
                "= ((4 / ((2{red} 🖇 √{red}(3{red})) + (2{blue} 🖇 √{blue}(5{blue})))))",
                "= ((4 / (2 🖇 ()((√(3) + √(5))))))", "= ((2 / (√(3) + √(5))))"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawn(C::simplifyRadicalStep(c.a, c.b, c.c, c.d, c.e, c.continued)), c.expected)
            << c.a << "/(" << c.b << "√" << c.c << " + " << c.d << "√" << c.e << ")";
    }
}

TEST(FormCBuilders, ConjugateStepAndItsResult) {
    EXPECT_EQ(drawn(C::multiplyByConjugateStep(1, 1, 2, 1, 3, "before", false)),
              (Drawn{"radixmender",
                     {"= {clear}((1 / (√(2) + √(3))))",
                      "= (((1 / (){red}((√{red}(2{red}) +{red} √{red}(3{red})))) ∙{red} (()((√(2) − √(3))) / "
                      "(){red}((√{red}(2{red}) −{red} √{red}(3{red}))))))",
                      "= (((√(2) − √(3)) / (((){red}(√{red}(2{red})) ^ 2{red}) −{red} "
                      "((){red}(√{red}(3{red})) ^ 2{red}))))",
                      "BLANK", "\" difference of squares \"{red}", "\" (p + q)(p − q) = p² − q² \"{red}"}}));
    EXPECT_EQ(
        drawn(C::simplifyResultStep(1, 1, 2, 1, 3, "before")),
        (Drawn{"simplify",
               {"\"...\"",
                "= (((√(2) − √(3)) / (((){red}(√{red}(2{red})) ^ 2{red}) −{red} ((){red}(√{red}(3{red})) ^ "
                "2{red}))))",
                "= (((√(2) − √(3)) / (2{red} −{red} 3{red})))", "= (((√(2) − √(3)) / -1))",
                "= (-(()((√(2) − √(3)))))"}}));

    // A negative second coefficient swaps the texts and the pattern.
    const auto minus = drawn(C::multiplyByConjugateStep(1, 1, 5, -1, 2, "before", true));
    ASSERT_TRUE(minus);
    EXPECT_EQ(minus->lines.front(), "\"...\"");
    EXPECT_EQ(minus->lines[1], "= ((1 / (√(5) − √(2))))");
    EXPECT_EQ(minus->lines.back(), "\" (p − q)(p + q) = p² − q² \"{red}");

    // A factor that stays in the denominator: black before the sum, red before the squares.
    const auto kept = drawn(C::multiplyByConjugateStep(5, 2, 3, 4, 5, "before", false));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->lines[0], "= {clear}((5 / (2 🖇 ()((√(3) + (2 🖇 √(5)))))))");
    EXPECT_EQ(kept->lines[2],
              "= (((5 🖇 ()((√(3) − (2 🖇 √(5))))) / (2 🖇 (){red}((((){red}(√{red}(3{red})) ^ "
              "2{red}) "
              "−{red} "
              "((){red}((2{red} 🖇 √{red}(5{red}))) ^ 2{red}))))))");
    EXPECT_EQ(
        drawn(C::simplifyResultStep(5, 2, 3, 4, 5, "before"))->lines,
        (Lines{
            "\"...\"", kept->lines[2],
            "= (((5 🖇 ()((√(3) − (2 🖇 √(5))))) / (2 🖇 (){red}((((){red}(√{red}(3{red})) ^ "
            "2{red}) "
            "−{red} ((2{red} ^ 2{red}) ∙{red} ((){red}(√{red}(5{red})) ^ 2{red})))))))",
            "= (((5 🖇 ()((√(3) − (2 🖇 √(5))))) / (2 🖇 (){red}((3{red} −{red} (4{red} "
            "∙{red} 5{red}))))))",
            "= (((5 🖇 ()((√(3) − (2 🖇 √(5))))) / -34))",
            "= (((-5 🖇 ()((√(3) − (2 🖇 √(5))))) / 34))"}));

    // A factor that cancels completely before the conjugate is drawn.
    EXPECT_EQ(drawn(C::multiplyByConjugateStep(6, 2, 3, 4, 5, "before", false))->lines[0],
              "= {clear}((3 / (√(3) + (2 🖇 √(5)))))");
}

// When b²c = d²e the radicals are simplified whatever the order; they become
// alike and the step is form A's, drawn as a continuation.
TEST(FormCBuilders, AlikeRadicalsHandTheStepToFormA) {
    EXPECT_EQ(C::multiplyByConjugateStep(3, 1, 8, 2, 2, "after", false),
              Radixmender_A_Model::clearDenominatorStep(3, 4, 2, "before", true));
    EXPECT_EQ(C::multiplyByConjugateStep(5, 1, 8, -1, 18, "before", false),
              Radixmender_A_Model::clearDenominatorStep(-5, 1, 2, "before", true));
    EXPECT_EQ(C::simplifyResultStep(3, 1, 8, 2, 2, "after"), std::nullopt);
    // With the order "after" and no such equality the radicals stay as entered.
    EXPECT_EQ(drawn(C::multiplyByConjugateStep(1, 1, 12, 1, 5, "after", false))->lines[0],
              "= {clear}((1 / (√(12) + √(5))))");
}

TEST(FormCBuilders, RadicalStepAfterTheConjugate) {
    const struct {
        std::int64_t a, b, c, d, e;
        std::optional<Drawn> expected;
    } cases[] = {
        {1, 1, 6, 1, 10, std::nullopt},
        {1, 1, 12, 1, 5,
         Drawn{"simplify radical",
               {"\"...\"", "= (((√{red}(12{red}) − √(5)) / 7))",
                "= ((((2{red} 🖇 √{red}(3{red})) − √(5)) / 7))"}}},
        // Alike under a multiplier −1 that turns the sum's sign.
        {1, 1, 12, 1, 27,
         Drawn{"simplify radical",
               {"\"...\"", "= ((-(()((√{red}(12{red}) − √{blue}(27{blue})))) / 15))",
                "= ((-(()(((2{red} 🖇 √{red}(3{red})) − (3{blue} 🖇 √{blue}(3{blue}))))) / 15))",
                "= ((-(()(-(√(3)))) / 15))", "= ((√(3) / 15))"}}},
        // Alike, multiplied out, then reduced against the denominator.
        {7, 3, 8, -1, 18,
         Drawn{"simplify radical",
               {"\"...\"", "= (((7 🖇 ()(((3 🖇 √{red}(8{red})) + √{blue}(18{blue})))) / 54))",
                "= (((7 🖇 ()(((3 🖇 (){red}((2{red} 🖇 √{red}(2{red})))) + (3{blue} 🖇 "
                "√{blue}(2{blue}))))) / 54))",
                "= (((7 🖇 ()(((6 🖇 √(2)) + (3 🖇 √(2))))) / 54))",
                "= (((7 🖇 ()((9 🖇 √(2)))) / 54))", "= (((63 🖇 √(2)) / 54))",
                "= (((7 🖇 √(2)) / 6))"}}},
        // A common factor under the multiplier −1: the "-" stands directly over it.
        {1, 2, 12, 3, 20,
         Drawn{"simplify radical",
               {"\"...\"", "= ((-(()(((2 🖇 √{red}(12{red})) − (3 🖇 √{blue}(20{blue}))))) / 132))",
                "= ((-(()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) − (3 🖇 "
                "(){blue}((2{blue} 🖇 √{blue}(5{blue}))))))) / 132))",
                "= ((-(()(((4 🖇 √(3)) − (6 🖇 √(5))))) / 132))",
                "= ((-((2 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5)))))) / 132))",
                "= ((-(()(((2 🖇 √(3)) − (3 🖇 √(5))))) / 66))"}}},
        // Any other multiplier: two lines, then the factor cancelled.
        {5, 2, 12, 3, 20,
         Drawn{"simplify radical",
               {"\"...\"",
                "= (((-5 🖇 ()(((2 🖇 √{red}(12{red})) − (3 🖇 √{blue}(20{blue}))))) / 132))",
                "= (((-5 🖇 ()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) − (3 🖇 "
                "(){blue}((2{blue} 🖇 √{blue}(5{blue}))))))) / 132))",
                "= (((-5 🖇 ()(((4 🖇 √(3)) − (6 🖇 √(5))))) / 132))",
                "= (((-5 🖇 ()((2 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5))))))) / 132))",
                "= (((-10 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5))))) / 132))",
                "= (((-5 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5))))) / 66))"}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(drawn(C::simplifyResultRadicalStep(c.a, c.b, c.c, c.d, c.e)), c.expected)
            << c.a << "/(" << c.b << "√" << c.c << " + " << c.d << "√" << c.e << ")";
    }
}

}  // namespace
}  // namespace radixmender
