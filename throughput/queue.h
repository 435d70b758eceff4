#pragma once
// cQueue: a first-in, first-out list; the graph's history.
#include <deque>
#include <optional>

namespace qn {

template <typename T>
class cQueue {
  public:
    std::size_t Count() const { return items_.size(); }
    void Add(const T& item) { items_.push_back(item); }
    // The oldest item; empty when there is none.
    std::optional<T> Peek() const {
        if (items_.empty()) return std::nullopt;
        return items_.front();
    }
    // Takes the oldest item out. An empty queue gives nothing and stays
    // empty, rather than failing.
    std::optional<T> Pop() {
        if (items_.empty()) return std::nullopt;
        T item = items_.front();
        items_.pop_front();
        return item;
    }
    // All items, oldest first; the queue's own store, not a copy.
    const std::deque<T>& Contents() const { return items_; }
    void Flush() { items_.clear(); }

  private:
    std::deque<T> items_;
};

}  // namespace qn
