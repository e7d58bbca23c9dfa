#pragma once
// A singly linked list that owns copies of Strings. It remembers the node of the last
// indexed access, so walking it by increasing index costs constant time per step.

#include <cstdint>

#include "support/node_pool.h"
#include "support/string.h"

namespace cullsrc {

class StringList {
public:
    struct Node {
        String value;
        Node* next = nullptr;
    };

    explicit StringList(Arena* arena = nullptr) : pool_(arena) {}
    StringList(const StringList&) = delete;
    StringList& operator=(const StringList&) = delete;
    ~StringList() { clear(); }

    void push(const String& value) {
        Node* node = pool_.make();
        node->value.assign(value);
        link(node);
    }
    // For a value that the caller gives up, such as a finished line.
    void push(String&& value) {
        Node* node = pool_.make();
        node->value = std::move(value);
        link(node);
    }
    std::int32_t size() const { return count_; }
    // The String at index i, found through the cursor; the first one for an index out of
    // range, none for an empty list.
    String* at(std::int32_t i) {
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
                return &node->value;
            }
        }
        return first_ != nullptr ? &first_->value : nullptr;
    }
    void clear() {
        for (Node* node = first_; node != nullptr;) {
            Node* next = node->next;
            pool_.destroy(node);
            node = next;
        }
        pool_.reset();
        first_ = last_ = cursor_ = nullptr;
        count_ = 0;
        cursor_index_ = 0;
    }

    template <class Visit>
    void for_each(Visit&& visit) const {
        for (const Node* node = first_; node != nullptr; node = node->next) visit(node->value);
    }

private:
    void link(Node* node) {
        if (first_ != nullptr) {
            last_->next = node;
        } else {
            first_ = node;
        }
        last_ = node;
        ++count_;
    }

    Node* first_ = nullptr;
    Node* last_ = nullptr;
    Node* cursor_ = nullptr;
    std::int32_t count_ = 0;
    std::int32_t cursor_index_ = 0;
    NodePool<Node> pool_;
};

}  // namespace cullsrc
