#include "tests/support/record_check.hpp"

#include <array>
#include <stdexcept>
#include <string_view>

#include "records/text.hpp"

namespace radixmender::testing {

namespace {

// How the rows of one kind are laid out. Items with operands name them in a
// locator row right after the kind row, except "block", whose one locator is
// its kind row's value.
struct KindLayout {
    std::string_view kind;
    int valueCount;  // entries after the keyword in the kind row
    int colorSlots;  // -1: no colour row
    int operands;    // 0, 1 or 2
    bool hasTag;
    int firstIntegerValue;  // values from here on must be decimal integers; -1: none
};

constexpr std::array<KindLayout, 16> kLayouts = {{
    {"message", 1, 1, 0, true, -1},
    {"integer", 1, 1, 0, true, 0},
    {"rational", 2, 4, 0, true, 0},
    {"signed_rational", 3, 4, 0, true, 1},
    {"unary", 1, 1, 1, true, -1},
    {"join", 1, 1, 2, true, -1},
    {"BLANK", 0, -1, 0, false, -1},
    {"whole", 1, 1, 0, true, 0},
    {"fraction", 2, 2, 0, true, 0},
    {"mixed_number", 3, 3, 0, true, 0},
    {"extended_fraction", 5, 2, 0, true, 1},
    {"fraction_cancel_numerator_and_denominator", 4, 6, 0, true, 0},
    {"fraction_cancel_numerator", 3, 4, 0, true, 0},
    {"fraction_cancel_denominator", 3, 4, 0, true, 0},
    {"font", 1, -1, 1, true, -1},
    {"block", 1, -1, 1, false, 0},
}};

// The operation tableaux: a "plug_in" head row [.., layout, N], the layout's
// kind row (none for "prime_tree"), one row per part and the tag row.
struct PlugInLayout {
    std::string_view layout;
    int kindValues;                         // -1: no kind row
    int firstIntegerKindValue;              // kind values from here on are decimal integers; -1: none
    std::array<std::string_view, 6> parts;  // parts ending in "colors" hold colour names
};

constexpr std::array<PlugInLayout, 8> kPlugIns = {{
    {"prime_tree", -1, -1, {"pairs", "colors"}},
    {"count_op", 1, -1, {"tableau", "count_ups", "globals", "locals"}},
    {"add_column", 4, 1, {"tableau", "attributes"}},
    {"divide_op", 1, -1, {"tableau", "background_tableau", "lines", "globals", "locals"}},
    {"divide_partial_op", 1, -1, {"tableau", "partials", "globals", "locals"}},
    {"tableau_op", 1, -1, {"tableau", "attributes", "globals", "locals"}},
    {"lattice_multiply",
     2,
     0,
     {"factors", "factor_colors", "products", "product_colors", "partials", "partial_colors"}},
    {"grid_multiply", 2, 0, {"factors", "factor_colors", "partials", "partial_colors"}},
}};

[[noreturn]] void fail(const std::string& reason) { throw std::invalid_argument(reason); }

std::string quoted(const Row& row) {
    std::string s = "[";
    for (std::size_t i = 0; i < row.size(); ++i) s += (i ? ", \"" : "\"") + row[i] + "\"";
    return s + "]";
}

class Decoder {
public:
    explicit Decoder(const Record& record) : record_(record) {}

    DecodedItem decodeWhole() {
        if (record_.empty()) fail("record has no rows");
        const Row& start = record_[0];
        if (start.size() != 2 || start[0] != "start") fail("row 0 is not [\"start\", k]: " + quoted(start));
        const auto k = parseInteger(start[1]);
        if (!k) fail("start value \"" + start[1] + "\" is not an integer");
        if (*k < 1 || *k >= size()) fail("start value " + start[1] + " is outside the rows");
        DecodedItem root = decode(*k, 0);
        if (root.lastRow != size() - 1)
            fail("start points at row " + start[1] + ", but the outermost item must own the last row " +
                 std::to_string(size() - 1) + " (its rows end at " + std::to_string(root.lastRow) + ")");
        if (root.firstRow != 1)
            fail("rows 1 to " + std::to_string(root.firstRow - 1) + " belong to no item of the tree");
        return root;
    }

private:
    std::int64_t size() const { return static_cast<std::int64_t>(record_.size()); }

    // A row of the item at `kindRow`, checked for its keyword `prefix` +
    // `suffix` and (unless `entries` is 0) its length. Messages are composed
    // only when something is wrong: every line of every sweep is decoded.
    const Row& attributeRow(std::int64_t at, std::string_view prefix, std::string_view suffix,
                            std::size_t entries, std::int64_t kindRow) const {
        const auto keyword = [&] { return std::string(prefix) + std::string(suffix); };
        if (at < 0 || at >= size())
            fail(keyword() + " of the item at row " + std::to_string(kindRow) + ": row " +
                 std::to_string(at) + " is missing (record has " + std::to_string(size()) + " rows)");
        const Row& r = record_[static_cast<std::size_t>(at)];
        if (r.empty() || r[0].size() != prefix.size() + suffix.size() || !r[0].starts_with(prefix) ||
            !r[0].ends_with(suffix))
            fail("row " + std::to_string(at) + " should be the " + keyword() + " row of the item at row " +
                 std::to_string(kindRow) + " but is " + quoted(r));
        if (entries != 0 && r.size() != entries)
            fail("row " + std::to_string(at) + " " + quoted(r) + " should have " +
                 std::to_string(entries - 1) + " value(s)");
        return r;
    }

    std::int64_t locatorValue(const std::string& text, std::int64_t at, std::int64_t kindRow) const {
        const auto value = parseInteger(text);
        if (!value) fail("locator \"" + text + "\" in row " + std::to_string(at) + " is not an integer");
        if (*value < 1 || *value >= kindRow)
            fail("locator " + text + " in row " + std::to_string(at) +
                 " does not point at an earlier row than its item's kind row " + std::to_string(kindRow));
        return *value;
    }

    static void readColors(const Row& r, std::int64_t at, std::vector<Color>& colors) {
        for (std::size_t i = 1; i < r.size(); ++i) {
            const auto c = colorFromRawValue(r[i]);
            if (!c) fail("row " + std::to_string(at) + " holds \"" + r[i] + "\", not a colour name");
            colors.push_back(*c);
        }
    }

    static void requireIntegers(const Row& r, std::size_t from, std::int64_t at) {
        for (std::size_t i = from; i < r.size(); ++i)
            if (!parseInteger(r[i]))
                fail("value \"" + r[i] + "\" in row " + std::to_string(at) + " is not a decimal integer");
    }

    // A box item: kind row, values row, colours row of any length, tag row.
    DecodedItem decodeBox(std::int64_t at, const Row& kindRow) {
        DecodedItem item{at, at, at + 3, kindRow[0], {kindRow.begin() + 1, kindRow.end()}, {}, {}, {}};
        const bool table = item.kind == "box_table";
        if (kindRow.size() != (table ? 4u : 2u) || kindRow[1] != "4")
            fail("kind row " + std::to_string(at) + " " + quoted(kindRow) + " is not a " + item.kind +
                 " row");
        requireIntegers(kindRow, 2, at);
        const Row& values = attributeRow(at + 1, item.kind, table ? "_entries" : "_terms", 0, at);
        if (table) {
            requireIntegers(values, 1, at + 1);
            std::int64_t cells = 0;
            const std::int64_t rows = *parseInteger(kindRow[2]), columns = *parseInteger(kindRow[3]);
            if (rows < 0 || columns < 0 || __builtin_mul_overflow(rows, columns, &cells) ||
                values.size() == 1 || static_cast<std::int64_t>(values.size()) - 1 != cells)
                fail("box_table at row " + std::to_string(at) + " holds " +
                     std::to_string(values.size() - 1) + " entries for " + kindRow[2] + " × " + kindRow[3]);
        }
        readColors(attributeRow(at + 2, item.kind, "_colors", 0, at), at + 2, item.colors);
        item.tag = attributeRow(at + 3, item.kind, "_tag", 2, at)[1];
        return item;
    }

    DecodedItem decodePlugIn(std::int64_t at, const Row& head) {
        const PlugInLayout* layout = nullptr;
        for (const auto& l : kPlugIns)
            if (head.size() == 3 && l.layout == head[1]) layout = &l;
        if (!layout) fail("row " + std::to_string(at) + " " + quoted(head) + " is not a plug_in head row");
        const std::string kind(layout->layout);
        int parts = 0;
        while (parts < 6 && !layout->parts[static_cast<std::size_t>(parts)].empty()) ++parts;
        const std::int64_t count = 2 + (layout->kindValues >= 0 ? 1 : 0) + parts;
        if (head[2] != std::to_string(count))
            fail("plug_in " + kind + " at row " + std::to_string(at) + " counts " + head[2] + " rows, not " +
                 std::to_string(count));
        DecodedItem item{at, at, at + count - 1, "plug_in", {head[1], head[2]}, {}, {}, {}};
        std::int64_t next = at + 1;
        if (layout->kindValues >= 0) {
            const Row& r = attributeRow(next, kind, "", static_cast<std::size_t>(layout->kindValues) + 1, at);
            if (layout->firstIntegerKindValue >= 0)
                requireIntegers(r, static_cast<std::size_t>(layout->firstIntegerKindValue) + 1, next);
            ++next;
        }
        std::size_t pairs = 0;
        for (int p = 0; p < parts; ++p, ++next) {
            const std::string_view part = layout->parts[static_cast<std::size_t>(p)];
            const Row& r = attributeRow(next, kind + "_", part, 0, at);
            if (part.ends_with("colors")) {
                readColors(r, next, item.colors);
            } else if (kind == "prime_tree") {
                requireIntegers(r, 1, next);
                pairs = r.size() - 1;
            }
        }
        if (kind == "prime_tree" && (pairs % 2 != 0 || item.colors.size() != pairs))
            fail("prime_tree at row " + std::to_string(at) + " has " + std::to_string(pairs) +
                 " numbers and " + std::to_string(item.colors.size()) + " colours");
        item.tag = attributeRow(next, kind, "_tag", 2, at)[1];
        return item;
    }

    // The item whose kind row is `at`, named by the locator of row `parent`
    // (0: the start row).
    DecodedItem decode(std::int64_t at, std::int64_t parent) {
        const auto from = [parent] {
            return parent == 0 ? std::string("start") : "the locator of row " + std::to_string(parent);
        };
        if (at < 0 || at >= size())
            fail("item named by " + from() + ": row " + std::to_string(at) + " is missing (record has " +
                 std::to_string(size()) + " rows)");
        const Row& kindRow = record_[static_cast<std::size_t>(at)];
        if (kindRow.empty()) fail("row " + std::to_string(at) + " named by " + from() + " is empty");
        if (kindRow[0] == "plug_in") return decodePlugIn(at, kindRow);
        if (kindRow[0] == "box_grid" || kindRow[0] == "box_table") return decodeBox(at, kindRow);
        const KindLayout* layout = nullptr;
        for (const auto& l : kLayouts)
            if (l.kind == kindRow[0]) {
                layout = &l;
                break;
            }
        if (!layout)
            fail("row " + std::to_string(at) + " named by " + from() +
                 " is not a known kind row: " + quoted(kindRow));

        DecodedItem item;
        item.row = at;
        item.kind = kindRow[0];
        if (kindRow.size() != static_cast<std::size_t>(layout->valueCount) + 1)
            fail("kind row " + std::to_string(at) + " " + quoted(kindRow) + " should have " +
                 std::to_string(layout->valueCount) + " value(s)");
        item.values.assign(kindRow.begin() + 1, kindRow.end());
        checkValues(*layout, item, at);

        std::int64_t next = at + 1;
        std::array<std::int64_t, 2> operandRows{};
        std::size_t operandCount = 0;
        if (item.kind == "block") {
            operandRows[operandCount++] = locatorValue(item.values[0], at, at);
        } else if (layout->operands > 0) {
            const Row& locators =
                attributeRow(next, item.kind, "_locator", static_cast<std::size_t>(layout->operands) + 1, at);
            for (std::size_t i = 1; i < locators.size(); ++i)
                operandRows[operandCount++] = locatorValue(locators[i], next, at);
            ++next;
        }
        if (layout->colorSlots >= 0) {
            readColors(
                attributeRow(next, item.kind, "_color", static_cast<std::size_t>(layout->colorSlots) + 1, at),
                next, item.colors);
            ++next;
        }
        if (layout->hasTag) {
            item.tag = attributeRow(next, item.kind, "_tag", 2, at)[1];
            ++next;
        }
        item.lastRow = next - 1;

        // Postfix order: the operands' rows stand directly before the kind
        // row, the last operand last, with nothing in between.
        std::int64_t expectedEnd = at - 1;
        std::vector<DecodedItem> children(operandCount);
        for (std::size_t i = operandCount; i-- > 0;) {
            children[i] = decode(operandRows[i], at);
            if (children[i].lastRow != expectedEnd)
                fail("operand " + std::to_string(i + 1) + " of the item at row " + std::to_string(at) +
                     " ends at row " + std::to_string(children[i].lastRow) + " but should end at row " +
                     std::to_string(expectedEnd) + " (rows out of postfix order or unused)");
            expectedEnd = children[i].firstRow - 1;
        }
        item.firstRow = expectedEnd + 1;
        item.children = std::move(children);
        return item;
    }

    static void checkValues(const KindLayout& layout, const DecodedItem& item, std::int64_t at) {
        if (layout.firstIntegerValue >= 0)
            requireIntegers(item.values, static_cast<std::size_t>(layout.firstIntegerValue), at);
        if (item.kind == "signed_rational") {
            if (item.values[0] != "+" && item.values[0] != "-")
                fail("signed_rational at row " + std::to_string(at) + " has the sign \"" + item.values[0] +
                     "\"");
            if (*parseInteger(item.values[1]) < 0 || *parseInteger(item.values[2]) < 0)
                fail("signed_rational at row " + std::to_string(at) + " has a negative magnitude");
        }
        if (item.kind == "font" && !fontFromRawValue(item.values[0]))
            fail("font at row " + std::to_string(at) + " names no font: \"" + item.values[0] + "\"");
    }

    const Record& record_;
};

std::string decorations(const DecodedItem& item) {
    std::string s;
    bool allBlack = true;
    for (Color c : item.colors) allBlack = allBlack && c == Color::black;
    if (!allBlack) {
        s += "{";
        for (std::size_t i = 0; i < item.colors.size(); ++i) s += (i ? "," : "") + rawValue(item.colors[i]);
        s += "}";
    }
    if (item.tag && *item.tag != "anon") s += "#" + *item.tag;
    return s;
}

void collect(const DecodedItem& item, std::vector<const DecodedItem*>& out) {
    for (const auto& child : item.children) collect(child, out);
    out.push_back(&item);
}

}  // namespace

DecodedItem decodeRecord(const Record& record) { return Decoder(record).decodeWhole(); }

std::optional<std::string> validateRecord(const Record& record) {
    try {
        decodeRecord(record);
    } catch (const std::invalid_argument& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

std::optional<std::string> validateSteps(const Steps& steps) {
    for (std::size_t s = 0; s < steps.size(); ++s)
        for (std::size_t l = 0; l < steps[s].size(); ++l)
            if (auto reason = validateRecord(steps[s][l]))
                return "step " + std::to_string(s) + ", line " + std::to_string(l) + ": " + *reason;
    return std::nullopt;
}

std::string describeItem(const DecodedItem& item) {
    const std::string deco = decorations(item);
    const auto& v = item.values;
    if (item.kind == "integer") return v[0] + deco;
    if (item.kind == "message") return "\"" + v[0] + "\"" + deco;
    if (item.kind == "rational") return "[" + v[0] + "/" + v[1] + "]" + deco;
    if (item.kind == "signed_rational") return "[" + v[0] + v[1] + "/" + v[2] + "]" + deco;
    if (item.kind == "BLANK") return "BLANK";
    if (item.kind == "unary") return v[0] + deco + "(" + describeItem(item.children.at(0)) + ")";
    if (item.kind == "join")
        return "(" + describeItem(item.children.at(0)) + " " + v[0] + deco + " " +
               describeItem(item.children.at(1)) + ")";
    std::string s = item.kind;
    if (item.kind != "block") {
        s += "(";
        for (std::size_t i = 0; i < v.size(); ++i) s += (i ? ", " : "") + v[i];
        s += ")";
    }
    s += deco;
    for (const auto& child : item.children) s += "(" + describeItem(child) + ")";
    return s;
}

std::string describeRecord(const Record& record) { return describeItem(decodeRecord(record)); }

std::vector<const DecodedItem*> itemsInPostfixOrder(const DecodedItem& root) {
    std::vector<const DecodedItem*> out;
    collect(root, out);
    return out;
}

::testing::AssertionResult IsValidRecord(const Record& record) {
    if (auto reason = validateRecord(record)) return ::testing::AssertionFailure() << *reason;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult AreValidSteps(const Steps& steps) {
    if (auto reason = validateSteps(steps)) return ::testing::AssertionFailure() << *reason;
    return ::testing::AssertionSuccess();
}

}  // namespace radixmender::testing
