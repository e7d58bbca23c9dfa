#pragma once
// A list of pointers that it does not own. The Scope that holds such a list releases the
// pointees itself.

#include "support/cursor_list.h"

namespace cullsrc {

template <class T>
struct PointerNode {
    T* item = nullptr;
    PointerNode* next = nullptr;
};

template <class T>
class PointerList : public CursorList<PointerNode<T>> {
    using Base = CursorList<PointerNode<T>>;

public:
    using Base::Base;

    void push(T* item) {
        PointerNode<T>* node = this->make_node();
        node->item = item;
        this->link(node);
    }
    T* at(std::int32_t i) {
        PointerNode<T>* node = this->node_at(i);
        return node != nullptr ? node->item : nullptr;
    }
    // Take the first or the last node out and return its item, none when the list is empty.
    T* take_first() { return take(this->unlink_first()); }
    T* take_last() { return take(this->unlink_last()); }
    template <class Visit>
    void for_each(Visit&& visit) const {
        this->visit_nodes([&](const PointerNode<T>& node) { visit(node.item); });
    }

private:
    T* take(PointerNode<T>* node) {
        if (node == nullptr) return nullptr;
        T* item = node->item;
        this->pool_.unmake(node);
        return item;
    }
};

}  // namespace cullsrc
