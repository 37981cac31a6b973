// The writers that take their operands as rvalues give exactly the records of
// the ones that copy them, for every pair from a small table of operands, and
// whichever operand has the room the joined rows end up in.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "records/literals.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

// Operands of every shape the locators can take: leaves, nested unary and
// join items, and rows that are not the writers' own ("font_locator",
// "block") but must be shifted all the same.
std::vector<Record> operands() {
    const Record five = makeIntegerRecord(5, Color::red, "five");
    const Record root = makeUnaryRecord(text::kRadical, five);
    Record withFont = makeMessageRecord("note");
    withFont.push_back({"font_locator", "1"});
    withFont.push_back({"block", "2"});
    withFont.push_back({"foreign", "7", "8"});
    return {five,
            makeSignedRationalRecord(-3, 4, Color::blue),
            root,
            makeJoinRecord(text::kPaperclip, makeIntegerRecord(2), root),
            makeJoinRecord(text::kSlash, makeRationalRecord(1, 2), makeEqualsRecord(root, Color::clear)),
            withFont};
}

TEST(WritersMove, GiveTheRecordsOfTheCopyingWriters) {
    const std::vector<Record> table = operands();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Record& x = table[i];
        EXPECT_EQ(makeUnaryRecord(text::kParens, Record(x), Color::green, "t"),
                  makeUnaryRecord(text::kParens, x, Color::green, "t"))
            << i;
        EXPECT_EQ(makeEqualsRecord(Record(x), Color::clear), makeEqualsRecord(x, Color::clear)) << i;
        for (std::size_t j = 0; j < table.size(); ++j) {
            const Record& y = table[j];
            const Record copied = makeJoinRecord(text::kDot, x, y, Color::red, "j");
            EXPECT_EQ(makeJoinRecord(text::kDot, Record(x), Record(y), Color::red, "j"), copied)
                << i << ", " << j;
            // A right operand with room for every row takes the left rows in.
            Record roomy = y;
            roomy.reserve(x.size() + y.size() + 8);
            EXPECT_EQ(makeJoinRecord(text::kDot, Record(x), std::move(roomy), Color::red, "j"), copied)
                << i << ", " << j << " (room on the right)";
        }
    }
}

TEST(WritersMove, SelfJoinAndMalformedOperands) {
    Record x = makeUnaryRecord(text::kRadical, makeIntegerRecord(3));
    const Record copy = x;
    EXPECT_EQ(makeJoinRecord(text::kPaperclip, std::move(x), std::move(x)),
              makeJoinRecord(text::kPaperclip, copy, copy));

    // Throws as the copying writers do, whichever operand is malformed.
    const Record good = makeIntegerRecord(1);
    for (const Record& bad : {Record{}, Record{{"start"}}, Record{{"start", "x"}, {"integer", "1"}}}) {
        EXPECT_ANY_THROW(makeUnaryRecord(text::kRadical, Record(bad)));
        EXPECT_ANY_THROW(makeEqualsRecord(Record(bad)));
        EXPECT_ANY_THROW(makeJoinRecord(text::kDot, Record(bad), Record(good)));
        EXPECT_ANY_THROW(makeJoinRecord(text::kDot, Record(good), Record(bad)));
    }
}

}  // namespace
}  // namespace radixmender
