// Random records of every kind, written by the copying and the moving writers
// into operands with spare room (and joined to themselves): each decodes to
// what was built, and the row walk, lookup, recolouring, painting and the
// updaters agree with what the decoded tree says they should touch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <sstream>
#include <utility>

#include "records/box_records.hpp"
#include "records/font_block_records.hpp"
#include "records/lookup.hpp"
#include "records/number_records.hpp"
#include "records/paint_records.hpp"
#include "records/prime_factors.hpp"
#include "records/record_rows.hpp"
#include "records/tableau_records.hpp"
#include "records/writers.hpp"
#include "tests/support/record_check.hpp"

namespace radixmender {
namespace {

using testing::DecodedItem;
using testing::decodeRecord;

// A record and the tree it should decode to (rows aside).
struct Built {
    Record record;
    DecodedItem expected;
};
DecodedItem item(std::string kind, std::vector<std::string> values, std::vector<Color> colors,
                 std::optional<std::string> tag, std::vector<DecodedItem> children = {}) {
    return {
        0, 0, 0, std::move(kind), std::move(values), std::move(colors), std::move(tag), std::move(children)};
}

std::mt19937_64 rng(14);
std::uint64_t below(std::uint64_t n) { return rng() % n; }
Color anyColor() { return static_cast<Color>(below(kColorCount)); }
std::string anyTag() {
    static const char* tags[] = {"anon", "p", "q", "r", "🤔", " spaced tag ", ""};
    return tags[below(std::size(tags))];
}
std::int64_t number() {
    static const std::int64_t edges[] = {0, 1, -1, 7, -12, INT64_MAX, INT64_MIN, 1000000007};
    return below(3) == 0 ? edges[below(std::size(edges))] : static_cast<std::int64_t>(below(2001)) - 1000;
}
std::int64_t positive() { return static_cast<std::int64_t>(below(1000)) + 1; }

// A leaf of every kind in random colours and tags. The core writers' leaves
// take random values and are expected from their arguments; the other
// writers' rows are pinned in writers_test, so their leaves are expected as
// they decode.
Built leaf() {
    const std::string t = anyTag();
    const Color a = anyColor(), b = anyColor(), c = anyColor(), d = anyColor();
    const std::int64_t n = number(), p = positive(), q = positive();
    const auto decoded = [](Record r) { return Built{r, decodeRecord(r)}; };
    static const char* texts[] = {" difference of squares ", "...", "", "√", "=", "🖇", "a b"};
    const std::string text = texts[below(std::size(texts))];
    const bool negative = below(2) == 0;
    // clang-format off
    switch (below(26)) {
        case 0: case 19: return {makeIntegerRecord(n, a, t), item("integer", {std::to_string(n)}, {a}, t)};
        case 1: case 20: return {makeMessageRecord(text, a, t), item("message", {text}, {a}, t)};
        case 2: return {makeRationalRecord(n, p, a, b, c, d, t),
                        item("rational", {std::to_string(n), std::to_string(p)}, {a, b, c, d}, t)};
        case 3: case 21: return {makeSignedRationalRecord(negative ? -p : p, q, a, b, c, d, t),
                item("signed_rational", {negative ? "-" : "+", std::to_string(p), std::to_string(q)}, {a, b, c, d}, t)};
        case 4: return decoded(makeWholeRecord(5, a, t));
        case 5: return decoded(makeFractionRecord(3, -4, a, b, t));
        case 6: return decoded(makeMixedNumberRecord(2, 1, 3, a, b, c, t));
        case 7: return decoded(makeExtendedFractionRecord("e", 1, 2, 3, 4, a, b, t));
        case 8: return decoded(makeCancelBothRecord(6, 8, 3, 4, a, b, c, d, b, a, t));
        case 9: return decoded(makeCancelNumeratorRecord(6, 8, 3, a, b, c, d, t));
        case 10: return decoded(makeCancelDenominatorRecord(6, 8, 4, a, b, c, d, t));
        case 11: return decoded(makeBoxGridRecordFromTerms({{1, 2, "x"}, {-3, 0, "x"}}, {a, b, c}, t));
        case 12: return decoded(makeBoxTableRecord(2, 1, {4, -5}, {a}, t));
        case 13: return {makeBlankRecords()[0], item("BLANK", {}, {}, std::nullopt)};
        case 14: return decoded(makePrimeTreeRecord(t, primeTreeRows(12, *primeFactorList(12), true)));
        case 15: return decoded(makeLatticeMultiplyRecord("2", "1", {"1", "2"}, {"red"}, {"3"}, {"blue"}, {"4"}, {}, t));
        case 16: return decoded(makeGridMultiplyRecord("1", "1", {"7"}, {"red"}, {"8"}, {"black", "gray"}, t));
        case 17: return decoded(makeCountOpRecord(t, "up", {{"1", "2"}, {"3"}}, {"g"}, {}, {"c"}));
        case 22: return decoded(makeDivideOpRecord(t, "long", {"7", "2"}, {"b"}, {}, {"g"}, {"l"}));
        case 23: return decoded(makeDividePartialOpRecord(t, "partial", {"9"}, {}, {"l"}, {"3", "3"}));
        case 24: return decoded(makeTableauOpRecord(t, "op", {{"1"}, {"2", "3"}}, {}, {"g"}, {}));
        case 25: return decoded(makeNumberRecord(below(2) == 0 ? 0 : n, negative ? 0 : p, q, a, b, c, t));
        default: return decoded(makeAddColumnRecord(t, "sum", 2, {{"1", "2"}, {"3", "4"}}, {{"x"}}));
    }
    // clang-format on
}

// An operand as the moving writers take it: a copy, sometimes with room for
// more rows than it has, so that the rows go into either side.
Record spare(const Record& r) {
    Record copy = r;
    if (below(2) == 0) copy.reserve(r.size() + below(40));
    return copy;
}

// Nested through every writer that takes operands, copying or moving them;
// one join in sixteen is of a record with itself.
Built tree(int depth) {
    const auto pick = depth == 0 ? 0 : below(8);
    if (pick < 2) return leaf();
    Built operand = tree(depth - 1);
    const Color c = anyColor();
    const std::string t = anyTag();
    Record r;
    if (pick == 2) {
        static const char* ops[] = {"√", "()", "-", "= ", "||", "√3"};
        const std::string op = ops[below(std::size(ops))];
        // "√3" is written spaced, as "√3 ".
        r = op == "= " && below(2) == 0 ? makeEqualsRecord(spare(operand.record), c, t)
            : op == "√3"                ? makeSpacedUnaryRecord(op, spare(operand.record), c, t)
            : below(2) == 0             ? makeUnaryRecord(op, spare(operand.record), c, t)
                                        : makeUnaryRecord(op, operand.record, c, t);
        return {r, item("unary", {op == "√3" ? "√3 " : op}, {c}, t, {std::move(operand.expected)})};
    }
    if (pick == 3) {
        const Font f = static_cast<Font>(below(3));
        return {makeFontRecord(f, spare(operand.record), t),
                item("font", {rawValue(f)}, {}, t, {operand.expected})};
    }
    if (pick == 4)
        return {makeBlockRecord(spare(operand.record)),
                item("block", {}, {}, std::nullopt, {operand.expected})};
    if (pick == 5) {
        std::vector<Record> records{Record{}, operand.record};  // the empty one is dropped
        DecodedItem e = operand.expected;
        for (auto more = below(3); more > 0; --more) {
            Built next = tree(depth - 1);
            records.insert(records.end(), {Record{Row{}}, next.record});
            e = item("join", {"🖇"}, {Color::black}, "anon", {std::move(e), next.expected});
        }
        return {joinRecords(records).value_or(Record{}), e};
    }
    static const char* ops[] = {"🖇", "/", "+", "−", "∙", "^", "="};
    const std::string op = ops[below(std::size(ops))];
    const auto how = below(16);
    Built right = how == 0 ? operand : tree(depth - 1);
    if (how == 0) {
        Record same = spare(operand.record);
        r = makeJoinRecord(op, std::move(same), std::move(same), c, t);
    } else {
        r = how < 6 ? makeJoinRecord(op, operand.record, right.record, c, t)
                    : makeJoinRecord(op, spare(operand.record), spare(right.record), c, t);
    }
    return {r, item("join", {op}, {c}, t, {std::move(operand.expected), std::move(right.expected)})};
}

// Built on first use, so that a writer that throws fails a test instead of the program.
const std::vector<Built>& built() {
    static const std::vector<Built> records = [] {
        std::vector<Built> out;
        for (int i = 0; i < 1000; ++i) out.push_back(tree(1 + i % 6));
        return out;
    }();
    return records;
}
const std::vector<std::string> kTags = {"anon", "p", "q", "r", "none"};

TEST(RecordKinds, RandomRecordsDecodeToWhatWasBuiltAndTheRowWalkMeetsEveryKindRow) {
    for (std::size_t n = 0; n < built().size() && !::testing::Test::HasFailure(); ++n) {
        const Record& r = built()[n].record;
        ASSERT_TRUE(testing::IsValidRecord(r)) << n;
        const DecodedItem root = decodeRecord(r);
        // With the record valid, the description tells every kind, value, colour, tag and operand.
        EXPECT_EQ(testing::describeItem(root), testing::describeItem(built()[n].expected)) << n;
        std::vector<std::int64_t> walked, kindRows{0};
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(r.size()); i += itemRowCount(r, i))
            walked.push_back(i);
        for (const DecodedItem* item : testing::itemsInPostfixOrder(root)) kindRows.push_back(item->row);
        EXPECT_EQ(walked, kindRows);
    }
    EXPECT_THROW(itemRowCount({{"start", "1"}, {"plug_in", "grid_multiply", "0"}}, 1), std::invalid_argument);
}

// Box items take four rows and a blank line one: a walk that stepped three
// rows over every kind it does not paint would miss what stands behind them.
TEST(RecordKinds, RowWalksStepOverBoxesAndBlanks) {
    const Record boxes = makeJoinRecord("+", makeBoxTableRecord(1, 1, {4}, {Color::black}, "x"),
                                        makeBoxGridRecordFromTerms({}, {}, "x"));
    Record line = makeJoinRecord(
        "+", makeJoinRecord("+", boxes, makeBlankRecords()[0]),
        makeJoinRecord("+", makeFractionRecord(1, 2, Color::black, Color::black, "x"),
                       makeGridMultiplyRecord("1", "1", {"7"}, {"red"}, {"8"}, {"red"}, "x")));
    Record expected = line;
    for (Row& row : expected) {
        if (row[0] == "fraction_color") row = {"fraction_color", "red", "black"};
        if (row[0] == "grid_multiply_factor_colors") row = {"grid_multiply_factor_colors", "blue"};
    }
    paintNumerator(line, Color::red, "x");
    updateGridMultiply(line, {"blue"}, {}, "x");
    EXPECT_EQ(line, expected);
}

// Searched before the items inside it, the right operand before the left.
std::optional<std::int64_t> expectedFind(const DecodedItem& item, const std::string& tag) {
    static const std::set<std::string> searched = {
        "message",      "integer", "whole", "rational", "signed_rational", "fraction",
        "mixed_number", "unary",   "join",  "font",     "box_grid",        "box_table"};
    if (searched.count(item.kind) && item.tag == tag) return item.row;
    for (auto it = item.children.rbegin(); it != item.children.rend(); ++it)
        if (auto found = expectedFind(*it, tag)) return found;
    return std::nullopt;
}

// The colours after recolouring: all of them inside the found item, but not
// inside a block or a tableau.
void expectRecoloured(const DecodedItem& before, const DecodedItem& after, bool inside, Color c) {
    const bool paints = inside && before.kind != "plug_in";
    EXPECT_EQ(after.colors, paints ? std::vector<Color>(before.colors.size(), c) : before.colors)
        << before.row;
    for (std::size_t k = 0; k < before.children.size(); ++k)
        expectRecoloured(before.children[k], after.children.at(k), inside && before.kind != "block", c);
}

const DecodedItem* itemAt(const DecodedItem& root, std::int64_t row) {
    for (const DecodedItem* item : testing::itemsInPostfixOrder(root))
        if (item->row == row) return item;
    return nullptr;
}

// Colour rules in compact form, "kind:slots ...": A, B and C are the new
// colours in argument order, a digit k keeps the old slot k.
using Colors = std::array<Color, 3>;

std::optional<std::string> slotsFor(const std::string& rule, const std::string& kind) {
    std::istringstream in(rule);
    for (std::string entry; in >> entry;)
        if (entry.starts_with(kind + ":")) return entry.substr(kind.size() + 1);
    return std::nullopt;
}

// Only the colour row of the item (none: nothing) changes, as the rule says.
void expectRepainted(const Record& before, const Record& after, const DecodedItem* item,
                     const std::string& rule, const Colors& args) {
    Record expected = before;
    if (const auto slots = item ? slotsFor(rule, item->kind) : std::nullopt) {
        const bool operands = item->kind == "unary" || item->kind == "join";
        Row& row = expected.at(static_cast<std::size_t>(item->row) + (operands ? 2 : 1));
        row = {item->kind + "_color"};
        for (const char s : *slots)
            row.push_back(rawValue(s >= 'A' ? args.at(static_cast<std::size_t>(s - 'A'))
                                            : item->colors.at(static_cast<std::size_t>(s - '1'))));
    }
    EXPECT_EQ(after, expected) << testing::describeRecord(before) << " " << rule;
}

// Every tag of the random records is looked up and recoloured, painted and
// updated.
TEST(RecordKinds, LookupsPaintsAndUpdatersFollowTheTree) {
    using Paint = void (*)(Record&, const Colors&, const std::string&);
    // clang-format off
    const std::vector<std::pair<Paint, std::string>> paints = {
        {[](Record& r, const Colors& c, const std::string& t) { paintNumber(r, c[0], t); }, "whole:A fraction:AA mixed_number:AAA"},
        {[](Record& r, const Colors& c, const std::string& t) { paintFractionPart(r, c[0], t); }, "fraction:AA mixed_number:1AA"},
        {[](Record& r, const Colors& c, const std::string& t) { paintCancelResult(r, c[0], c[1], t); },
         "fraction:AB mixed_number:1AB fraction_cancel_numerator_and_denominator:12AB56 fraction_cancel_numerator:1BA4 "
         "fraction_cancel_denominator:A2B4 extended_fraction:AB"},
        {[](Record& r, const Colors& c, const std::string& t) { paintMixedNumber(r, c[0], c[1], c[2], t); }, "mixed_number:ABC"},
        {[](Record& r, const Colors& c, const std::string& t) { paintWholePart(r, c[0], t); }, "whole:A mixed_number:A23"},
        {[](Record& r, const Colors& c, const std::string& t) { paintNumerator(r, c[0], t); }, "mixed_number:1A3 fraction:A2"},
        {[](Record& r, const Colors& c, const std::string& t) { paintDenominator(r, c[0], t); }, "mixed_number:12A fraction:1A"},
        // The setters take the first item of their kind in row order.
        {[](Record& r, const Colors& c, const std::string& t) { setUnaryColor(r, c[0], t); }, "unary:A"},
        {[](Record& r, const Colors& c, const std::string& t) { setJoinColor(r, c[0], t); }, "join:A"},
        {[](Record& r, const Colors& c, const std::string& t) { setMessageColor(r, c[0], t); }, "message:A"},
    };
    // clang-format on
    for (const auto& [r, unused] : built()) {
        const DecodedItem root = decodeRecord(r);
        const auto items = testing::itemsInPostfixOrder(root);
        expectRecoloured(root, decodeRecord(recolorItem(r, Color::cyan, "start")), true, Color::cyan);
        for (const std::string& tag : kTags) {
            const Colors args = {anyColor(), anyColor(), anyColor()};
            // Lookup, and recolouring what it finds.
            const auto found = findItem(r, tag);
            ASSERT_EQ(found, expectedFind(root, tag)) << testing::describeRecord(r) << " #" << tag;
            const DecodedItem* item = found ? itemAt(root, *found) : nullptr;
            const Record recoloured = recolorItem(r, args[0], tag);
            ASSERT_EQ(recoloured.size(), r.size());
            for (std::size_t i = 0; i < r.size(); ++i)
                EXPECT_TRUE(r[i] == recoloured[i] || recoloured[i][0].ends_with("_color") ||
                            recoloured[i][0].ends_with("_colors"));
            if (item) expectRecoloured(*item, *itemAt(decodeRecord(recoloured), *found), true, args[0]);
            EXPECT_TRUE(item || recoloured == r);
            expectRepainted(r, recolorFraction(r, args[0], tag), item, "fraction:AA mixed_number:1AA", args);
            expectRepainted(r, recolorFractionParts(r, args[0], tag), item, "fraction:1A mixed_number:12A",
                            args);
            // Paints and setters on the first item of their kinds in row order.
            for (const auto& [paint, rule] : paints) {
                Record painted = r;
                paint(painted, args, tag);
                const auto first = std::find_if(items.begin(), items.end(), [&](const DecodedItem* i) {
                    return slotsFor(rule, i->kind) && i->tag == tag;
                });
                expectRepainted(r, painted, first == items.end() ? nullptr : *first, rule, args);
            }
            // The updaters rewrite the first tableau of their layout as the
            // writer would have written it with the new values, every list whole.
            Record updated = r, expected = r;
            updateLatticeMultiply(updated, {"5", "6"}, {"green", "red", "gray"}, {"cyan", "white"},
                                  {"blue", "brown"}, tag);
            updateGridMultiply(updated, {"gray", "cyan"}, {"green", "magenta"}, tag);
            const auto rewrite = [&](const char* layout, const Record& as) {
                const auto first = std::find_if(items.begin(), items.end(), [&](const DecodedItem* i) {
                    return i->kind == "plug_in" && i->values[0] == layout && i->tag == tag;
                });
                if (first != items.end())
                    std::copy(as.begin() + 1, as.end(), expected.begin() + (*first)->row);
            };
            rewrite("lattice_multiply",
                    makeLatticeMultiplyRecord("2", "1", {"1", "2"}, {"green", "red", "gray"}, {"3"},
                                              {"cyan", "white"}, {"5", "6"}, {"blue", "brown"}, tag));
            rewrite("grid_multiply", makeGridMultiplyRecord("1", "1", {"7"}, {"gray", "cyan"}, {"8"},
                                                            {"green", "magenta"}, tag));
            EXPECT_EQ(updated, expected);
        }
    }
    EXPECT_TRUE(!findItem({}, "anon") && !findItem(makeBlankRecords()[0], "anon"));
    // A locator that names its own item is no tree.
    Record loop = makeUnaryRecord("()", makeIntegerRecord(1));
    loop[5][1] = "4";
    EXPECT_THROW(findItem(loop, "none"), std::invalid_argument);
}

}  // namespace
}  // namespace radixmender
