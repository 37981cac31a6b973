// The drawn steps of chosen problems, one table per form: the rules a value
// check cannot see (which "= " is clear, where a sign sits, what is red, what
// a step leaves out, which steps a path shows) pinned once each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "tests/models/solve.hpp"
#include "tests/support/model_check.hpp"

namespace radixmender {
namespace {

using std::int64_t;

const char* const kBefore = shapes::kOrderBefore;
const char* const kAfter = shapes::kOrderAfter;
const char* const kApp = shapes::kApplication;
const char* const kModule = shapes::kModule;
constexpr std::size_t kComments = 99;  // the row holds the output's comments, not a step

struct Drawn {
    const char* problem;  // as `solve` reads it
    const char* order;
    const char* context;
    std::size_t step;
    const char* lines;  // described, separated by " | "
};

void expectDrawn(const std::vector<Drawn>& rows) {
    for (const Drawn& row : rows) {
        SCOPED_TRACE(std::string(row.problem) + ", " + row.order + ", " + row.context + ", step " +
                     std::to_string(row.step));
        const ModelOutput out = testing::solve(row.problem, row.order, row.context);
        if (row.step == kComments) {
            EXPECT_EQ(testing::commentsOf(out), testing::splitLines(row.lines));
            continue;
        }
        ASSERT_LT(row.step, out.detailSteps.size());
        EXPECT_EQ(testing::describeLines(out.detailSteps[row.step]), testing::splitLines(row.lines));
    }
}

TEST(DrawnSteps, FormA) {
    expectDrawn({
        // Nothing to simplify: the denominator is cleared at once.
        {"5 2 3", kBefore, kApp, kComments, "🤔 | radixmender | 😎"},
        // A negative b moves its sign up even without a common factor.
        {"5 -2 3", kBefore, kApp, kComments, "🤔 | simplify | radixmender | 😎"},
        // "before" simplifies the radical first, anything else last, blanks included.
        {"1 1 8", kBefore, kApp, kComments, "🤔 | simplify radical | radixmender | 😎"},
        {"1 1 8", " simplify √ before ", kApp, kComments, "🤔 | radixmender | simplify radical | 😎"},
        // Any context but "application" continues a caller's steps.
        {"1 1 8", kBefore, "Application", kComments, "simplify radical | radixmender"},
        {"2 -3 5", kBefore, kApp, 1, "= {clear}((2 / (-3 🖇 √(5)))) | = ((-2 / (3 🖇 √(5))))"},
        {"5 -1 2", kBefore, kApp, 1, "= {clear}((5 / -(√(2)))) | = ((-5 / √(2)))"},
        // The radical step stops once nothing more cancels; the square factor may cancel against a.
        {"3 1 12", kBefore, kApp, 1,
         "= {clear}((3 / √{red}(12{red}))) | = ((3 / (2{red} 🖇 √{red}(3{red}))))"},
        {"4 1 8", kBefore, kApp, 1,
         "= {clear}((4 / √{red}(8{red}))) | = ((4 / (2{red} 🖇 √{red}(2{red})))) | = ((2 / √(2)))"},
        {"3 2 8", kBefore, kModule, 0,
         "\"...\" | = ((3 / (2 🖇 √{red}(8{red})))) | = ((3 / (2 🖇 (){red}((2{red} 🖇 "
         "√{red}(2{red})))))) | = ((3 / (4 🖇 √(2))))"},
        // Clearing: the multiplier line, the bracketed square, and the reductions.
        {"2 3 2", kBefore, kModule, 0,
         "\"...\" | = ((2 / (3 🖇 √(2)))) | (= ((2 / (3 🖇 √{red}(2{red})))) ∙{red} (√(2) / "
         "√{red}(2{red}))) | = (((2 🖇 √(2)) / (3 ∙ ((){red}(√{red}(2{red})) ^ 2{red})))) | = (((2 "
         "🖇 "
         "√(2)) / (3 ∙ 2{red}))) | = (((2 🖇 √(2)) / 6)) | = ((√(2) / 3))"},
        {"-3 1 3", kAfter, kApp, 1,
         "= {clear}((-3 / √(3))) | (= ((-3 / √{red}(3{red}))) ∙{red} (√(3) / √{red}(3{red}))) | = (((-3 "
         "🖇 "
         "√(3)) / ((){red}(√{red}(3{red})) ^ 2{red}))) | = (((-3 🖇 √(3)) / 3{red})) | = "
         "(-(√(3)))"},
        // The radical of the result after clearing: P = 1, P = −1 and |P| > 1.
        {"1 1 8", kAfter, kApp, 2,
         "\"...\" | = ((√{red}(8{red}) / 8)) | = (((2{red} 🖇{red} √{red}(2{red})) / 8)) | = ((√(2) "
         "/ "
         "4))"},
        {"-1 1 12", kAfter, kApp, 2,
         "\"...\" | = ((-(√{red}(12{red})) / 12)) | = ((-((2{red} 🖇{red} √{red}(3{red}))) / 12)) | = "
         "((-(√(3)) / 6))"},
        {"5 1 12", kAfter, kModule, 1,
         "\"...\" | = (((5 🖇 √{red}(12{red})) / 12)) | = (((5 🖇 (){red}((2{red} 🖇{red} "
         "√{red}(3{red})))) / 12)) | = (((10 🖇 √(3)) / 12)) | = (((5 🖇 √(3)) / 6))"},
        // Special cases: the problem as entered, the intermediate fraction, the reduced result.
        {"6 -4 1", kBefore, kApp, 1, "= {clear}((6 / -4)) | = (-([3/2]))"},
        {"6 2 9", kBefore, kApp, 1, "= {clear}((6 / (2 🖇 √(9)))) | (= ((6 / (2 ∙ 3))) = 1)"},
        {"3 -1 4", kBefore, kApp, 1, "= {clear}((3 / -(√(4)))) | (= ((3 / -2)) = -([3/2]))"},
        {"0 2 3", kBefore, kModule, 0, "\"...\" | = ((0 / (2 🖇 √(3)))) | = (0)"},
        // Errors draw the denominator as entered; the last step shows the problem alone.
        {"1 1 -4", kBefore, kApp, 1, "= {clear}((1 / (1 🖇 √(-4)))) | \"√ of negative number\""},
        {"0 0 7", kBefore, kModule, 0, "\"...\" | = ((0 / (0 🖇 √(7)))) | \"division by zero\""},
        {"2 3 0", kBefore, kApp, 2, "= {clear}((2 / (3 🖇 √(0))))"},
        // Summaries.
        {"1 -2 3", kBefore, kApp, 3, "= {clear}((1 / (-2 🖇 √(3)))) | = ((-(√(3)) / 6))"},
        {"6 1 3", kAfter, kApp, 2, "= {clear}((6 / √(3))) | = ((2 🖇 √(3)))"},
    });
}

TEST(DrawnSteps, FormB) {
    expectDrawn({
        // Only the exact option "simplify √ before" simplifies the radical before the conjugate.
        {"w 1 1 1 8", kBefore, kApp, kComments, "🤔 | simplify radical | radixmender | simplify | 😎"},
        {"w 1 1 1 8", " simplify √ before ", kApp, kComments,
         "🤔 | radixmender | simplify | simplify radical | 😎"},
        {"r 1 1 8 1", kBefore, "Application", kComments, "simplify radical | radixmender | simplify"},
        // Only the exact template "a/(b + c√d)" is whole first.
        {"anything 6 4 2 8", kBefore, kModule, kComments, "simplify | radixmender | simplify"},
        // The common factor takes the sign of b, which moves into the numerator.
        {"r 3 -2 3 5", kBefore, kApp, 1,
         "= {clear}((3 / ((-2 🖇 √(3)) + 5))) | = ((3 / (()(-1) 🖇 ()(((2 🖇 √(3)) − 5))))) | = "
         "((-3 "
         "/ "
         "((2 🖇 √(3)) − 5)))"},
        {"r 2 -1 3 4", kBefore, kApp, 1,
         "= {clear}((2 / (-(√(3)) + 4))) | = ((2 / (()(-1) 🖇 ()((√(3) − 4))))) | = ((-2 / (√(3) "
         "− "
         "4)))"},
        {"w 5 6 -9 2", kBefore, kApp, 1,
         "= {clear}((5 / (6 − (9 🖇 √(2))))) | = ((5 / (3 🖇 ()((2 − (3 🖇 √(2)))))))"},
        {"w 4 2 6 5", kBefore, kApp, 1,
         "= {clear}((4 / (2 + (6 🖇 √(5))))) | = ((4 / (2 🖇 ()((1 + (3 🖇 √(5))))))) | = ((2 / (1 "
         "+ "
         "(3 🖇 √(5)))))"},
        // The conjugate of the reduced bracket, the factor in front kept black, and the note.
        {"r 6 4 3 8", kBefore, kApp, 2,
         "\"...\" | = ((3 / (2 🖇 ()((√(3) + 2))))) | = (((3 / (2 🖇 (){red}((√{red}(3{red}) +{red} "
         "2{red})))) ∙{red} (()((√(3) − 2)) / (){red}((√{red}(3{red}) −{red} 2{red}))))) | = (((3 "
         "🖇 "
         "()((√(3) − 2))) / (2 🖇 (){red}((((){red}(√{red}(3{red})) ^ 2{red}) −{red} (2{red} ^ "
         "2{red})))))) | BLANK | \" difference of squares \"{red} | \" (p + q)(p − q) = p² − q² \"{red}"},
        {"w 1 -2 1 3", kAfter, kApp, 2,
         "\"...\" | = ((-1 / (2 − √(3)))) | = (((-1 / (){red}((2{red} −{red} √{red}(3{red})))) ∙{red} (()((2 "
         "+ √(3))) / (){red}((2{red} +{red} √{red}(3{red})))))) | = ((-(()((2 + √(3)))) / ((2{red} ^ 2{red}) "
         "−{red} ((){red}(√{red}(3{red})) ^ 2{red})))) | BLANK | \" difference of squares \"{red} | \" (p − "
         "q)(p + q) = p² − q² \"{red}"},
        // The radical step: every factor meets; r = 1; s = 1 with h ≠ 1.
        {"w 2 6 3 8", kBefore, kApp, 2,
         "\"...\" | = ((2 / (3 🖇 ()((2 + √{red}(8{red})))))) | = ((2 / (3 🖇 ()((2 + (2{red} 🖇 "
         "√{red}(2{red}))))))) | = ((2 / (3 🖇 ()((2 🖇 ()((1 + √(2)))))))) | = ((2 / (6 🖇 ()((1 "
         "+ "
         "√(2)))))) | = ((1 / (3 🖇 ()((1 + √(2))))))"},
        {"w 1 3 2 8", kBefore, kApp, 1,
         "= {clear}((1 / (3 + (2 🖇 √{red}(8{red}))))) | = ((1 / (3 + (2 🖇 (){red}((2{red} 🖇 "
         "√{red}(2{red}))))))) | = ((1 / (3 + (4 🖇 √(2)))))"},
        {"r 1 3 18 -9", kBefore, kApp, 2,
         "\"...\" | = ((1 / (3 🖇 ()((√{red}(18{red}) − 3))))) | = ((1 / (3 🖇 ()(((3{red} 🖇 "
         "√{red}(2{red})) − 3))))) | = ((1 / (3 🖇 ()((3 🖇 ()((√(2) − 1))))))) | = ((1 / (9 "
         "🖇 "
         "()((√(2) − 1)))))"},
        // The difference of squares worked out: D = −1, a factor left in front, D = 1.
        {"w 3 2 1 5", kAfter, kApp, 2,
         "\"...\" | = (((3 🖇 ()((2 − √(5)))) / ((2{red} ^ 2{red}) −{red} ((){red}(√{red}(5{red})) "
         "^ "
         "2{red})))) | = (((3 🖇 ()((2 − √(5)))) / (4{red} −{red} 5{red}))) | = (((3 🖇 ()((2 − "
         "√(5)))) "
         "/ -1)) | = ((-3 🖇 ()((2 − √(5)))))"},
        {"w 2 6 3 8", kBefore, kApp, 4,
         "\"...\" | = (((1 − √(2)) / (3 🖇 (){red}(((1{red} ^ 2{red}) −{red} "
         "((){red}(√{red}(2{red})) "
         "^ "
         "2{red})))))) | = (((1 − √(2)) / (3 🖇 (){red}((1{red} −{red} 2{red}))))) | = (((1 − "
         "√(2)) "
         "/ "
         "-3)) "
         "| = ((-(()((1 − √(2)))) / 3))"},
        {"w 1 3 1 8", kAfter, kApp, 2,
         "\"...\" | = (((3 − √(8)) / ((3{red} ^ 2{red}) −{red} ((){red}(√{red}(8{red})) ^ 2{red})))) | = "
         "(((3 − √(8)) / (9{red} −{red} 8{red}))) | = (((3 − √(8)) / 1)) | = ((3 − √(8)))"},
        {"r 1 2 3 1", kAfter, kApp, 2,
         "\"...\" | = ((((2 🖇 √(3)) − 1) / (((){red}((2{red} 🖇 √{red}(3{red}))) ^ 2{red}) "
         "−{red} "
         "(1{red} ^ 2{red})))) | = ((((2 🖇 √(3)) − 1) / (((2{red} ^ 2{red}) ∙{red} "
         "((){red}(√{red}(3{red})) ^ 2{red})) −{red} (1{red} ^ 2{red})))) | = ((((2 🖇 √(3)) − 1) "
         "/ "
         "((4{red} ∙{red} 3{red}) −{red} 1{red}))) | = ((((2 🖇 √(3)) − 1) / 11))"},
        // The radical of the result: t ≠ 1, the "-" over r(S), a coefficient of the radical.
        {"w 3 2 1 8", kAfter, kApp, 3,
         "\"...\" | = (((-3 🖇 ()((2 − √{red}(8{red})))) / 4)) | = (((-3 🖇 ()((2 − (2{red} 🖇 "
         "√{red}(2{red}))))) / 4)) | = (((-3 🖇 ()((2 🖇 ()((1 − √(2)))))) / 4)) | = (((-6 🖇 "
         "()((1 "
         "− "
         "√(2)))) / 4)) | = (((-3 🖇 ()((1 − √(2)))) / 2))"},
        {"w 1 2 1 8", kAfter, kApp, 3,
         "\"...\" | = ((-(()((2 − √{red}(8{red})))) / 4)) | = ((-(()((2 − (2{red} 🖇 "
         "√{red}(2{red}))))) "
         "/ "
         "4)) | = "
         "((-((2 🖇 ()((1 − √(2))))) / 4)) | = ((-(()((1 − √(2)))) / 2))"},
        {"w 9 3 1 18", kAfter, kApp, 3,
         "\"...\" | = (-(()((3 − √{red}(18{red}))))) | = (-(()((3 − (3{red} 🖇 √{red}(2{red})))))) "
         "| "
         "= "
         "(-((3 🖇 ()((1 − √(2))))))"},
        {"r 1 2 8 1", kAfter, kApp, 3,
         "\"...\" | = ((((2 🖇 √{red}(8{red})) − 1) / 31)) | = ((((2 🖇 (){red}((2{red} 🖇 "
         "√{red}(2{red})))) − 1) / 31)) | = ((((4 🖇 √(2)) − 1) / 31))"},
        // Summaries.
        {"w 3 1 1 2", kBefore, kApp, 3,
         "= {clear}((3 / (1 + √(2)))) | = ((()(-3) 🖇 ()((1 − √(2))))) | = ((-3 + (3 🖇 √(2))))"},
        {"w 6 4 -2 8", kBefore, kApp, 5,
         "= {clear}((6 / (4 − (2 🖇 √(8))))) | = (((()(-3) 🖇 ()((1 + √(2)))) / 2)) | = (((-3 − "
         "(3 "
         "🖇 "
         "√(2))) / 2))"},
        // Errors and simple cases draw the problem as entered, coefficient 1 and squares included;
        // a negative radicand outranks vanished terms.
        {"w 1 0 0 -4", kBefore, kApp, 1,
         "= {clear}((1 / (0 + (0 🖇 √(-4))))) | \"√ of negative number\""},
        {"w 1 3 -1 9", kBefore, kApp, 1,
         "= {clear}((1 / (3 − (1 🖇 √(9))))) | \"denominator evaluates to zero\""},
        {"r 1 -1 4 2", kBefore, kModule, 0,
         "\"...\" | = ((1 / ((-1 🖇 √(4)) + 2))) | \"denominator evaluates to zero\""},
        {"w 6 2 2 1", kBefore, kApp, 1, "= {clear}((6 / (2 + 2))) | = ([3/2])"},
        {"w 7 1 2 9", kBefore, kApp, 1,
         "= {clear}((7 / (1 + (2 🖇 √(9))))) | (= ((7 / (1 + (2 ∙ 3)))) = 1)"},
        {"r 4 -1 9 7", kBefore, kModule, 0, "\"...\" | = ((4 / (-(√(9)) + 7))) | (= ((4 / (-3 + 7))) = 1)"},
        {"w 0 2 3 5", kBefore, kApp, 2, "= {clear}((0 / (2 + (3 🖇 √(5))))) | = (0)"},
    });
}

TEST(DrawnSteps, FormC) {
    expectDrawn({
        // Each path by its steps.
        {"4 3 5 -1 5", kBefore, kApp, kComments, "🤔 | radicals are same | simplify | radixmender | 😎"},
        {"4 3 5 -2 5", kBefore, kModule, kComments, "radicals are same | radixmender"},
        {"5 -1 4 1 3", kBefore, kApp, kComments,
         "🤔 | square number here | simplify | radixmender | simplify | 😎"},
        {"5 1 12 2 3", kAfter, kApp, kComments, "🤔 | advisory | simplify radical | radixmender | 😎"},
        {"5 1 12 2 3", "sideways", kApp, kComments, "🤔 | simplify radical | radixmender | 😎"},
        {"1 1 12 1 5", kAfter, kApp, kComments, "🤔 | radixmender | simplify | simplify radical | 😎"},
        {"-6 2 12 4 5", "anything", kModule, kComments,
         "simplify | radixmender | simplify | simplify radical"},
        {"1 1 12 1 5", kAfter, "Application", kComments, "radixmender | simplify | simplify radical"},
        // Errors draw the problem as entered; the last step keeps the message.
        {"1 0 -3 1 2", kBefore, kApp, 2,
         "= {clear}((1 / ((0 🖇 √(-3)) + (1 🖇 √(2))))) | \"√ of negative number\""},
        {"1 2 3 -2 3", kBefore, kApp, 1,
         "= {clear}((1 / ((2 🖇 √(3)) − (2 🖇 √(3))))) | \"denominator evaluates to zero\""},
        {"0 2 3 2 3", kBefore, kApp, 2, "= {clear}((0 / ((2 🖇 √(3)) + (2 🖇 √(3))))) | = (0)"},
        // Equal radicands combine; outside application the combined line alone.
        {"4 3 5 -1 5", kBefore, kApp, 1,
         "= {clear}((4 / ((3 🖇 √(5)) − √(5)))) | = ((4 / (2 🖇 √(5))))"},
        {"4 3 5 -2 5", kBefore, kModule, 0, "= ((4 / √(5)))"},
        {"3 1 4 1 4", kBefore, kApp, 3, "= {clear}((3 / (√(4) + √(4)))) | = ([3/4])"},
        // Perfect squares evaluated.
        {"6 1 4 1 9", kBefore, kApp, 1, "= {clear}((6 / (√(4) + √(9)))) | = ((6 / (2 + 3))) | = ([6/5])"},
        {"-10 2 4 1 9", kBefore, kModule, 0, "\"...\" | = ((-10 / ((2 ∙ 2) + 3))) | = (-([10/7]))"},
        {"5 -1 4 1 3", kBefore, kApp, 1, "= {clear}((5 / (-(√(4)) + √(3)))) | = ((5 / (-2 + √(3))))"},
        {"5 2 3 -3 4", kBefore, kApp, 1,
         "= {clear}((5 / ((2 🖇 √(3)) − (3 🖇 √(4))))) | = ((5 / ((2 🖇 √(3)) − (3 ∙ 2)))) "
         "| "
         "= "
         "((5 "
         "/ "
         "((2 🖇 √(3)) − 6)))"},
        // The advisory, in any context without "...", then radicals first.
        {"5 1 12 2 3", kAfter, kApp, 1,
         "= {clear}((5 / (√(12) + (2 🖇 √(3))))) | \"division by zero in\" | \"rationalization phase\" "
         "| "
         "\"simplify radical first\"{red}"},
        {"5 1 12 2 3", kAfter, kModule, 1,
         "\"...\" | = ((5 / (√{red}(12{red}) + (2 🖇 √(3))))) | = ((5 / ((2{red} 🖇 "
         "√{red}(3{red})) "
         "+ "
         "(2 "
         "🖇 √(3))))) | = ((5 / (4 🖇 √(3))))"},
        // The common factor, cancelled against the numerator, with the sign of b.
        {"6 2 3 4 5", kBefore, kModule, 0,
         "\"...\" | = ((6 / ((2 🖇 √(3)) + (4 🖇 √(5))))) | = ((6 / (2 🖇 ()((√(3) + (2 🖇 "
         "√(5))))))) | = ((3 / (√(3) + (2 🖇 √(5)))))"},
        {"7 -1 3 2 5", kBefore, kApp, 1,
         "= {clear}((7 / (-(√(3)) + (2 🖇 √(5))))) | = ((7 / (()(-1) 🖇 ()((√(3) − (2 🖇 "
         "√(5))))))) "
         "| "
         "= ((-7 / (√(3) − (2 🖇 √(5)))))"},
        // The radical step before the conjugate: alike terms added, their sign moved, factors gathered.
        {"5 1 12 1 7", kBefore, kApp, 1,
         "= {clear}((5 / (√{red}(12{red}) + √(7)))) | = ((5 / ((2{red} 🖇 √{red}(3{red})) + "
         "√(7))))"},
        {"6 1 8 1 2", kBefore, kModule, 0,
         "\"...\" | = ((6 / (√{red}(8{red}) + √(2)))) | = ((6 / ((2{red} 🖇 √{red}(2{red})) + "
         "√(2)))) "
         "| "
         "= "
         "((6 / (3 🖇 √(2)))) | = ((2 / √(2)))"},
        {"5 1 8 -1 18", kBefore, kApp, 1,
         "= {clear}((5 / (√{red}(8{red}) − √{blue}(18{blue})))) | = ((5 / ((2{red} 🖇 "
         "√{red}(2{red})) "
         "− "
         "(3{blue} 🖇 √{blue}(2{blue}))))) | = ((5 / -(√(2)))) | = ((-5 / √(2)))"},
        {"4 6 12 9 20", kBefore, kApp, 2,
         "\"...\" | = ((4 / (3 🖇 ()(((2 🖇 √{red}(12{red})) + (3 🖇 √{blue}(20{blue}))))))) | = "
         "((4 "
         "/ "
         "(3 🖇 ()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) + (3 🖇 (){blue}((2{blue} 🖇 "
         "√{blue}(5{blue}))))))))) | = ((4 / (3 🖇 ()(((4 🖇 √(3)) + (6 🖇 √(5))))))) | = ((4 / "
         "(3 "
         "🖇 ()((2 🖇 ()(((2 🖇 √(3)) + (3 🖇 √(5))))))))) | = ((4 / (6 🖇 ()(((2 🖇 √(3)) "
         "+ "
         "(3 "
         "🖇 √(5))))))) | = ((2 / (3 🖇 ()(((2 🖇 √(3)) + (3 🖇 √(5)))))))"},
        {"12 3 12 3 20", kBefore, kApp, 2,
         "\"...\" | = ((4 / (√{red}(12{red}) + √{blue}(20{blue})))) | = ((4 / ((2{red} 🖇 "
         "√{red}(3{red})) "
         "+ (2{blue} 🖇 √{blue}(5{blue}))))) | = ((4 / (2 🖇 ()((√(3) + √(5)))))) | = ((2 / "
         "(√(3) "
         "+ "
         "√(5))))"},
        // The conjugate step: a factor kept in front, black before the sum and red before the squares.
        {"5 2 3 4 5", kBefore, kApp, 2,
         "\"...\" | = ((5 / (2 🖇 ()((√(3) + (2 🖇 √(5))))))) | = (((5 / (2 🖇 "
         "(){red}((√{red}(3{red}) "
         "+{red} (2{red} 🖇 √{red}(5{red})))))) ∙{red} (()((√(3) − (2 🖇 √(5)))) / "
         "(){red}((√{red}(3{red}) −{red} (2{red} 🖇 √{red}(5{red}))))))) | = (((5 🖇 ()((√(3) "
         "− "
         "(2 "
         "🖇 "
         "√(5))))) / (2 🖇 (){red}((((){red}(√{red}(3{red})) ^ 2{red}) −{red} ((){red}((2{red} 🖇 "
         "√{red}(5{red}))) ^ 2{red})))))) | BLANK | \" difference of squares \"{red} | \" (p + q)(p − q) = "
         "p² − q² \"{red}"},
        {"1 1 5 -1 2", kBefore, kModule, 0,
         "\"...\" | = ((1 / (√(5) − √(2)))) | = (((1 / (){red}((√{red}(5{red}) −{red} √{red}(2{red})))) "
         "∙{red} (()((√(5) + √(2))) / (){red}((√{red}(5{red}) +{red} √{red}(2{red})))))) | = (((√(5) + √(2)) "
         "/ (((){red}(√{red}(5{red})) ^ 2{red}) −{red} ((){red}(√{red}(2{red})) ^ 2{red})))) | BLANK | \" "
         "difference of squares \"{red} | \" (p − q)(p + q) = p² − q² \"{red}"},
        // The radical step after the conjugate: alike under −1, reduced, a factor under "-".
        {"1 1 12 1 27", kAfter, kApp, 3,
         "\"...\" | = ((-(()((√{red}(12{red}) − √{blue}(27{blue})))) / 15)) | = ((-(()(((2{red} 🖇 "
         "√{red}(3{red})) − (3{blue} 🖇 √{blue}(3{blue}))))) / 15)) | = ((-(()(-(√(3)))) / 15)) | "
         "= "
         "((√(3) "
         "/ 15))"},
        {"7 3 8 -1 18", kAfter, kApp, 3,
         "\"...\" | = (((7 🖇 ()(((3 🖇 √{red}(8{red})) + √{blue}(18{blue})))) / 54)) | = (((7 🖇 "
         "()(((3 🖇 (){red}((2{red} 🖇 √{red}(2{red})))) + (3{blue} 🖇 √{blue}(2{blue}))))) / 54)) "
         "| "
         "= "
         "(((7 🖇 ()(((6 🖇 √(2)) + (3 🖇 √(2))))) / 54)) | = (((7 🖇 ()((9 🖇 √(2)))) / "
         "54)) "
         "| "
         "= "
         "(((63 🖇 √(2)) / 54)) | = (((7 🖇 √(2)) / 6))"},
        {"1 2 12 3 20", kAfter, kApp, 3,
         "\"...\" | = ((-(()(((2 🖇 √{red}(12{red})) − (3 🖇 √{blue}(20{blue}))))) / 132)) | = "
         "((-(()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) − (3 🖇 (){blue}((2{blue} 🖇 "
         "√{blue}(5{blue}))))))) / 132)) | = ((-(()(((4 🖇 √(3)) − (6 🖇 √(5))))) / 132)) | = "
         "((-((2 "
         "🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5)))))) / 132)) | = ((-(()(((2 🖇 √(3)) − (3 🖇 "
         "√(5))))) "
         "/ "
         "66))"},
        {"5 2 12 3 20", kAfter, kApp, 3,
         "\"...\" | = (((-5 🖇 ()(((2 🖇 √{red}(12{red})) − (3 🖇 √{blue}(20{blue}))))) / 132)) "
         "| "
         "= "
         "(((-5 🖇 ()(((2 🖇 (){red}((2{red} 🖇 √{red}(3{red})))) − (3 🖇 (){blue}((2{blue} 🖇 "
         "√{blue}(5{blue}))))))) / 132)) | = (((-5 🖇 ()(((4 🖇 √(3)) − (6 🖇 √(5))))) / 132)) "
         "| "
         "= "
         "(((-5 🖇 ()((2 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5))))))) / 132)) | = (((-10 🖇 ()(((2 "
         "🖇 "
         "√(3)) − (3 🖇 √(5))))) / 132)) | = (((-5 🖇 ()(((2 🖇 √(3)) − (3 🖇 √(5))))) / "
         "66))"},
        // Summaries.
        {"3 1 3 1 2", kBefore, kApp, 3,
         "= {clear}((3 / (√(3) + √(2)))) | = ((3 🖇 ()((√(3) − √(2))))) | = (((3 🖇 √(3)) "
         "− "
         "(3 "
         "🖇 "
         "√(2))))"},
        {"3 1 2 1 3", kBefore, kApp, 3,
         "= {clear}((3 / (√(2) + √(3)))) | = ((()(-3) 🖇 ()((√(2) − √(3))))) | = (((-3 🖇 "
         "√(2)) "
         "+ "
         "(3 "
         "🖇 √(3))))"},
        {"1 1 2 1 8", kBefore, kApp, 3, "= {clear}((1 / (√(2) + √(8)))) | = ((√(2) / 6))"},
        {"1 -1 5 -2 3", kBefore, kApp, 4,
         "= {clear}((1 / (-(√(5)) − (2 🖇 √(3))))) | = (((√(5) − (2 🖇 √(3))) / 7))"},
    });
}

}  // namespace
}  // namespace radixmender
