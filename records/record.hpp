#pragma once
// A record: rows of texts with the interface of a vector of rows, whose copies
// share their rows until one of them changes.
//
// A worked solution shows the same lines again and again (each step repeats
// the lines of the steps before it), so copying a record only takes a
// reference to its rows. Every way of changing the rows first gives the
// record rows of its own. Handing out a row or an iterator that can change the
// rows also marks them as no longer shareable: a later copy copies them, so a
// change through a reference kept across the copy reaches one record only, as
// with a vector.
//
// All rows live in one block after a small header: one allocation per record.
#include <algorithm>
#include <atomic>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

#include "records/row.hpp"

namespace radixmender {

class Record {
public:
    using value_type = Row;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = Row&;
    using const_reference = const Row&;
    using pointer = Row*;
    using const_pointer = const Row*;
    using iterator = Row*;
    using const_iterator = const Row*;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    Record() noexcept = default;
    Record(std::initializer_list<Row> rows) : Record(rows.begin(), rows.end()) {}
    template <std::input_iterator It>
    Record(It first, It last) {
        if constexpr (std::forward_iterator<It>) reserve(static_cast<size_type>(std::distance(first, last)));
        for (; first != last; ++first) emplace_back(*first);
    }
    explicit Record(size_type count) { resize(count); }
    Record(size_type count, const Row& row) { resize(count, row); }

    Record(const Record& other) : block_(other.shareOrCopy()) {}
    Record(Record&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    Record& operator=(const Record& other) {
        if (block_ != other.block_) {
            Block* b = other.shareOrCopy();
            drop();
            block_ = b;
        }
        return *this;
    }
    Record& operator=(Record&& other) noexcept {
        if (this != &other) {
            drop();
            block_ = std::exchange(other.block_, nullptr);
        }
        return *this;
    }
    Record& operator=(std::initializer_list<Row> rows) { return *this = Record(rows); }
    ~Record() { drop(); }

    [[nodiscard]] size_type size() const noexcept { return block_ ? block_->size : 0; }
    [[nodiscard]] bool empty() const noexcept { return size() == 0; }
    [[nodiscard]] size_type capacity() const noexcept { return block_ ? block_->capacity : 0; }
    [[nodiscard]] static constexpr size_type max_size() noexcept { return UINT32_MAX; }

    // Reading.
    const Row* data() const noexcept { return block_ ? block_->rows() : nullptr; }
    const_iterator begin() const noexcept { return data(); }
    const_iterator end() const noexcept { return data() + size(); }
    const_iterator cbegin() const noexcept { return begin(); }
    const_iterator cend() const noexcept { return end(); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }
    const Row& operator[](size_type i) const noexcept { return data()[i]; }
    const Row& at(size_type i) const {
        check(i);
        return data()[i];
    }
    const Row& front() const noexcept { return data()[0]; }
    const Row& back() const noexcept { return data()[size() - 1]; }

    // Access that can change rows: the rows become this record's own and
    // are no longer shared by later copies.
    Row* data() { return kept(); }
    iterator begin() { return kept(); }
    iterator end() { return kept() + size(); }
    reverse_iterator rbegin() { return reverse_iterator(end()); }
    reverse_iterator rend() { return reverse_iterator(begin()); }
    Row& operator[](size_type i) { return kept()[i]; }
    Row& at(size_type i) {
        check(i);
        return kept()[i];
    }
    Row& front() { return kept()[0]; }
    Row& back() { return kept()[size() - 1]; }

    void reserve(size_type count) {
        if (count > capacity() || isShared()) own(count);
    }
    void push_back(const Row& row) { place(row); }
    void push_back(Row&& row) { place(std::move(row)); }
    template <class... Args>
    Row& emplace_back(Args&&... args) {
        Row& row = place(std::forward<Args>(args)...);
        block_->kept = true;
        return row;
    }
    void pop_back() {
        own(capacity());
        std::destroy_at(block_->rows() + --block_->size);
    }
    void clear() noexcept { drop(); }
    void resize(size_type count) { resize(count, Row()); }
    void resize(size_type count, const Row& row);
    iterator insert(const_iterator at, const Row& row) { return insert(at, &row, &row + 1); }
    iterator insert(const_iterator at, Row&& row);
    template <std::input_iterator It>
    iterator insert(const_iterator at, It first, It last) {
        const size_type index = offsetOf(at), before = size();
        for (; first != last; ++first) place(*first);
        if (!block_) return nullptr;
        Row* rows = block_->rows();
        std::rotate(rows + index, rows + before, rows + size());
        block_->kept = true;
        return rows + index;
    }
    iterator insert(const_iterator at, std::initializer_list<Row> rows) {
        return insert(at, rows.begin(), rows.end());
    }
    iterator erase(const_iterator at) { return erase(at, at + 1); }
    iterator erase(const_iterator first, const_iterator last);
    void swap(Record& other) noexcept { std::swap(block_, other.block_); }

    friend bool operator==(const Record& a, const Record& b) {
        return a.block_ == b.block_ || (a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin()));
    }
    friend std::strong_ordering operator<=>(const Record& a, const Record& b) {
        return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    }

    // For the writers, which build records in place and never keep a
    // reference past the call: a new empty row at the end, and the rows to
    // change, neither of which stops later copies from sharing the rows.
    template <class... Args>
    Row& appendRow(Args&&... args) {
        return place(std::forward<Args>(args)...);
    }
    Row& rowToChange(size_type i) {
        own(capacity());
        return block_->rows()[i];
    }
    // Room for `count` rows without another allocation; more than asked for
    // when the rows must move anyway, so that growing one row at a time stays
    // cheap.
    void reserveGrowing(size_type count) {
        if (count > capacity() || isShared()) own(std::max(count, 2 * size()));
    }
    // Whether another record shares these rows.
    [[nodiscard]] bool isShared() const noexcept {
        return block_ && block_->references.load(std::memory_order_acquire) > 1;
    }

private:
    struct alignas(Row) Block {
        std::atomic<std::uint32_t> references{1};
        std::uint32_t size = 0;
        std::uint32_t capacity = 0;
        bool kept = false;  // rows handed out for changing: never shared again
        Row* rows() noexcept { return reinterpret_cast<Row*>(this + 1); }
        const Row* rows() const noexcept { return reinterpret_cast<const Row*>(this + 1); }
    };

    static Block* allocate(size_type capacity);
    static void release(Block* block) noexcept;
    void drop() noexcept {
        if (block_) release(std::exchange(block_, nullptr));
    }
    Block* shareOrCopy() const;
    // Makes the rows this record's own, with room for at least `capacity`.
    void own(size_type capacity);
    Row* kept() {
        if (!block_) return nullptr;
        own(capacity());
        block_->kept = true;
        return block_->rows();
    }
    template <class... Args>
    Row& place(Args&&... args) {
        const size_type n = size();
        if (n == capacity() || isShared()) {
            // Built before the rows move: the arguments may be rows of this record.
            Row row(std::forward<Args>(args)...);
            own(n == capacity() ? std::max<size_type>(4, 2 * n) : capacity());
            return *::new (static_cast<void*>(block_->rows() + block_->size++)) Row(std::move(row));
        }
        return *::new (static_cast<void*>(block_->rows() + block_->size++)) Row(std::forward<Args>(args)...);
    }
    size_type offsetOf(const_iterator at) const noexcept { return static_cast<size_type>(at - begin()); }
    void check(size_type i) const {
        if (i >= size()) throw std::out_of_range("Record::at");
    }

    Block* block_ = nullptr;
};

inline void swap(Record& a, Record& b) noexcept { a.swap(b); }

}  // namespace radixmender
