#pragma once
// Storage for the nodes of one list. A list of a scope tree takes its nodes from the tree's
// Arena; a list on its own carves them out of chunks that double in size, so a long list costs
// neither one heap block per node nor the allocator's overhead on each.

#include <cstddef>
#include <cstdint>
#include <new>

#include "support/arena.h"

namespace cullsrc {

template <class Node>
class NodePool {
public:
    explicit NodePool(Arena* arena = nullptr) : arena_(arena) {}
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool() { reset(); }

    Node* make() {
        if (arena_ != nullptr) return new (arena_->allocate(sizeof(Node))) Node();
        if (chunk_ == nullptr || chunk_->used == chunk_->size) grow();
        return new (&slots()[chunk_->used++]) Node();
    }
    void destroy(Node* node) { node->~Node(); }
    // Gives the slot back when the node is the one made last, so a list that keeps taking
    // back its newest node does not grow.
    void unmake(Node* node) {
        node->~Node();
        if (arena_ == nullptr && chunk_ != nullptr && chunk_->used > 0 &&
            reinterpret_cast<Slot*>(node) == &slots()[chunk_->used - 1]) {
            --chunk_->used;
        }
    }
    // Drops all storage; the nodes must have been destroyed.
    void reset() {
        while (chunk_ != nullptr) {
            Chunk* older = chunk_->older;
            ::operator delete(chunk_);
            chunk_ = older;
        }
    }

private:
    struct alignas(Node) Slot {
        std::byte bytes[sizeof(Node)];
    };
    struct alignas(Slot) Chunk {
        Chunk* older;
        std::uint32_t size;
        std::uint32_t used;
    };
    static constexpr std::uint32_t largest_chunk = 4096;

    Slot* slots() { return reinterpret_cast<Slot*>(chunk_ + 1); }

    void grow() {
        std::uint32_t size = chunk_ == nullptr ? 1 : chunk_->size * 2;
        if (size > largest_chunk) size = largest_chunk;
        void* memory = ::operator new(sizeof(Chunk) + sizeof(Slot) * size);
        chunk_ = new (memory) Chunk{chunk_, size, 0};
    }

    Arena* arena_;
    Chunk* chunk_ = nullptr;
};

}  // namespace cullsrc
