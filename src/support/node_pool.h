#pragma once
// Storage for the nodes of one list: nodes are carved out of chunks that double in size,
// so a long list costs neither one heap block per node nor the allocator's overhead on each.

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

namespace cullsrc {

template <class Node>
class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    Node* make() {
        if (used_ == chunk_size_) grow();
        return new (&chunk_[used_++]) Node();
    }
    void destroy(Node* node) { node->~Node(); }
    // Gives the slot back when the node is the one made last, so a list that keeps taking
    // back its newest node does not grow.
    void unmake(Node* node) {
        node->~Node();
        if (used_ > 0 && reinterpret_cast<Slot*>(node) == &chunk_[used_ - 1]) --used_;
    }
    // Drops all storage; the nodes must have been destroyed.
    void reset() {
        chunks_.clear();
        chunk_ = nullptr;
        used_ = chunk_size_ = 0;
    }

private:
    struct alignas(Node) Slot {
        std::byte bytes[sizeof(Node)];
    };
    static constexpr std::size_t first_chunk = 2;
    static constexpr std::size_t largest_chunk = 4096;

    void grow() {
        std::size_t size = chunk_size_ == 0 ? first_chunk : chunk_size_ * 2;
        if (size > largest_chunk) size = largest_chunk;
        chunks_.push_back(std::unique_ptr<Slot[]>(new Slot[size]));
        chunk_ = chunks_.back().get();
        chunk_size_ = size;
        used_ = 0;
    }

    std::vector<std::unique_ptr<Slot[]>> chunks_;
    Slot* chunk_ = nullptr;
    std::size_t used_ = 0;
    std::size_t chunk_size_ = 0;
};

}  // namespace cullsrc
