#pragma once
// A list that owns copies of Strings: the source lines, and the names a scope uses.

#include <utility>

#include "support/cursor_list.h"
#include "support/string.h"

namespace cullsrc {

struct StringNode {
    String value;
    StringNode* next = nullptr;
};

class StringList : public CursorList<StringNode> {
public:
    using CursorList::CursorList;

    void push(const String& value) {
        StringNode* node = make_node();
        node->value.assign(value);
        link(node);
    }
    // For a value that the caller gives up, such as a finished line.
    void push(String&& value) {
        StringNode* node = make_node();
        node->value = std::move(value);
        link(node);
    }
    // The String itself, not a copy, so that a change through it changes the element.
    String* at(std::int32_t i) {
        StringNode* node = node_at(i);
        return node != nullptr ? &node->value : nullptr;
    }
    template <class Visit>
    void for_each(Visit&& visit) const {
        visit_nodes([&](const StringNode& node) { visit(node.value); });
    }
};

}  // namespace cullsrc
