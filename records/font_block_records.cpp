#include "records/font_block_records.hpp"

#include "records/writers.hpp"

namespace radixmender {

Record makeFontRecord(Font font, Record operand, const std::string& tag) {
    const std::int64_t operandStart = startIndex(operand);
    operand[0] = {"start", std::to_string(operand.size())};
    operand.push_back({"font", rawValue(font)});
    operand.push_back({"font_locator", std::to_string(operandStart)});
    operand.push_back({"font_tag", tag});
    return operand;
}

Record makeBlockRecord(Record operand) {
    std::string operandStart = entryAt(rowAt(operand, 0), 1);
    operand[0] = {"start", std::to_string(operand.size())};
    operand.push_back({"block", std::move(operandStart)});
    return operand;
}

}  // namespace radixmender
