// The core record writers: exact rows for the documented cases, and random
// nested records, written by the copying and the moving writers into operands
// of any capacity, decoded back through their locators.
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

// 3/(2√5) row by row: operands postfix before their parent, locators on their kind rows.
TEST(Writers, BuildThreeOverTwoRootFiveRowByRow) {
    const Record twoRootFive = makeJoinRecord(text::kPaperclip, makeIntegerRecord(2),
                                              makeUnaryRecord(text::kRadical, makeIntegerRecord(5)));
    const Record line = makeJoinRecord(text::kSlash, makeIntegerRecord(3), twoRootFive);
    const auto leaf = [](const char* v) {
        return std::vector<Row>{{"integer", v}, {"integer_color", "black"}, {"integer_tag", "anon"}};
    };
    Record expected = {{"start", "18"}};
    for (const char* v : {"3", "2", "5"}) {
        for (Row& row : leaf(v)) expected.push_back(row);
    }
    const std::vector<Row> rest = {
        {"unary", "√"},   {"unary_locator", "7"},      {"unary_color", "black"}, {"unary_tag", "anon"},
        {"join", "🖇"}, {"join_locator", "4", "10"}, {"join_color", "black"},  {"join_tag", "anon"},
        {"join", "/"},    {"join_locator", "1", "14"}, {"join_color", "black"},  {"join_tag", "anon"}};
    expected.insert(expected.end(), rest.begin(), rest.end());
    EXPECT_EQ(line, expected);
    EXPECT_EQ(twoRootFive[0], (Row{"start", "11"}));  // the same item, counted from its own rows
    EXPECT_EQ(twoRootFive[12], (Row{"join_locator", "1", "7"}));
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

// Their nesting to the left is built by the random records below.
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

// ---- Random nested records -------------------------------------------------

// What a record should decode to, built beside the record itself.
struct Expected {
    std::string kind;
    std::vector<std::string> values;
    std::vector<Color> colors;
    std::optional<std::string> tag;
    std::vector<Expected> children;
};

struct Built {
    Record record;
    Expected expected;
};

class RandomRecords {
public:
    explicit RandomRecords(std::uint64_t seed) : rng_(seed) {}

    Built make(int depth) {
        const std::uint64_t pick = depth <= 0 ? below(5) : below(10);
        if (pick < 4 || (pick == 4 && below(4) != 0)) {
            return pick == 1 ? message() : pick == 2 ? rational() : pick == 3 ? signedRational() : integer();
        }
        if (pick == 4) return blank();
        return pick < 7 ? unary(depth) : pick < 9 ? join(depth) : joinMany(depth);
    }

private:
    std::uint64_t below(std::uint64_t n) { return rng_() % n; }
    Color color() { return static_cast<Color>(below(kColorCount)); }
    std::string tag() {
        static const char* tags[] = {"anon", "anon", "t", "numerator", "🤔", " spaced tag ", ""};
        return tags[below(std::size(tags))];
    }
    std::int64_t number() {
        static const std::int64_t edges[] = {0, 1, -1, 7, -12, kMax, kMin, 1000000007};
        return below(3) == 0 ? edges[below(std::size(edges))] : static_cast<std::int64_t>(below(2001)) - 1000;
    }
    std::int64_t positive() { return static_cast<std::int64_t>(below(1000)) + 1; }

    Built integer() {
        const std::int64_t v = number();
        const Color c = color();
        const std::string t = tag();
        return {makeIntegerRecord(v, c, t), {"integer", {std::to_string(v)}, {c}, t, {}}};
    }
    Built message() {
        static const char* texts[] = {" difference of squares ", "...", "", "√", "oops", "=", "🖇", "a b"};
        const std::string text = texts[below(std::size(texts))];
        const Color c = color();
        const std::string t = tag();
        return {makeMessageRecord(text, c, t), {"message", {text}, {c}, t, {}}};
    }
    Built rational() {
        const std::int64_t n = number(), d = positive();
        const Color c1 = color(), c2 = color(), c3 = color(), c4 = color();
        const std::string t = tag();
        return {makeRationalRecord(n, d, c1, c2, c3, c4, t),
                {"rational", {std::to_string(n), std::to_string(d)}, {c1, c2, c3, c4}, t, {}}};
    }
    Built signedRational() {
        const std::int64_t n = positive(), d = positive();
        const bool negative = below(2) == 0;
        const Color c1 = color(), c2 = color(), c3 = color(), c4 = color();
        const std::string t = tag();
        return {makeSignedRationalRecord(negative ? -n : n, d, c1, c2, c3, c4, t),
                {"signed_rational",
                 {negative ? "-" : "+", std::to_string(n), std::to_string(d)},
                 {c1, c2, c3, c4},
                 t,
                 {}}};
    }
    Built blank() { return {makeBlankRecords()[0], {"BLANK", {}, {}, std::nullopt, {}}}; }

    // An operand as the moving writers take it: a copy, sometimes with room
    // for more rows than it has, so that the rows go into either side.
    Record spare(const Record& r) {
        Record copy = r;
        if (below(2) == 0) copy.reserve(r.size() + below(40));
        return copy;
    }

    Built unary(int depth) {
        static const char* ops[] = {"√", "()", "-", "= ", "||", "√3"};
        Built operand = make(depth - 1);
        const std::string op = ops[below(std::size(ops))];
        const Color c = color();
        const std::string t = tag();
        const bool equals = op == "= " && below(2) == 0;
        const bool moved = below(2) == 0;
        Record record = equals  ? makeEqualsRecord(spare(operand.record), c, t)
                        : moved ? makeUnaryRecord(op, spare(operand.record), c, t)
                                : makeUnaryRecord(op, operand.record, c, t);
        // The operand's rows keep their indices; only "start" is replaced.
        EXPECT_EQ(record.size(), operand.record.size() + 4);
        EXPECT_TRUE(std::equal(operand.record.begin() + 1, operand.record.end(), record.begin() + 1));
        return {std::move(record), {"unary", {op}, {c}, t, {std::move(operand.expected)}}};
    }

    Built join(int depth) {
        static const char* ops[] = {"🖇", "/", "+", "−", "∙", "^", "="};
        // One join in sixteen is of a record with itself, a third copy their operands.
        const std::uint64_t how = below(16);
        Built left = make(depth - 1);
        Built right = how == 0 ? left : make(depth - 1);
        const std::string op = ops[below(std::size(ops))];
        const Color c = color();
        const std::string t = tag();
        Record record;
        if (how == 0) {
            Record same = spare(left.record);
            record = makeJoinRecord(op, std::move(same), std::move(same), c, t);
        } else if (how < 6) {
            record = makeJoinRecord(op, left.record, right.record, c, t);
        } else {
            Record l = spare(left.record), r = spare(right.record);
            record = makeJoinRecord(op, std::move(l), std::move(r), c, t);
        }
        // The left operand's rows keep their indices.
        EXPECT_EQ(record.size(), left.record.size() + right.record.size() + 3);
        EXPECT_TRUE(std::equal(left.record.begin() + 1, left.record.end(), record.begin() + 1));
        return {std::move(record),
                {"join", {op}, {c}, t, {std::move(left.expected), std::move(right.expected)}}};
    }

    Built joinMany(int depth) {
        const std::uint64_t count = below(4) + 1;
        std::vector<Record> records;
        std::optional<Expected> running;
        for (std::uint64_t i = 0; i < count; ++i) {
            if (below(3) == 0) records.push_back(Record{});  // dropped by joinRecords
            Built part = make(depth - 1);
            records.push_back(std::move(part.record));
            running =
                running
                    ? Expected{"join", {"🖇"}, {Color::black}, "anon", {std::move(*running), part.expected}}
                    : part.expected;
        }
        auto record = joinRecords(records);
        EXPECT_TRUE(record.has_value());
        return {record.value_or(Record{}), std::move(*running)};
    }

    std::mt19937_64 rng_;
};

// Compares a decoded tree with what was built.
void expectTree(const DecodedItem& got, const Expected& want, const std::string& path) {
    EXPECT_EQ(got.kind, want.kind) << path;
    EXPECT_EQ(got.values, want.values) << path;
    EXPECT_EQ(got.colors, want.colors) << path;
    EXPECT_EQ(got.tag, want.tag) << path;
    ASSERT_EQ(got.children.size(), want.children.size()) << path;
    for (std::size_t i = 0; i < got.children.size(); ++i)
        expectTree(got.children[i], want.children[i], path + "/" + std::to_string(i));
}

TEST(Writers, RandomNestedRecordsDecodeToWhatWasBuilt) {
    RandomRecords random(20261206);
    for (int round = 0; round < 1500; ++round) {
        const Built built = random.make(1 + round % 6);
        ASSERT_TRUE(IsValidRecord(built.record)) << "round " << round;
        expectTree(decodeRecord(built.record), built.expected, "round " + std::to_string(round));
        if (::testing::Test::HasFailure()) return;
    }
}

}  // namespace
}  // namespace radixmender
