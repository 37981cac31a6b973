#include "records/record.hpp"

#include <array>

#include "records/locator_rows.hpp"

namespace radixmender {

namespace {

// The row keywords of the items without operands the writers make most,
// written without building them from the kind each time.
struct LeafKeywords {
    std::string_view kind, colour, tag;
};
constexpr LeafKeywords kLeafKeywords[] = {
    {"message", "message_color", "message_tag"},
    {"integer", "integer_color", "integer_tag"},
    {"rational", "rational_color", "rational_tag"},
    {"signed_rational", "signed_rational_color", "signed_rational_tag"},
};

}  // namespace

// An item whose rows are not written yet; `written` holds them once read.
struct Record::Deferred : Block {
    std::atomic<Rows*> written{nullptr};
    ~Deferred() {
        if (Rows* rows = written.load(std::memory_order_acquire)) release(rows);
    }
};

// A unary or join item: its operands (shared, never changed), the start row
// of each within its own record, and the texts of the item's four rows.
struct Record::Item : Deferred {
    Record operands[2];
    std::int64_t starts[2] = {0, 0};
    std::string text, tag;
    Color color = Color::black;
};

// An item without operands: its kind (or the keywords of a kind the writers
// make often), values, colours and tag.
struct Record::Leaf : Deferred {
    const LeafKeywords* keywords = nullptr;
    std::string kind;
    Row values;
    std::uint8_t colourCount = 0;
    Color colours[kLeafColours] = {};
    std::string tag;
};

Record::Rows* Record::allocate(size_type capacity) {
    if (capacity > max_size()) throw std::length_error("Record::reserve");
    void* memory = ::operator new(sizeof(Rows) + capacity * sizeof(Row));
    auto* rows = ::new (memory) Rows;
    rows->capacity = static_cast<std::uint32_t>(capacity);
    return rows;
}

void Record::destroyRows(Rows* rows) noexcept {
    std::destroy(rows->rows(), rows->rows() + rows->size);
    rows->~Rows();
    ::operator delete(static_cast<void*>(rows));
}

void Record::release(Block* block) noexcept {
    if (block->references.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    switch (block->form) {
        case Form::rows:
            return destroyRows(static_cast<Rows*>(block));
        case Form::leaf:
            delete static_cast<Leaf*>(block);
            return;
        case Form::unary:
        case Form::join:
            delete static_cast<Item*>(block);
            return;
    }
}

Record::Block* Record::shareOrCopy() const {
    if (!block_) return nullptr;
    if (block_->deferred() || !static_cast<const Rows*>(block_)->kept) {
        block_->references.fetch_add(1, std::memory_order_relaxed);
        return block_;
    }
    const auto* from = static_cast<const Rows*>(block_);
    Rows* copy = allocate(from->size);
    try {
        std::uninitialized_copy(from->rows(), from->rows() + from->size, copy->rows());
    } catch (...) {
        destroyRows(copy);
        throw;
    }
    copy->size = from->size;
    return copy;
}

void Record::own(size_type capacity) {
    if (!block_) {
        if (capacity > 0) block_ = allocate(capacity);
        return;
    }
    if (block_->deferred()) {
        // The written rows take the item's place; unless they were shared
        // meanwhile, they are this record's alone once the item goes.
        auto* rows = const_cast<Rows*>(writtenOut());
        rows->references.fetch_add(1, std::memory_order_relaxed);
        release(std::exchange(block_, rows));
    }
    Rows* current = rowsBlock();
    const bool shared = isShared();
    if (!shared && capacity <= current->capacity) {
        current->deferrable.store(0, std::memory_order_relaxed);
        return;
    }
    const size_type n = current->size;
    Rows* fresh = allocate(std::max(capacity, n));
    if (shared) {
        try {
            std::uninitialized_copy(current->rows(), current->rows() + n, fresh->rows());
        } catch (...) {
            destroyRows(fresh);
            throw;
        }
        fresh->size = current->size;
        release(current);
    } else {
        std::uninitialized_move(current->rows(), current->rows() + n, fresh->rows());
        fresh->size = current->size;
        destroyRows(current);
    }
    block_ = fresh;
}

void Record::resize(size_type count, const Row& row) {
    const size_type n = size();
    if (count <= n) {
        if (count == n) return;
        own(n);
        std::destroy(rowsBlock()->rows() + count, rowsBlock()->rows() + n);
        block_->size = static_cast<std::uint32_t>(count);
        return;
    }
    const Row copy = row;  // the row may be one of ours
    own(count);
    while (block_->size < count) construct(copy);
}

Record::iterator Record::insert(const_iterator at, Row&& row) {
    const size_type index = offsetOf(at);
    place(std::move(row));
    Row* rows = kept();
    std::rotate(rows + index, rows + size() - 1, rows + size());
    return rows + index;
}

Record::iterator Record::erase(const_iterator first, const_iterator last) {
    if (!block_) return nullptr;
    const size_type from = offsetOf(first), to = offsetOf(last), n = size();
    Row* rows = kept();
    if (from == to) return rows + from;
    std::move(rows + to, rows + n, rows + from);
    std::destroy(rows + n - (to - from), rows + n);
    block_->size = static_cast<std::uint32_t>(n - (to - from));
    return rows + from;
}

// ---- Deferred items ----

bool Record::canDefer() const {
    if (!block_ || block_->deferred()) return block_ != nullptr;
    const auto* rows = static_cast<const Rows*>(block_);
    if (rows->kept) return false;
    if (const std::uint8_t known = rows->deferrable.load(std::memory_order_relaxed)) return known == 1;
    bool fits = true;
    for (std::uint32_t i = 1; i < rows->size && fits; ++i) {
        const Row& row = rows->rows()[i];
        const std::size_t count = locators::indexCount(row);
        if (count == 0) continue;
        fits = row.size() == count + 1;
        for (std::size_t k = 1; k <= count && fits; ++k) fits = locators::canonicalIndex(row[k]) >= 0;
    }
    rows->deferrable.store(fits ? 1 : 2, std::memory_order_relaxed);
    return fits;
}

namespace {

// A colour's name, written once for all rows.
const std::string& colourName(Color color) {
    static const auto names = [] {
        std::array<std::string, kColorCount> all;
        for (int i = 0; i < kColorCount; ++i)
            all[static_cast<std::size_t>(i)] = rawValue(static_cast<Color>(i));
        return all;
    }();
    return names.at(static_cast<std::size_t>(color));
}

// A deferred item writes its colours later; one that has no name fails now,
// as writing it at once would.
void checkColour(Color color) {
    if (static_cast<std::size_t>(color) >= static_cast<std::size_t>(kColorCount)) (void)rawValue(color);
}

}  // namespace

template <class Node>
Node* Record::adopt(Node* node, Form form, size_type size, std::uint32_t start) {
    if (size > max_size()) {
        delete node;
        throw std::length_error("Record::reserve");
    }
    node->form = form;
    node->size = static_cast<std::uint32_t>(size);
    node->start = start;
    drop();
    block_ = node;
    return node;
}

Record Record::deferredUnary(const std::string& text, Record&& operand, std::int64_t operandStart,
                             Color color, const std::string& tag) {
    checkColour(color);
    Record result;
    const size_type size = operand.size() + 4;
    Item* item = result.adopt(new Item, Form::unary, size, static_cast<std::uint32_t>(size - 4));
    item->operands[0] = std::move(operand);
    item->starts[0] = operandStart;
    item->text = text;
    item->tag = tag;
    item->color = color;
    return result;
}

Record Record::deferredJoin(const std::string& text, Record&& left, std::int64_t leftStart, Record&& right,
                            std::int64_t rightStart, Color color, const std::string& tag) {
    checkColour(color);
    Record result;
    const size_type size = left.size() + right.size() + 3;
    Item* item = result.adopt(new Item, Form::join, size, static_cast<std::uint32_t>(size - 4));
    item->operands[0] = std::move(left);
    item->operands[1] = std::move(right);
    item->starts[0] = leftStart;
    item->starts[1] = rightStart;
    item->text = text;
    item->tag = tag;
    item->color = color;
    return result;
}

Record Record::deferredLeaf(std::string_view kind, Row values, std::initializer_list<Color> colors,
                            const std::string& tag) {
    if (colors.size() > kLeafColours) throw std::length_error("Record::deferredLeaf");
    for (const Color color : colors) checkColour(color);
    Record result;
    Leaf* leaf = result.adopt(new Leaf, Form::leaf, 4, 1);
    for (const LeafKeywords& known : kLeafKeywords)
        if (kind == known.kind) leaf->keywords = &known;
    if (!leaf->keywords) leaf->kind = kind;
    leaf->values = std::move(values);
    leaf->colourCount = static_cast<std::uint8_t>(colors.size());
    std::copy(colors.begin(), colors.end(), leaf->colours);
    leaf->tag = tag;
    return result;
}

template <class... Texts>
Row& Record::addRow(Rows* out, Texts&&... texts) {
    Row* row = ::new (static_cast<void*>(out->rows() + out->size)) Row(std::forward<Texts>(texts)...);
    ++out->size;
    return *row;
}

namespace {

constexpr std::string_view kJoin = "join", kJoinColour = "join_color", kJoinTag = "join_tag",
                           kUnary = "unary", kUnaryColour = "unary_color", kUnaryTag = "unary_tag",
                           kStart = "start";

}  // namespace

void Record::writeBody(const Record& record, std::int64_t shift, Rows* out) {
    switch (record.block_->form) {
        case Form::leaf:
            return writeLeaf(*static_cast<const Leaf*>(record.block_), out);
        case Form::rows:
            return writeRows(*static_cast<const Rows*>(record.block_), shift, out);
        case Form::unary:
        case Form::join:
            break;
    }
    const auto* item = static_cast<const Item*>(record.block_);
    writeBody(item->operands[0], shift, out);
    const std::int64_t first = item->starts[0] + shift;
    if (item->form == Form::unary) {
        addRow(out, std::in_place, kUnary, item->text);
        addRow(out, std::in_place, locators::kUnaryLocator, std::to_string(first));
        addRow(out, std::in_place, kUnaryColour, colourName(item->color));
        addRow(out, std::in_place, kUnaryTag, item->tag);
        return;
    }
    // The right operand's rows follow the left's, but its "start" row.
    const std::int64_t rightShift = shift + static_cast<std::int64_t>(item->operands[0].size()) - 1;
    writeBody(item->operands[1], rightShift, out);
    addRow(out, std::in_place, kJoin, item->text);
    addRow(out, std::in_place, locators::kJoinLocator, std::to_string(first),
           std::to_string(item->starts[1] + rightShift));
    addRow(out, std::in_place, kJoinColour, colourName(item->color));
    addRow(out, std::in_place, kJoinTag, item->tag);
}

void Record::writeLeaf(const Leaf& leaf, Rows* out) {
    Row& kindRow = addRow(out);
    kindRow.reserve(leaf.values.size() + 1);
    Row& colourRow = addRow(out);
    colourRow.reserve(leaf.colourCount + 1u);
    Row& tagRow = addRow(out);
    if (leaf.keywords) {
        kindRow.emplace_back(leaf.keywords->kind);
        colourRow.emplace_back(leaf.keywords->colour);
        tagRow.emplace_back(leaf.keywords->tag);
    } else {
        kindRow.push_back(leaf.kind);
        colourRow.emplace_back(leaf.kind).append("_color");
        tagRow.emplace_back(leaf.kind).append("_tag");
    }
    for (const std::string& value : leaf.values) kindRow.push_back(value);
    for (std::uint8_t i = 0; i < leaf.colourCount; ++i) colourRow.push_back(colourName(leaf.colours[i]));
    tagRow.push_back(leaf.tag);
}

void Record::writeRows(const Rows& from, std::int64_t shift, Rows* out) {
    // Rows that passed `canDefer`: their indices read back as written.
    for (std::uint32_t i = 1; i < from.size; ++i) {
        const Row& row = from.rows()[i];
        const std::size_t indices = shift == 0 ? 0 : locators::indexCount(row);
        if (indices == 0) {
            addRow(out, row);
            continue;
        }
        Row& moved = addRow(out);
        moved.reserve(indices + 1);
        moved.push_back(row[0]);
        for (std::size_t k = 1; k <= indices; ++k)
            moved.push_back(std::to_string(locators::canonicalIndex(row[k]) + shift));
    }
}

const Record::Rows* Record::writtenOut() const {
    auto* item = static_cast<Deferred*>(block_);
    if (Rows* rows = item->written.load(std::memory_order_acquire)) return rows;
    Rows* rows = allocate(item->size);
    try {
        addRow(rows, std::in_place, kStart, std::to_string(item->start));
        writeBody(*this, 0, rows);
    } catch (...) {
        destroyRows(rows);
        throw;
    }
    rows->deferrable.store(1, std::memory_order_relaxed);
    // Another thread may have written the same rows meanwhile: theirs stay.
    Rows* expected = nullptr;
    if (!item->written.compare_exchange_strong(expected, rows, std::memory_order_acq_rel,
                                               std::memory_order_acquire)) {
        destroyRows(rows);
        return expected;
    }
    return rows;
}

}  // namespace radixmender
