#include "records/box_records.hpp"

#include <stdexcept>

#include "records/checked.hpp"
#include "records/writers.hpp"

namespace radixmender {

namespace {

Record boxRecord(const std::string& kind, Row kindValues, const char* valuesKey, Row values,
                 const std::vector<Color>& colors, const std::string& tag) {
    kindValues.insert(kindValues.begin(), {kind, "4"});
    values.insert(values.begin(), kind + valuesKey);
    Row colorRow{kind + "_colors"};
    for (const Color c : colors) colorRow.push_back(rawValue(c));
    return {
        {"start", "1"}, std::move(kindValues), std::move(values), std::move(colorRow), {kind + "_tag", tag}};
}

}  // namespace

Record makeBoxGridRecordFromTerms(const std::vector<BoxGridTerm>& terms, const std::vector<Color>& colors,
                                  const std::string& tag) {
    Row texts;
    for (std::size_t k = 0; k < terms.size(); ++k) texts.push_back(boxGridTermText(terms[k], k));
    return boxRecord("box_grid", {}, "_terms", std::move(texts), colors, tag);
}

Record makeBoxTableRecord(std::uint64_t rows, std::uint64_t columns, const std::vector<std::int64_t>& entries,
                          const std::vector<Color>& colors, const std::string& tag) {
    std::uint64_t cells = 0;
    if (__builtin_mul_overflow(rows, columns, &cells)) throw std::overflow_error(kOverflowMessage);
    if (entries.empty() || entries.size() != cells) return makeMessageRecord("system error in table");
    Row values;
    for (const std::int64_t e : entries) values.push_back(std::to_string(e));
    return boxRecord("box_table", {std::to_string(rows), std::to_string(columns)}, "_entries",
                     std::move(values), colors, tag);
}

Record makeSpacedUnaryRecord(const std::string& text, const Record& operand, Color color,
                             const std::string& tag) {
    return makeUnaryRecord(text + " ", operand, color, tag);
}

}  // namespace radixmender
