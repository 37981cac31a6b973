// The operation tableaux drawn from their values rather than a record: the
// values are written as the item's rows and drawn as the line's item would
// be, so both ways draw the same through one measured layout.
#include <initializer_list>
#include <string>
#include <utility>

#include "engine/items.hpp"
#include "engine/universal_engine_view.hpp"
#include "platform/font.hpp"

namespace radixmender {
namespace {

using Texts = UniversalEngineView::Texts;

Row row(std::string keyword, Texts values) {
    Row r{std::move(keyword)};
    r.insert(r.end(), values.begin(), values.end());
    return r;
}

Row flat(std::string keyword, const UniversalEngineView::Table& table) {
    Row r{std::move(keyword)};
    for (const auto& line : table) r.insert(r.end(), line.begin(), line.end());
    return r;
}

// The record of one "plug_in" item of `kind` whose rows follow the plug-in row, the tag last.
void drawPlugIn(const std::string& kind, std::vector<Row> rows, double x, double y, double size) {
    Record record{{"start", "1"}, {"plug_in", kind, std::to_string(rows.size() + 2)}};
    for (Row& r : rows) record.push_back(std::move(r));
    record.push_back({kind + "_tag", "anon"});
    drawItems(record, "1", defaultFontName(), x, y, size, platform::FontWeight::medium);
}

// The item of `kind` whose kind row holds `head`, the lists in the rows after
// it, each named `kind` + "_" + its name.
void drawListed(const std::string& kind, const std::string& head,
                std::initializer_list<std::pair<const char*, Texts>> lists, double x, double y, double size) {
    std::vector<Row> rows{{kind, head}};
    for (const auto& [name, values] : lists) rows.push_back(row(kind + "_" + name, values));
    drawPlugIn(kind, std::move(rows), x, y, size);
}

// The values of entries, then their text colours and their background colours.
struct Columns {
    Row values, colours, backgrounds;
    void add(const UniversalEngineView::Entries& entries) {
        for (const UniversalEngineView::Entry& e : entries) {
            values.push_back(e.value);
            colours.push_back(e.foreground);
            backgrounds.push_back(e.background);
        }
    }
    Row valuesRow(const std::string& keyword) const { return row(keyword, values); }
    Row coloursRow(const std::string& keyword) const {
        Row r = row(keyword, colours);
        r.insert(r.end(), backgrounds.begin(), backgrounds.end());
        return r;
    }
};

}  // namespace

void UniversalEngineView::drawLatticeMultiply(const Entries& top, const Entries& side,
                                              const Entries& leftAnswers, const Entries& bottomAnswers,
                                              const std::vector<Entries>& upper,
                                              const std::vector<Entries>& lower, double x, double y,
                                              double size) {
    Columns factors, products, ups, downs;
    factors.add(top);
    factors.add(side);
    products.add(leftAnswers);
    products.add(bottomAnswers);
    for (const Entries& r : upper) ups.add(r);
    for (const Entries& r : lower) downs.add(r);
    // Partials: upper digits then lower ones; colours: upper texts, upper
    // backgrounds, lower texts, lower backgrounds.
    Row partials = ups.valuesRow("lattice_multiply_partials");
    partials.insert(partials.end(), downs.values.begin(), downs.values.end());
    Row partialColours = ups.coloursRow("lattice_multiply_partial_colors");
    const Row lowerColours = downs.coloursRow("");
    partialColours.insert(partialColours.end(), lowerColours.begin() + 1, lowerColours.end());
    drawPlugIn("lattice_multiply",
               {{"lattice_multiply", std::to_string(side.size()), std::to_string(top.size())},
                factors.valuesRow("lattice_multiply_factors"),
                factors.coloursRow("lattice_multiply_factor_colors"),
                products.valuesRow("lattice_multiply_products"),
                products.coloursRow("lattice_multiply_product_colors"),
                std::move(partials),
                std::move(partialColours)},
               x, y, size);
}

void UniversalEngineView::drawGridMultiply(const Entries& top, const Entries& left,
                                           const std::vector<Entries>& cells, double x, double y,
                                           double size) {
    Columns labels, partials;
    labels.add(top);
    labels.add(left);
    for (const Entries& r : cells) partials.add(r);
    drawPlugIn("grid_multiply",
               {{"grid_multiply", std::to_string(left.size()), std::to_string(top.size())},
                labels.valuesRow("grid_multiply_factors"),
                labels.coloursRow("grid_multiply_factor_colors"),
                partials.valuesRow("grid_multiply_partials"),
                partials.coloursRow("grid_multiply_partial_colors")},
               x, y, size);
}

void UniversalEngineView::drawAddColumn(const std::string& s, std::int64_t lines, std::int64_t rows,
                                        std::int64_t columns, const Table& table, const Table& attributes,
                                        double x, double y, double size) {
    drawPlugIn("add_column",
               {{"add_column", s, std::to_string(lines), std::to_string(rows), std::to_string(columns)},
                flat("add_column_tableau", table),
                flat("add_column_attributes", attributes)},
               x, y, size);
}

void UniversalEngineView::drawTableauOp(const std::string& sign, const Table& cells, const Table& attributes,
                                        Texts globals, Texts locals, double x, double y, double size) {
    drawPlugIn("tableau_op",
               {{"tableau_op", sign},
                flat("tableau_op_tableau", cells),
                flat("tableau_op_attributes", attributes),
                row("tableau_op_globals", globals),
                row("tableau_op_locals", locals)},
               x, y, size);
}

void UniversalEngineView::drawDivideOp(const std::string& sign, Texts tableau, Texts backgrounds, Texts lines,
                                       Texts globals, Texts locals, double x, double y, double size) {
    drawListed("divide_op", sign,
               {{"tableau", tableau},
                {"background_tableau", backgrounds},
                {"lines", lines},
                {"globals", globals},
                {"locals", locals}},
               x, y, size);
}

void UniversalEngineView::drawDividePartialOp(const std::string& sign, Texts tableau, Texts partials,
                                              Texts globals, Texts locals, double x, double y, double size) {
    drawListed("divide_partial_op", sign,
               {{"tableau", tableau}, {"partials", partials}, {"globals", globals}, {"locals", locals}}, x, y,
               size);
}

void UniversalEngineView::drawCountOp(const std::string& mode, Texts tableau, Texts countUps, Texts globals,
                                      Texts locals, double x, double y, double size) {
    drawListed("count_op", mode,
               {{"tableau", tableau}, {"count_ups", countUps}, {"globals", globals}, {"locals", locals}}, x,
               y, size);
}

}  // namespace radixmender
