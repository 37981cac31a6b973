#include "records/record_rows.hpp"

#include <stdexcept>
#include <string_view>

#include "records/writers.hpp"

namespace radixmender {

std::int64_t itemRowCount(const Record& record, std::int64_t index) {
    const Row& row = rowAt(record, index);
    const std::string_view kind = entryAt(row, 0);
    if (kind == "start" || kind == "block" || kind == "BLANK") return 1;
    if (kind == "unary" || kind == "join" || kind == "box_grid" || kind == "box_table") return 4;
    if (kind == "plug_in") {
        const std::int64_t count = integerEntry(row, 2);
        // A count below one would never move the walk on.
        if (count < 1)
            throw std::invalid_argument("plug_in item at row " + std::to_string(index) + " counts " +
                                        std::to_string(count) + " rows");
        return count;
    }
    return 3;
}

std::optional<std::int64_t> findRowByWalk(const Record& record,
                                          const std::function<bool(std::int64_t)>& matches) {
    const auto size = static_cast<std::int64_t>(record.size());
    for (std::int64_t i = 0; i < size;) {
        if (matches(i)) return i;
        const std::int64_t step = itemRowCount(record, i);
        if (step >= size - i) break;
        i += step;
    }
    return std::nullopt;
}

const std::string& rowValue(const Record& record, std::int64_t index) {
    return entryAt(rowAt(record, index), 1);
}

void rewriteColourRow(Record& record, std::int64_t colourRowIndex, const std::string& kind,
                      const ColourSlots& slots, const std::array<Color, 3>& colors) {
    Row& old = rowAt(record, colourRowIndex);
    Row row{kind + "_color"};
    for (const int slot : slots) {
        row.push_back(slot >= 0 ? rawValue(colors.at(static_cast<std::size_t>(slot)))
                                : entryAt(old, static_cast<std::size_t>(-slot)));
    }
    old = std::move(row);
}

}  // namespace radixmender
