#pragma once
// A record: rows of texts with the interface of a vector of rows, whose copies
// share their rows until one of them changes, and whose items are written out
// as rows only when the rows are first read.
//
// A worked solution shows the same lines again and again (each step repeats
// the lines of the steps before it), so copying a record only takes a
// reference to its rows. Every way of changing the rows first gives the
// record rows of its own. Handing out a row or an iterator that can change the
// rows also marks them as no longer shareable: a later copy copies them, so a
// change through a reference kept across the copy reaches one record only, as
// with a vector.
//
// The writers build a line from the inside out, each join taking two
// operands and each unary one; written out at once, the rows of the inner
// items would move (and their locators be rewritten) at every level. A
// deferred item keeps its operands (or, for an item without operands, its
// values) instead and writes all its rows once, in place, when they are first
// read; they are the same texts the writers would have written and the reader
// never sees the difference. Reading is safe from several threads at once.
//
// Rows live in one block after a small header: one allocation per record, and
// one per deferred item.
#include <algorithm>
#include <atomic>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "records/row.hpp"
#include "records/vocabulary.hpp"

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
    // (The constructors that may throw part-way delegate to the default one,
    // so that the destructor frees what was built.)
    template <std::input_iterator It>
    Record(It first, It last) : Record() {
        if constexpr (std::forward_iterator<It>) reserve(static_cast<size_type>(std::distance(first, last)));
        for (; first != last; ++first) place(*first);
    }
    explicit Record(size_type count) : Record() { resize(count); }
    Record(size_type count, const Row& row) : Record() { resize(count, row); }

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
    [[nodiscard]] size_type capacity() const noexcept {
        return !block_ ? 0 : block_->deferred() ? block_->size : static_cast<const Rows*>(block_)->capacity;
    }
    [[nodiscard]] static constexpr size_type max_size() noexcept { return UINT32_MAX; }

    // Reading.
    const Row* data() const {
        const Rows* rows = readable();
        return rows ? rows->rows() : nullptr;
    }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + size(); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    const Row& operator[](size_type i) const { return data()[i]; }
    const Row& at(size_type i) const {
        check(i);
        return data()[i];
    }
    const Row& front() const { return data()[0]; }
    const Row& back() const { return data()[size() - 1]; }

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
        if (count > capacity() || !isOwnRows()) own(std::max(count, size()));
    }
    void push_back(const Row& row) { place(row); }
    void push_back(Row&& row) { place(std::move(row)); }
    template <class... Args>
    Row& emplace_back(Args&&... args) {
        Row& row = place(std::forward<Args>(args)...);
        rowsBlock()->kept = true;
        return row;
    }
    void pop_back() {
        own(size());
        std::destroy_at(rowsBlock()->rows() + --block_->size);
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
        Row* rows = kept();
        std::rotate(rows + index, rows + before, rows + size());
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

    // ---- For the writers ----

    // A new row at the end and a row to change in place. Neither stops later
    // copies from sharing the rows: the writers keep no reference past the call.
    template <class... Args>
    Row& appendRow(Args&&... args) {
        return place(std::forward<Args>(args)...);
    }
    Row& rowToChange(size_type i) {
        own(capacity());
        return rowsBlock()->rows()[i];
    }
    // Room for `count` rows without another allocation; more than asked for
    // when the rows must move anyway, so that growing a few rows at a time
    // stays cheap.
    void reserveGrowing(size_type count) {
        if (count > capacity() || !isOwnRows()) own(std::max(count, 2 * size()));
    }
    // Whether another record shares these rows.
    [[nodiscard]] bool isShared() const noexcept {
        return block_ && block_->references.load(std::memory_order_acquire) > 1;
    }
    // The row of the outermost item's kind row, when it is known without
    // reading the rows (a deferred item's).
    [[nodiscard]] std::optional<std::int64_t> deferredStart() const noexcept {
        if (block_ && block_->deferred()) return block_->start;
        return std::nullopt;
    }
    // Whether the record can be an operand of a deferred item: a deferred
    // item itself, or rows that no reference can change, whose locators are
    // written in the writers' own form (so moving them can neither fail nor
    // change their text otherwise).
    [[nodiscard]] bool canDefer() const;
    // The unary item (`text`, its colour and tag) around an operand whose
    // start row is `operandStart`, and the join item of two operands, as the
    // writers would write them; both operands must pass `canDefer`.
    static Record deferredUnary(const std::string& text, Record&& operand, std::int64_t operandStart,
                                Color color, const std::string& tag);
    static Record deferredJoin(const std::string& text, Record&& left, std::int64_t leftStart, Record&& right,
                               std::int64_t rightStart, Color color, const std::string& tag);
    // An item without operands: [kind, values...], [kind + "_color", one
    // name per colour], [kind + "_tag", tag] after ["start", "1"]. At most
    // kLeafColours colours.
    static constexpr std::size_t kLeafColours = 4;
    static Record deferredLeaf(std::string_view kind, Row values, std::initializer_list<Color> colors,
                               const std::string& tag);

private:
    enum class Form : std::uint8_t { rows, unary, join, leaf };
    struct Block {
        std::atomic<std::uint32_t> references{1};
        std::uint32_t size = 0;
        std::uint32_t start = 0;  // a deferred item's start row
        Form form = Form::rows;
        [[nodiscard]] bool deferred() const noexcept { return form != Form::rows; }
    };
    struct alignas(Row) Rows : Block {
        std::uint32_t capacity = 0;
        bool kept = false;                          // rows handed out for changing: never shared again
        mutable std::atomic<std::uint8_t> deferrable{0};  // the answer of `canDefer`: 0 not known, 1 yes, 2 no
        Row* rows() noexcept { return reinterpret_cast<Row*>(this + 1); }
        const Row* rows() const noexcept { return reinterpret_cast<const Row*>(this + 1); }
    };
    struct Deferred;
    struct Item;
    struct Leaf;

    static Rows* allocate(size_type capacity);
    static void release(Block* block) noexcept;
    static void destroyRows(Rows* rows) noexcept;
    void drop() noexcept {
        if (block_) release(std::exchange(block_, nullptr));
    }
    Block* shareOrCopy() const;
    // The rows to read; a deferred item writes them out first.
    const Rows* readable() const {
        if (!block_) return nullptr;
        return block_->deferred() ? writtenOut() : static_cast<const Rows*>(block_);
    }
    const Rows* writtenOut() const;
    // Writing a deferred item's rows, after the "start" row: the operands'
    // rows (but their own "start" rows), every row index moved by `shift`,
    // then the item's.
    template <class... Texts>
    static Row& addRow(Rows* out, Texts&&... texts);
    static void writeBody(const Record& record, std::int64_t shift, Rows* out);
    static void writeLeaf(const Leaf& leaf, Rows* out);
    static void writeRows(const Rows& rows, std::int64_t shift, Rows* out);
    // Makes `node` this record's block (freeing it if it cannot be).
    template <class Node>
    Node* adopt(Node* node, Form form, size_type size, std::uint32_t start);
    Rows* rowsBlock() noexcept { return static_cast<Rows*>(block_); }
    bool isOwnRows() const noexcept { return block_ && !block_->deferred() && !isShared(); }
    // Makes the rows this record's own (written out, not shared), with room
    // for at least `capacity`; they are about to change.
    void own(size_type capacity);
    Row* kept() {
        if (!block_) return nullptr;
        own(size());
        rowsBlock()->kept = true;
        return rowsBlock()->rows();
    }
    template <class... Args>
    Row& place(Args&&... args) {
        const size_type n = size();
        if (n == capacity() || !isOwnRows()) {
            // Built before the rows move: the arguments may be rows of this record.
            Row row(std::forward<Args>(args)...);
            own(n == capacity() ? std::max<size_type>(4, 2 * n) : capacity());
            return construct(std::move(row));
        }
        rowsBlock()->deferrable.store(0, std::memory_order_relaxed);
        return construct(std::forward<Args>(args)...);
    }
    // Builds a row after the last one; there is room for it.
    template <class... Args>
    Row& construct(Args&&... args) {
        Row* row =
            ::new (static_cast<void*>(rowsBlock()->rows() + block_->size)) Row(std::forward<Args>(args)...);
        ++block_->size;
        return *row;
    }
    size_type offsetOf(const_iterator at) const { return static_cast<size_type>(at - begin()); }
    void check(size_type i) const {
        if (i >= size()) throw std::out_of_range("Record::at");
    }

    Block* block_ = nullptr;
};

inline void swap(Record& a, Record& b) noexcept { a.swap(b); }

}  // namespace radixmender
