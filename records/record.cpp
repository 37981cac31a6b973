#include "records/record.hpp"

namespace radixmender {

Record::Block* Record::allocate(size_type capacity) {
    if (capacity > max_size()) throw std::length_error("Record::reserve");
    void* memory = ::operator new(sizeof(Block) + capacity * sizeof(Row));
    auto* block = ::new (memory) Block;
    block->capacity = static_cast<std::uint32_t>(capacity);
    return block;
}

void Record::release(Block* block) noexcept {
    if (block->references.fetch_sub(1, std::memory_order_acq_rel) != 1) return;
    std::destroy(block->rows(), block->rows() + block->size);
    block->~Block();
    ::operator delete(static_cast<void*>(block));
}

Record::Block* Record::shareOrCopy() const {
    if (!block_) return nullptr;
    if (!block_->kept) {
        block_->references.fetch_add(1, std::memory_order_relaxed);
        return block_;
    }
    Block* copy = allocate(block_->size);
    std::uninitialized_copy(block_->rows(), block_->rows() + block_->size, copy->rows());
    copy->size = block_->size;
    return copy;
}

void Record::own(size_type capacity) {
    if (!block_) {
        if (capacity > 0) block_ = allocate(capacity);
        return;
    }
    const bool shared = isShared();
    if (!shared && capacity <= block_->capacity) return;
    const size_type n = block_->size;
    Block* fresh = allocate(std::max(capacity, n));
    Row* from = block_->rows();
    if (shared) {
        std::uninitialized_copy(from, from + n, fresh->rows());
        fresh->size = block_->size;
        release(block_);
    } else {
        std::uninitialized_move(from, from + n, fresh->rows());
        fresh->size = block_->size;
        std::destroy(from, from + n);
        block_->~Block();
        ::operator delete(static_cast<void*>(block_));
    }
    block_ = fresh;
}

void Record::resize(size_type count, const Row& row) {
    const size_type n = size();
    if (count <= n) {
        if (count == n) return;
        own(capacity());
        std::destroy(block_->rows() + count, block_->rows() + n);
        block_->size = static_cast<std::uint32_t>(count);
        return;
    }
    const Row copy = row;  // the row may be one of ours
    own(count);
    while (block_->size < count) ::new (static_cast<void*>(block_->rows() + block_->size++)) Row(copy);
}

Record::iterator Record::insert(const_iterator at, Row&& row) {
    const size_type index = offsetOf(at);
    place(std::move(row));
    Row* rows = block_->rows();
    std::rotate(rows + index, rows + size() - 1, rows + size());
    block_->kept = true;
    return rows + index;
}

Record::iterator Record::erase(const_iterator first, const_iterator last) {
    const size_type from = offsetOf(first), to = offsetOf(last), n = size();
    if (!block_) return nullptr;
    own(capacity());
    Row* rows = block_->rows();
    block_->kept = true;
    if (from == to) return rows + from;
    std::move(rows + to, rows + n, rows + from);
    std::destroy(rows + n - (to - from), rows + n);
    block_->size = static_cast<std::uint32_t>(n - (to - from));
    return rows + from;
}

}  // namespace radixmender
