#pragma once
// The singly linked list under StringList and PointerList: append at the end in constant
// time, and a remembered cursor, so that walking the list by increasing index costs constant
// time per step.

#include <cstdint>

#include "support/node_pool.h"

namespace cullsrc {

template <class Node>
class CursorList {
public:
    explicit CursorList(Arena* arena = nullptr) : pool_(arena) {}
    CursorList(const CursorList&) = delete;
    CursorList& operator=(const CursorList&) = delete;
    ~CursorList() { clear(); }

    std::int32_t size() const { return count_; }

    // Releases every node; the list is then empty and usable again.
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

protected:
    Node* make_node() { return pool_.make(); }

    void link(Node* node) {
        before_last_ = first_ != nullptr ? last_ : nullptr;
        if (first_ != nullptr) {
            last_->next = node;
        } else {
            first_ = node;
        }
        last_ = node;
        ++count_;
    }

    // The node at index i, walking from the cursor when it stands at or before i; the first
    // node for an index out of range, none for an empty list.
    Node* node_at(std::int32_t i) {
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
                return node;
            }
        }
        return first_;
    }

    Node* unlink_first() {
        Node* node = first_;
        if (node == nullptr) return nullptr;
        first_ = node->next;
        if (last_ == node) last_ = nullptr;
        if (before_last_ == node || first_ == nullptr) before_last_ = nullptr;
        if (cursor_ == node) {
            cursor_ = nullptr;
        } else if (cursor_ != nullptr) {
            --cursor_index_;
        }
        --count_;
        return node;
    }

    Node* unlink_last() {
        Node* node = last_;
        if (first_ == nullptr) return nullptr;
        Node* previous = before_last_;
        if (previous == nullptr && first_ != node) {
            // Known only right after a push; otherwise found by a walk.
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
        return node;
    }

    template <class Visit>
    void visit_nodes(Visit&& visit) const {
        for (const Node* node = first_; node != nullptr; node = node->next) visit(*node);
    }

    NodePool<Node> pool_;

private:
    Node* first_ = nullptr;
    Node* last_ = nullptr;
    Node* cursor_ = nullptr;
    std::int32_t count_ = 0;
    std::int32_t cursor_index_ = 0;
    Node* before_last_ = nullptr;
};

}  // namespace cullsrc
