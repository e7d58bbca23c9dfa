#pragma once
// A singly linked list of pointers that it does not own, with the same remembered cursor
// as StringList. The Scope that holds such a list releases the pointees itself.

#include <cstdint>

#include "support/node_pool.h"

namespace cullsrc {

template <class T>
class PointerList {
public:
    explicit PointerList(Arena* arena = nullptr) : pool_(arena) {}
    PointerList(const PointerList&) = delete;
    PointerList& operator=(const PointerList&) = delete;
    ~PointerList() { clear(); }

    void push(T* item) {
        Node* node = pool_.make();
        node->item = item;
        before_last_ = first_ != nullptr ? last_ : nullptr;
        if (first_ != nullptr) {
            last_->next = node;
        } else {
            first_ = node;
        }
        last_ = node;
        ++count_;
    }
    std::int32_t size() const { return count_; }
    // The item at index i through the cursor; the first item for an index out of range,
    // none for an empty list.
    T* at(std::int32_t i) {
        Node* node = first_;
        std::int32_t position = 0;
        if (cursor_ != nullptr && cursor_index_ <= i) {
            node = cursor_;
            position = cursor_index_;
        }
        for (; node != nullptr; node = node->next, ++position) {
            if (position == i) {
                cursor_ = node;
                cursor_index_ = i;
                return node->item;
            }
        }
        return first_ != nullptr ? first_->item : nullptr;
    }
    // Takes the first node out and returns its item, none when the list is empty.
    T* take_first() {
        if (first_ == nullptr) return nullptr;
        Node* node = first_;
        first_ = node->next;
        if (last_ == node) last_ = nullptr;
        if (before_last_ == node || first_ == nullptr) before_last_ = nullptr;
        if (cursor_ == node) cursor_ = nullptr;
        if (cursor_ != nullptr) --cursor_index_;
        --count_;
        T* item = node->item;
        pool_.destroy(node);
        return item;
    }
    // Takes the last node out and returns its item, none when the list is empty.
    T* take_last() {
        if (first_ == nullptr) return nullptr;
        Node* node = last_;
        Node* previous = before_last_;
        if (previous == nullptr && first_ != node) {
            // Known only right after a push; otherwise find it.
            for (previous = first_; previous->next != node; previous = previous->next) {}
        }
        if (previous != nullptr) {
            previous->next = nullptr;
            last_ = previous;
        } else {
            first_ = last_ = nullptr;
        }
        before_last_ = nullptr;
        if (cursor_ == node) cursor_ = nullptr;
        --count_;
        T* item = node->item;
        pool_.unmake(node);
        return item;
    }
    void clear() {
        for (Node* node = first_; node != nullptr;) {
            Node* next = node->next;
            pool_.destroy(node);
            node = next;
        }
        pool_.reset();
        first_ = last_ = before_last_ = cursor_ = nullptr;
        count_ = 0;
        cursor_index_ = 0;
    }

    template <class Visit>
    void for_each(Visit&& visit) const {
        for (const Node* node = first_; node != nullptr; node = node->next) visit(node->item);
    }

private:
    struct Node {
        T* item = nullptr;
        Node* next = nullptr;
    };

    Node* first_ = nullptr;
    Node* last_ = nullptr;
    Node* cursor_ = nullptr;
    std::int32_t count_ = 0;
    std::int32_t cursor_index_ = 0;
    Node* before_last_ = nullptr;
    NodePool<Node> pool_;
};

}  // namespace cullsrc
