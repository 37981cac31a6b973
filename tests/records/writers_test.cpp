// The core record writers: exact rows for the documented cases. Random nested
// records of every kind are written and decoded with the other kinds.
#include "records/writers.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>

#include "records/literals.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::DecodedItem;
using testing::decodeRecord;
using testing::describeRecord;
using testing::IsValidRecord;

constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

Row kindRow(const Record& record) { return record.at(static_cast<std::size_t>(startIndex(record))); }

// A row written as its words: "join_locator 1 4".
Row row(const std::string& words) {
    Row out;
    std::istringstream in(words);
    for (std::string word; in >> word;) out.push_back(word);
    return out;
}

// A rational keeps the sign on its numerator, a signed rational as an entry
// of its own, and the reduced one is an integer when the denominator divides.
TEST(Writers, RationalRecords) {
    const struct {
        std::int64_t n, d;
        const char *rational, *signedRational, *reduced;
    } cases[] = {
        {3, -4, "rational -3 4", "signed_rational - 3 4", "signed_rational - 3 4"},
        {-6, -4, "rational 6 4", "signed_rational + 6 4", "signed_rational + 3 2"},
        {6, -3, "rational -6 3", "signed_rational - 6 3", "integer -2"},
        {0, -5, "rational 0 5", "signed_rational + 0 5", "integer 0"},
        {kMax, -kMax, "rational -9223372036854775807 9223372036854775807",
         "signed_rational - 9223372036854775807 9223372036854775807", "integer -1"},
    };
    for (const auto& c : cases) {
        const Record records[] = {makeRationalRecord(c.n, c.d), makeSignedRationalRecord(c.n, c.d),
                                  makeReducedRationalRecord(c.n, c.d, true)};
        EXPECT_EQ(kindRow(records[0]), row(c.rational)) << c.n << "/" << c.d;
        EXPECT_EQ(kindRow(records[1]), row(c.signedRational)) << c.n << "/" << c.d;
        EXPECT_EQ(kindRow(records[2]), row(c.reduced)) << c.n << "/" << c.d;
        for (const Record& r : records) EXPECT_TRUE(IsValidRecord(r));
    }
    EXPECT_EQ(kindRow(makeReducedRationalRecord(-6, -4, false)), row("signed_rational + 6 4"));
    EXPECT_EQ(kindRow(makeReducedRationalRecord(kMin, kMin, true)), row("integer 1"));
    EXPECT_EQ(kindRow(makeReducedRationalRecord(kMin, 2, true)), row("integer -4611686018427387904"));
    // A zero denominator: the sign rules still hold, and reducing reports the
    // remainder's error rather than crash.
    EXPECT_EQ(kindRow(makeRationalRecord(5, 0)), row("rational -5 0"));
    EXPECT_EQ(kindRow(makeSignedRationalRecord(5, 0)), row("signed_rational + 5 0"));
    for (bool reduce : {true, false}) {
        try {
            makeReducedRationalRecord(5, 0, reduce);
            ADD_FAILURE() << "no exception";
        } catch (const std::domain_error& e) {
            EXPECT_STREQ(e.what(), "Division by zero in remainder operation");
        }
    }
    // The smallest integer has no negation or magnitude: the writers throw rather than wrap.
    EXPECT_EQ(kindRow(makeRationalRecord(kMin, 1)), (Row{"rational", "-9223372036854775808", "1"}));
    for (const auto& [n, d] : {std::pair{kMin, std::int64_t{-1}}, {1, kMin}}) {
        EXPECT_THROW(makeRationalRecord(n, d), std::overflow_error);
        EXPECT_THROW(makeSignedRationalRecord(d, n), std::overflow_error);
    }
    EXPECT_THROW(makeReducedRationalRecord(kMin, 3, true), std::overflow_error);
    EXPECT_THROW(makeReducedRationalRecord(kMin, -1, true), std::overflow_error);
}

TEST(Writers, BlankRecords) {
    const Record blank = {{"start", "1"}, {"BLANK"}};
    for (std::int64_t n : {std::int64_t{1}, std::int64_t{0}, std::int64_t{-2}, kMin})
        EXPECT_EQ(makeBlankRecords(n), std::vector<Record>{blank}) << n;
    EXPECT_EQ(makeBlankRecords(3), std::vector<Record>(3, blank));
    EXPECT_TRUE(IsValidRecord(blank));
}

TEST(Writers, OperandsMustHaveAReadableStart) {
    const std::vector<std::pair<const char*, Record>> bad = {
        {"no rows", {}},
        {"short start row", {{"start"}}},
        {"start not decimal", {{"start", "one"}, {"BLANK"}}},
        {"start with a blank", {{"start", " 1"}, {"BLANK"}}},
    };
    const Record good = makeIntegerRecord(1);
    for (const auto& [name, record] : bad) {
        EXPECT_ANY_THROW(makeUnaryRecord(text::kRadical, record)) << name;
        EXPECT_ANY_THROW(makeEqualsRecord(record)) << name;
        EXPECT_ANY_THROW(makeJoinRecord("+", record, good)) << name;
        EXPECT_ANY_THROW(makeJoinRecord("+", good, record)) << name;
    }
    EXPECT_THROW(makeUnaryRecord(text::kRadical, Record{}), std::out_of_range);
    EXPECT_THROW(makeUnaryRecord(text::kRadical, Record{{"start", "x"}}), std::invalid_argument);
}

// Their nesting to the left is built by the random records.
TEST(Writers, JoinedAndSegmentedRecordsSkipWhatIsEmpty) {
    EXPECT_FALSE(joinRecords({}).has_value());
    EXPECT_FALSE(joinRecords({Record{}, Record{Row{}}, Record{Row{}, Row{}}}).has_value());
    // A kept record is taken whole, even one this format would not accept.
    const Record odd = {{"start", "1"}, {"anything"}};
    EXPECT_EQ(joinRecords({Record{Row{}}, odd}), odd);

    EXPECT_FALSE(makeSegmentedMessageRecord({}).has_value());
    EXPECT_FALSE(makeSegmentedMessageRecord({{"", Color::red}}).has_value());
    EXPECT_EQ(makeSegmentedMessageRecord({{"", Color::red}, {"only", Color::blue}}),
              makeMessageRecord("only", Color::blue));
    const auto three = makeSegmentedMessageRecord(
        {{"1", Color::red}, {"", Color::blue}, {"2", Color::black}, {"3", Color::green}});
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(describeRecord(*three), "((\"1\"{red} 🖇 \"2\") 🖇 \"3\"{green})");
}

TEST(Writers, ShiftLocators) {
    const struct {
        const char* row;
        std::int64_t offset;
        const char* expected;
    } cases[] = {
        {"unary_color black", 3, "unary_color black"},
        {"join_locator 1 4", 3, "join_locator 4 7"},
        {"join_locator 1 4 extra", 3, "join_locator 4 7"},
        {"unary_locator 4", 10, "unary_locator 14"},
        {"unary_locator 4 9", 1, "unary_locator 5"},
        {"font_locator 2", 5, "font_locator 7"},
        {"block 1", 3, "block 4"},
        {"block +1", 0, "block 1"},
        {"integer 1", 3, "integer 1"},
        {"message unary_locator", 3, "message unary_locator"},
        {"", 3, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(shiftLocators(row(c.row), c.offset), row(c.expected)) << c.row;

    EXPECT_THROW(shiftLocators({"unary_locator", "x"}, 1), std::invalid_argument);
    EXPECT_THROW(shiftLocators({"join_locator", "1"}, 1), std::out_of_range);
    EXPECT_THROW(shiftLocators({"join_locator", "1", " 2"}, 1), std::invalid_argument);
    EXPECT_THROW(shiftLocators({"block"}, 1), std::out_of_range);
    EXPECT_THROW(shiftLocators({"unary_locator", "9223372036854775807"}, 1), std::overflow_error);
}

TEST(Writers, CheckedReaders) {
    const Record r = makeIntegerRecord(42);
    EXPECT_EQ(startIndex(r), 1);
    EXPECT_EQ(rowAt(r, 1), (Row{"integer", "42"}));
    EXPECT_EQ(entryAt(rowAt(r, 3), 1), "anon");
    EXPECT_EQ(integerEntry(rowAt(r, 1), 1), 42);
    EXPECT_THROW(rowAt(r, 4), std::out_of_range);
    EXPECT_THROW(rowAt(r, -1), std::out_of_range);
    EXPECT_THROW(entryAt(rowAt(r, 1), 2), std::out_of_range);
    EXPECT_THROW(integerEntry(rowAt(r, 2), 1), std::invalid_argument);
    EXPECT_THROW(startIndex(Record{}), std::out_of_range);
}

}  // namespace
}  // namespace radixmender
