#include "records/record.hpp"

#include "records/locator_rows.hpp"

namespace radixmender {

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

// An item without operands: its kind, values, colours and tag.
struct Record::Leaf : Deferred {
    std::string kind;
    Row values;
    std::uint8_t colourCount = 0;
    Color colours[kLeafColours] = {};
    std::string tag;
};

namespace {

// Rows of two texts, built in place.
template <class A, class B>
void addRow(Row& row, A&& first, B&& second) {
    row.emplace_back(std::forward<A>(first));
    row.emplace_back(std::forward<B>(second));
}

}  // namespace

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
    std::uninitialized_copy(from->rows(), from->rows() + from->size, copy->rows());
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
        current->form.store(0, std::memory_order_relaxed);
        return;
    }
    const size_type n = current->size;
    Rows* fresh = allocate(std::max(capacity, n));
    if (shared) {
        std::uninitialized_copy(current->rows(), current->rows() + n, fresh->rows());
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
    while (block_->size < count) ::new (static_cast<void*>(rowsBlock()->rows() + block_->size++)) Row(copy);
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
    if (const std::uint8_t known = rows->form.load(std::memory_order_relaxed)) return known == 1;
    bool fits = true;
    for (std::uint32_t i = 1; i < rows->size && fits; ++i) {
        const Row& row = rows->rows()[i];
        const std::size_t count = locators::indexCount(row);
        if (count == 0) continue;
        fits = row.size() == count + 1;
        for (std::size_t k = 1; k <= count && fits; ++k) fits = locators::canonicalIndex(row[k]) >= 0;
    }
    rows->form.store(fits ? 1 : 2, std::memory_order_relaxed);
    return fits;
}

Record Record::deferredUnary(const std::string& text, Record&& operand, std::int64_t operandStart,
                             Color color, const std::string& tag) {
    auto* item = new Item;
    item->size = static_cast<std::uint32_t>(operand.size() + 4);
    item->start = item->size - 4;
    item->form = Form::unary;
    item->operands[0] = std::move(operand);
    item->starts[0] = operandStart;
    item->text = text;
    item->tag = tag;
    item->color = color;
    Record result;
    result.block_ = item;
    return result;
}

Record Record::deferredLeaf(std::string kind, Row values, std::initializer_list<Color> colors,
                            std::string tag) {
    if (colors.size() > kLeafColours) throw std::length_error("Record::deferredLeaf");
    auto* leaf = new Leaf;
    leaf->size = 4;
    leaf->start = 1;
    leaf->form = Form::leaf;
    leaf->kind = std::move(kind);
    leaf->values = std::move(values);
    leaf->colourCount = static_cast<std::uint8_t>(colors.size());
    std::copy(colors.begin(), colors.end(), leaf->colours);
    leaf->tag = std::move(tag);
    Record result;
    result.block_ = leaf;
    return result;
}

Record Record::deferredJoin(const std::string& text, Record&& left, std::int64_t leftStart, Record&& right,
                            std::int64_t rightStart, Color color, const std::string& tag) {
    const size_type size = left.size() + right.size() + 3;
    if (size > max_size()) throw std::length_error("Record::reserve");
    auto* item = new Item;
    item->size = static_cast<std::uint32_t>(size);
    item->start = item->size - 4;
    item->form = Form::join;
    item->operands[0] = std::move(left);
    item->operands[1] = std::move(right);
    item->starts[0] = leftStart;
    item->starts[1] = rightStart;
    item->text = text;
    item->tag = tag;
    item->color = color;
    Record result;
    result.block_ = item;
    return result;
}

Row& Record::newRow(Rows* out) {
    Row* row = ::new (static_cast<void*>(out->rows() + out->size)) Row;
    ++out->size;
    return *row;
}

void Record::writeBody(const Record& record, std::int64_t shift, Rows* out) {
    if (record.block_->form == Form::leaf) {
        const auto* leaf = static_cast<const Leaf*>(record.block_);
        Row& kindRow = newRow(out);
        kindRow.reserve(leaf->values.size() + 1);
        kindRow.push_back(leaf->kind);
        for (const std::string& value : leaf->values) kindRow.push_back(value);
        Row& colourRow = newRow(out);
        colourRow.reserve(leaf->colourCount + 1u);
        colourRow.emplace_back(leaf->kind).append("_color");
        for (std::uint8_t i = 0; i < leaf->colourCount; ++i) colourRow.push_back(rawValue(leaf->colours[i]));
        Row& tagRow = newRow(out);
        tagRow.emplace_back(leaf->kind).append("_tag");
        tagRow.push_back(leaf->tag);
        return;
    }
    if (record.block_->form == Form::rows) {
        // Rows that passed `canDefer`: their indices read back as written.
        const auto* from = static_cast<const Rows*>(record.block_);
        for (std::uint32_t i = 1; i < from->size; ++i) {
            const Row& row = from->rows()[i];
            const std::size_t indices = shift == 0 ? 0 : locators::indexCount(row);
            if (indices == 0) {
                ::new (static_cast<void*>(out->rows() + out->size)) Row(row);
                ++out->size;
                continue;
            }
            Row& moved = newRow(out);
            moved.reserve(indices + 1);
            moved.push_back(row[0]);
            for (std::size_t k = 1; k <= indices; ++k)
                moved.push_back(std::to_string(locators::canonicalIndex(row[k]) + shift));
        }
        return;
    }
    const auto* item = static_cast<const Item*>(record.block_);
    const bool join = item->form == Form::join;
    writeBody(item->operands[0], shift, out);
    const auto leftRows = static_cast<std::int64_t>(item->operands[0].size()) - 1;
    if (join) writeBody(item->operands[1], shift + leftRows, out);
    addRow(newRow(out), join ? "join" : "unary", item->text);
    Row& locator = newRow(out);
    if (join) {
        locator.reserve(3);
        locator.emplace_back(locators::kJoinLocator);
        locator.push_back(std::to_string(item->starts[0] + shift));
        locator.push_back(std::to_string(item->starts[1] + leftRows + shift));
    } else {
        addRow(locator, locators::kUnaryLocator, std::to_string(item->starts[0] + shift));
    }
    addRow(newRow(out), join ? "join_color" : "unary_color", rawValue(item->color));
    addRow(newRow(out), join ? "join_tag" : "unary_tag", item->tag);
}

const Record::Rows* Record::writtenOut() const {
    auto* item = static_cast<Deferred*>(block_);
    if (Rows* rows = item->written.load(std::memory_order_acquire)) return rows;
    Rows* rows = allocate(item->size);
    try {
        addRow(newRow(rows), "start", std::to_string(item->start));
        writeBody(*this, 0, rows);
    } catch (...) {
        destroyRows(rows);
        throw;
    }
    rows->form.store(1, std::memory_order_relaxed);
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
