// How rows and records are stored: a row behaves as a vector of strings
// whatever its length, copies of a record never see each other's changes,
// and an item whose rows are written when first read has the rows the
// writers write at once.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "records/literals.hpp"
#include "records/types.hpp"
#include "records/writers.hpp"

namespace radixmender {
namespace {

std::vector<std::string> texts(const Row& row) { return {row.begin(), row.end()}; }

// Random edits applied to a row and to a vector of strings alike, across the
// rows' change from texts in place to texts on the heap and back, with texts
// short enough to live inside a string and too long to.
TEST(RowStorage, BehavesAsAVectorOfStrings) {
    std::mt19937 rng(5);
    const auto pick = [&](int n) {
        return static_cast<std::size_t>(std::uniform_int_distribution<int>(0, n)(rng));
    };
    const auto text = [&] {
        return std::string(pick(1) ? "t" : "a text longer than fifteen bytes ") + std::to_string(pick(99));
    };
    Row row;
    std::vector<std::string> model;
    for (int step = 0; step < 4000; ++step) {
        const std::size_t at = pick(static_cast<int>(model.size()));
        switch (pick(9)) {
            case 0: {
                const std::string t = text();
                row.push_back(t), model.push_back(t);
                break;
            }
            case 1:
                if (!model.empty()) row.emplace_back(row[0]), model.emplace_back(model[0]);
                break;
            case 2: {
                const std::string t = text();
                row.insert(row.begin() + at, t), model.insert(model.begin() + at, t);
                break;
            }
            case 3:
                if (at < model.size()) row.erase(row.begin() + at), model.erase(model.begin() + at);
                break;
            case 4: {
                const std::size_t n = pick(6);
                row.resize(n, "r"), model.resize(n, "r");
                break;
            }
            case 5:
                if (!model.empty()) row.pop_back(), model.pop_back();
                break;
            case 6: {
                Row copy = row;
                row = std::move(copy);
                EXPECT_TRUE(copy.empty());
                break;
            }
            case 7: {
                Row moved(std::move(row));
                row = moved;
                break;
            }
            case 8:
                if (pick(8) == 0) row.clear(), model.clear();
                break;
            default:
                if (!model.empty())
                    row.insert(row.begin(), row.back()), model.insert(model.begin(), model.back());
        }
        ASSERT_EQ(texts(row), model) << "step " << step;
    }
    EXPECT_EQ(Row(model), row);
    EXPECT_LT(Row({"a", "b"}), Row({"a", "c"}));
    EXPECT_THROW((void)row.at(row.size()), std::out_of_range);
}

// A copy shares the rows until either side changes them, and a reference
// taken for changing before a copy changes the original only.
TEST(RecordStorage, CopiesNeverSeeEachOthersChanges) {
    const Record base = makeJoinRecord("+", makeIntegerRecord(1), makeIntegerRecord(2));
    const Record snapshot(base.begin(), base.end());

    Record copy = base;
    copy[1][1] = "9";
    copy.push_back({"extra"});
    EXPECT_EQ(base, snapshot);
    EXPECT_NE(copy, snapshot);

    Record original = base;
    Row& kept = original[1];
    Record later = original;
    kept[1] = "7";
    EXPECT_EQ(original[1][1], "7");
    EXPECT_EQ(later, snapshot);

    std::vector<Record> step(3, base), again = step;
    again[2].erase(again[2].begin());
    again[1].insert(again[1].begin(), Row{"x"});
    for (const Record& r : step) EXPECT_EQ(r, snapshot);
    EXPECT_EQ(again[0], snapshot);
    EXPECT_EQ(again[1].size(), snapshot.size() + 1);
    EXPECT_EQ(again[2].size(), snapshot.size() - 1);
}

// Builds a random line from leaves, unary items and joins. With `eager`
// every operand is first read for changing, which the writers cannot defer:
// they join the rows at once, as they always did.
class Lines {
public:
    explicit Lines(unsigned seed) : rng_(seed) {}

    Record build(int depth, bool eager) {
        Record r = depth == 0 || pick(3) == 0 ? leaf()
                   : pick(2) == 0             ? unary(depth, eager)
                                              : join(depth, eager);
        // Reading a part on the way leaves its rows written for good.
        if (pick(5) == 0) (void)std::as_const(r).data();
        return r;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n)(rng_); }

    Record leaf() {
        switch (pick(4)) {
            case 0:
                return makeMessageRecord(pick(1) ? "x" : "a message longer than fifteen bytes", Color::red);
            case 1:
                return makeIntegerRecord(pick(1000) - 500);
            case 2:
                return makeRationalRecord(pick(20) - 10, pick(9) + 1, Color::blue);
            case 3:
                return makeSignedRationalRecord(pick(20) - 10, pick(9) + 1);
            default:
                // Rows the writers did not write: an index with a leading zero.
                return Record{{"start", "1"}, {"block", "01"}};
        }
    }
    Record operand(int depth, bool eager) {
        Record r = build(depth - 1, eager);
        if (eager) (void)r.begin();
        return r;
    }
    Record unary(int depth, bool eager) {
        return makeUnaryRecord(pick(1) ? text::kParens : text::kRadical, operand(depth, eager), Color::green,
                               "u");
    }
    Record join(int depth, bool eager) {
        Record left = operand(depth, eager);
        if (pick(4) == 0) {
            // The same record on both sides, shared.
            Record right = left;
            return makeJoinRecord(text::kPaperclip, std::move(left), std::move(right));
        }
        return makeJoinRecord(pick(1) ? "+" : text::kMinusSign, std::move(left), operand(depth, eager),
                              Color::gray, "j");
    }

    std::mt19937 rng_;
};

TEST(RecordStorage, DeferredItemsWriteTheRowsOfTheWriters) {
    for (unsigned seed = 0; seed < 300; ++seed) {
        const Record deferred = Lines(seed).build(6, false), eager = Lines(seed).build(6, true);
        ASSERT_EQ(deferred.size(), eager.size()) << seed;
        for (std::size_t i = 0; i < eager.size(); ++i)
            ASSERT_EQ(deferred[i], eager[i]) << seed << " row " << i;
        // Changing a copy of a deferred record changes the copy only.
        Record changed = deferred;
        changed.back()[0] = "changed";
        EXPECT_EQ(deferred, eager) << seed;
    }
}

// Malformed operands and colours are refused by the writer that takes them,
// deferred or not.
TEST(RecordStorage, MalformedOperandsStillFailAtTheJoin) {
    const Record line = makeJoinRecord("+", makeIntegerRecord(1), makeIntegerRecord(2));
    EXPECT_THROW(makeJoinRecord("+", line, Record{{"start", "1"}, {"block", "x"}}), std::invalid_argument);
    EXPECT_THROW(makeJoinRecord("+", line, Record{{"start", "1"}, {"join_locator", "1"}}), std::out_of_range);
    // On the left, rows are taken as they are; they fail when moved later.
    const Record kept = makeJoinRecord("+", Record{{"start", "1"}, {"block", "x"}}, line);
    EXPECT_EQ(kept[1], (Row{"block", "x"}));
    EXPECT_THROW(makeJoinRecord("+", line, kept), std::invalid_argument);
    // A colour without a name fails where it is given, not where it is read.
    const auto nameless = static_cast<Color>(kColorCount);
    EXPECT_THROW(makeMessageRecord("x", nameless), std::out_of_range);
    EXPECT_THROW(makeJoinRecord("+", line, line, nameless), std::out_of_range);
    EXPECT_THROW(makeUnaryRecord("-", line, nameless), std::out_of_range);
}

// Threads that read the same deferred line at once all read the same rows.
TEST(RecordStorage, ConcurrentReadersWriteTheRowsOnce) {
    const Record expected = Lines(7).build(7, true);
    for (int round = 0; round < 20; ++round) {
        const Record shared = Lines(7).build(7, false);
        std::vector<Record> seen(4);
        std::vector<std::thread> readers;
        for (Record& s : seen)
            readers.emplace_back([&shared, &s] {
                const Record copy = shared;
                s = Record(copy.begin(), copy.end());
            });
        for (std::thread& t : readers) t.join();
        for (const Record& s : seen) EXPECT_EQ(s, expected);
    }
}

}  // namespace
}  // namespace radixmender
