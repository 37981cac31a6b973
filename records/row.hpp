#pragma once
// One row of a record: a short list of texts with the interface of a vector
// of strings. Almost every row holds two or three texts ("start" and a row
// number; a kind and its value; a locator and two row numbers), so a row keeps
// up to three of them in place and asks the heap only for more; texts of up to
// fifteen bytes live inside the strings themselves. A row thus costs no
// allocation of its own, where a vector of strings cost one per row.
#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace radixmender {

class Row {
public:
    using value_type = std::string;
    using size_type = std::size_t;
    using difference_type = std::ptrdiff_t;
    using reference = std::string&;
    using const_reference = const std::string&;
    using pointer = std::string*;
    using const_pointer = const std::string*;
    using iterator = std::string*;
    using const_iterator = const std::string*;
    using reverse_iterator = std::reverse_iterator<iterator>;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    // Texts kept in place before the row moves them to the heap.
    static constexpr size_type kInline = 3;

    Row() noexcept : data_(local()) {}
    Row(std::initializer_list<std::string> texts) : Row(texts.begin(), texts.end()) {}
    // (The constructors that may throw part-way delegate to the default one,
    // so that the destructor frees what was built.)
    template <std::input_iterator It>
    Row(It first, It last) : Row() {
        if constexpr (std::forward_iterator<It>) reserve(static_cast<size_type>(std::distance(first, last)));
        for (; first != last; ++first) emplace_back(*first);
    }
    // Texts gathered elsewhere read as a row.
    Row(const std::vector<std::string>& texts) : Row(texts.begin(), texts.end()) {}
    explicit Row(size_type count) : Row() { resize(count); }
    Row(size_type count, const std::string& text) : Row() { resize(count, text); }

    // A row of a few texts (no more than fit in place), built where it stands.
    template <class... Texts>
    requires(sizeof...(Texts) >= 1 && sizeof...(Texts) <= kInline) explicit Row(std::in_place_t,
                                                                                Texts&&... texts)
        : Row() {
        ((::new (static_cast<void*>(data_ + size_)) std::string(std::forward<Texts>(texts)), ++size_), ...);
    }

    Row(const Row& other) : Row() {
        reserve(other.size_);
        std::uninitialized_copy(other.begin(), other.end(), data_);
        size_ = other.size_;
    }
    Row(Row&& other) noexcept : data_(local()) { take(other); }
    Row& operator=(const Row& other) {
        if (this != &other) assign(other.begin(), other.end());
        return *this;
    }
    Row& operator=(Row&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    Row& operator=(std::initializer_list<std::string> texts) {
        assign(texts.begin(), texts.end());
        return *this;
    }
    ~Row() { release(); }

    template <std::input_iterator It>
    void assign(It first, It last) {
        clear();
        if constexpr (std::forward_iterator<It>) reserve(static_cast<size_type>(std::distance(first, last)));
        for (; first != last; ++first) emplace_back(*first);
    }

    [[nodiscard]] size_type size() const noexcept { return size_; }
    [[nodiscard]] bool empty() const noexcept { return size_ == 0; }
    [[nodiscard]] size_type capacity() const noexcept { return capacity_; }
    [[nodiscard]] static constexpr size_type max_size() noexcept { return UINT32_MAX; }

    std::string* data() noexcept { return data_; }
    const std::string* data() const noexcept { return data_; }
    iterator begin() noexcept { return data_; }
    iterator end() noexcept { return data_ + size_; }
    const_iterator begin() const noexcept { return data_; }
    const_iterator end() const noexcept { return data_ + size_; }
    const_iterator cbegin() const noexcept { return data_; }
    const_iterator cend() const noexcept { return data_ + size_; }
    reverse_iterator rbegin() noexcept { return reverse_iterator(end()); }
    reverse_iterator rend() noexcept { return reverse_iterator(begin()); }
    const_reverse_iterator rbegin() const noexcept { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const noexcept { return const_reverse_iterator(begin()); }

    std::string& operator[](size_type i) noexcept { return data_[i]; }
    const std::string& operator[](size_type i) const noexcept { return data_[i]; }
    std::string& at(size_type i) {
        check(i);
        return data_[i];
    }
    const std::string& at(size_type i) const {
        check(i);
        return data_[i];
    }
    std::string& front() noexcept { return data_[0]; }
    const std::string& front() const noexcept { return data_[0]; }
    std::string& back() noexcept { return data_[size_ - 1]; }
    const std::string& back() const noexcept { return data_[size_ - 1]; }

    void reserve(size_type count) {
        if (count > capacity_) grow(count);
    }
    void push_back(const std::string& text) { emplace_back(text); }
    void push_back(std::string&& text) { emplace_back(std::move(text)); }
    template <class... Args>
    std::string& emplace_back(Args&&... args) {
        if (size_ == capacity_) {
            // The new text is built before the move: it may be one of ours.
            std::string text(std::forward<Args>(args)...);
            grow(capacity_ * 2);
            return append(std::move(text));
        }
        return append(std::forward<Args>(args)...);
    }
    void pop_back() noexcept { std::destroy_at(data_ + --size_); }
    void clear() noexcept {
        std::destroy(data_, data_ + size_);
        size_ = 0;
    }
    void resize(size_type count) { resize(count, std::string()); }
    void resize(size_type count, const std::string& text) {
        if (count < size_) {
            std::destroy(data_ + count, data_ + size_);
            size_ = static_cast<std::uint32_t>(count);
            return;
        }
        reserve(count);
        const std::string copy = text;
        while (size_ < count) append(copy);
    }

    iterator insert(const_iterator at, const std::string& text) { return emplace(at, text); }
    iterator insert(const_iterator at, std::string&& text) { return emplace(at, std::move(text)); }
    template <std::input_iterator It>
    iterator insert(const_iterator at, It first, It last) {
        const auto index = static_cast<size_type>(at - data_);
        for (size_type i = index; first != last; ++first, ++i) emplace(data_ + i, *first);
        return data_ + index;
    }
    iterator insert(const_iterator at, std::initializer_list<std::string> texts) {
        return insert(at, texts.begin(), texts.end());
    }
    template <class... Args>
    iterator emplace(const_iterator at, Args&&... args) {
        const auto index = static_cast<size_type>(at - data_);
        emplace_back(std::forward<Args>(args)...);
        std::rotate(data_ + index, data_ + size_ - 1, data_ + size_);
        return data_ + index;
    }
    iterator erase(const_iterator at) { return erase(at, at + 1); }
    iterator erase(const_iterator first, const_iterator last) {
        const auto from = static_cast<size_type>(first - data_), to = static_cast<size_type>(last - data_);
        if (from != to) {
            std::move(data_ + to, data_ + size_, data_ + from);
            std::destroy(data_ + size_ - (to - from), data_ + size_);
            size_ -= static_cast<std::uint32_t>(to - from);
        }
        return data_ + from;
    }
    void swap(Row& other) noexcept {
        Row t(std::move(other));
        other = std::move(*this);
        *this = std::move(t);
    }

    friend bool operator==(const Row& a, const Row& b) {
        return a.size_ == b.size_ && std::equal(a.begin(), a.end(), b.begin());
    }
    friend std::strong_ordering operator<=>(const Row& a, const Row& b) {
        return std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    // Builds the text after the last one; there is room for it.
    template <class... Args>
    std::string& append(Args&&... args) {
        std::string* text =
            ::new (static_cast<void*>(data_ + size_)) std::string(std::forward<Args>(args)...);
        ++size_;
        return *text;
    }
    std::string* local() noexcept { return std::launder(reinterpret_cast<std::string*>(inline_)); }
    bool isLocal() const noexcept { return data_ == reinterpret_cast<const std::string*>(inline_); }
    void check(size_type i) const {
        if (i >= size_) throw std::out_of_range("Row::at");
    }
    // Takes the other row's texts, leaving it empty; this row holds none.
    void take(Row& other) noexcept {
        if (other.isLocal()) {
            for (size_type i = 0; i < other.size_; ++i) {
                ::new (static_cast<void*>(data_ + i)) std::string(std::move(other.data_[i]));
                std::destroy_at(other.data_ + i);
            }
        } else {
            data_ = other.data_;
            capacity_ = other.capacity_;
            other.data_ = other.local();
            other.capacity_ = kInline;
        }
        size_ = other.size_;
        other.size_ = 0;
    }
    void release() noexcept {
        std::destroy(data_, data_ + size_);
        if (!isLocal()) ::operator delete(static_cast<void*>(data_));
        data_ = local();
        size_ = 0;
        capacity_ = kInline;
    }
    void grow(size_type count) {
        if (count > max_size()) throw std::length_error("Row::reserve");
        auto* fresh = static_cast<std::string*>(::operator new(count * sizeof(std::string)));
        for (size_type i = 0; i < size_; ++i) {
            ::new (static_cast<void*>(fresh + i)) std::string(std::move(data_[i]));
            std::destroy_at(data_ + i);
        }
        if (!isLocal()) ::operator delete(static_cast<void*>(data_));
        data_ = fresh;
        capacity_ = static_cast<std::uint32_t>(count);
    }

    std::string* data_;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = kInline;
    alignas(std::string) unsigned char inline_[kInline * sizeof(std::string)];
};

inline void swap(Row& a, Row& b) noexcept { a.swap(b); }

}  // namespace radixmender
