#include "records/tableau_records.hpp"

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <utility>

#include "records/record_rows.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

// One part of a layout: its name and its values, a table already flattened.
struct Part {
    const char* name;
    Texts values;
};

Row keyed(const std::string& key, const Texts& values) {
    Row row{key};
    row.insert(row.end(), values.begin(), values.end());
    return row;
}

Texts flat(const TextTable& table) {
    Texts texts;
    for (const Texts& inner : table) texts.insert(texts.end(), inner.begin(), inner.end());
    return texts;
}

Record plugInRecord(const std::string& kind, const std::optional<Texts>& kindValues,
                    std::initializer_list<Part> parts, const std::string& tag) {
    const std::size_t count = 2 + (kindValues ? 1 : 0) + parts.size();
    Record record{{"start", "1"}, {"plug_in", kind, std::to_string(count)}};
    if (kindValues) record.push_back(keyed(kind, *kindValues));
    for (const Part& part : parts) record.push_back(keyed(kind + "_" + part.name, part.values));
    record.push_back({kind + "_tag", tag});
    return record;
}

// A row of an item that an updater may rewrite: its offset from the head row,
// its part name and the new values (none: the row stays).
struct Update {
    std::int64_t offset;
    const char* name;
    const Texts& values;
};

// Rewrites rows of the first plug_in item of the kind whose tag row, at
// `tagOffset` from its head row, holds the tag.
void updatePlugIn(Record& record, const std::string& kind, std::int64_t tagOffset,
                  std::initializer_list<Update> updates, const std::string& tag) {
    const auto head = findRowByWalk(record, [&](std::int64_t i) {
        const Row& row = rowAt(record, i);
        return entryAt(row, 0) == "plug_in" && entryAt(row, 1) == kind &&
               rowValue(record, i + tagOffset) == tag;
    });
    if (!head) return;
    for (const Update& u : updates) {
        if (!u.values.empty()) rowAt(record, *head + u.offset) = keyed(kind + "_" + u.name, u.values);
    }
}

}  // namespace

Record makePrimeTreeRecord(const std::string& tag, const std::vector<PrimeTreeRow>& pairs) {
    Texts numbers, colors;
    for (const PrimeTreeRow& p : pairs) {
        numbers.push_back(std::to_string(p.divisor));
        numbers.push_back(std::to_string(p.quotient));
        colors.push_back(rawValue(p.divisorColor));
        colors.push_back(rawValue(p.quotientColor));
    }
    return plugInRecord("prime_tree", std::nullopt, {{"pairs", numbers}, {"colors", colors}}, tag);
}

Record makeCountOpRecord(const std::string& tag, const std::string& mode, const TextTable& tableau,
                         const Texts& globals, const Texts& locals, const Texts& countUps) {
    return plugInRecord(
        "count_op", Texts{mode},
        {{"tableau", flat(tableau)}, {"count_ups", countUps}, {"globals", globals}, {"locals", locals}}, tag);
}

Record makeAddColumnRecord(const std::string& tag, const std::string& mode, std::int64_t value,
                           const TextTable& tableau, const TextTable& attributes) {
    if (tableau.empty()) throw std::out_of_range("Index out of range");
    return plugInRecord("add_column",
                        Texts{mode, std::to_string(value), std::to_string(tableau.size()),
                              std::to_string(tableau.front().size())},
                        {{"tableau", flat(tableau)}, {"attributes", flat(attributes)}}, tag);
}

Record makeDivideOpRecord(const std::string& tag, const std::string& mode, const Texts& tableau,
                          const Texts& background, const Texts& lines, const Texts& globals,
                          const Texts& locals) {
    return plugInRecord("divide_op", Texts{mode},
                        {{"tableau", tableau},
                         {"background_tableau", background},
                         {"lines", lines},
                         {"globals", globals},
                         {"locals", locals}},
                        tag);
}

Record makeDividePartialOpRecord(const std::string& tag, const std::string& mode, const Texts& tableau,
                                 const Texts& globals, const Texts& locals, const Texts& partials) {
    return plugInRecord(
        "divide_partial_op", Texts{mode},
        {{"tableau", tableau}, {"partials", partials}, {"globals", globals}, {"locals", locals}}, tag);
}

Record makeTableauOpRecord(const std::string& tag, const std::string& mode, const TextTable& tableau,
                           const TextTable& attributes, const Texts& globals, const Texts& locals) {
    return plugInRecord("tableau_op", Texts{mode},
                        {{"tableau", flat(tableau)},
                         {"attributes", flat(attributes)},
                         {"globals", globals},
                         {"locals", locals}},
                        tag);
}

Record makeLatticeMultiplyRecord(const std::string& m, const std::string& n, const Texts& factors,
                                 const Texts& factorColors, const Texts& products, const Texts& productColors,
                                 const Texts& partials, const Texts& partialColors, const std::string& tag) {
    return plugInRecord("lattice_multiply", Texts{m, n},
                        {{"factors", factors},
                         {"factor_colors", factorColors},
                         {"products", products},
                         {"product_colors", productColors},
                         {"partials", partials},
                         {"partial_colors", partialColors}},
                        tag);
}

Record makeGridMultiplyRecord(const std::string& m, const std::string& n, const Texts& factors,
                              const Texts& factorColors, const Texts& partials, const Texts& partialColors,
                              const std::string& tag) {
    return plugInRecord("grid_multiply", Texts{m, n},
                        {{"factors", factors},
                         {"factor_colors", factorColors},
                         {"partials", partials},
                         {"partial_colors", partialColors}},
                        tag);
}

void updateLatticeMultiply(Record& record, const Texts& partials, const Texts& factorColors,
                           const Texts& productColors, const Texts& partialColors, const std::string& tag) {
    updatePlugIn(record, "lattice_multiply", 8,
                 {{6, "partials", partials},
                  {3, "factor_colors", factorColors},
                  {5, "product_colors", productColors},
                  {7, "partial_colors", partialColors}},
                 tag);
}

void updateGridMultiply(Record& record, const Texts& factorColors, const Texts& partialColors,
                        const std::string& tag) {
    updatePlugIn(record, "grid_multiply", 6,
                 {{3, "factor_colors", factorColors}, {5, "partial_colors", partialColors}}, tag);
}

}  // namespace radixmender
