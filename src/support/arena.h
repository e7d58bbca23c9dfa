#pragma once
// One region for the many small objects of a scope tree (scopes, variables, list nodes): a
// bump allocator over blocks that double in size, released all at once. It spares each
// object the heap's per-block overhead and the tree's teardown a free per object.

#include <cstddef>
#include <new>

namespace cullsrc {

class Arena {
public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;
    ~Arena() {
        while (block_ != nullptr) {
            Block* older = block_->older;
            ::operator delete(block_);
            block_ = older;
        }
    }

    // Room for `bytes`, aligned for any of the tree's objects. Objects placed here are
    // destroyed by their owners; their memory goes with the arena.
    void* allocate(std::size_t bytes) {
        bytes = (bytes + alignment - 1) & ~(alignment - 1);
        if (block_ == nullptr || block_->size - used_ < bytes) grow(bytes);
        void* place = reinterpret_cast<std::byte*>(block_ + 1) + used_;
        used_ += bytes;
        return place;
    }

private:
    static constexpr std::size_t alignment = alignof(std::max_align_t);
    static constexpr std::size_t first_block = 1024;
    static constexpr std::size_t largest_block = std::size_t{1} << 20;

    struct alignas(alignment) Block {
        Block* older;
        std::size_t size;
    };

    void grow(std::size_t bytes) {
        std::size_t size = block_ == nullptr ? first_block : block_->size * 2;
        if (size > largest_block) size = largest_block;
        if (size < bytes) size = bytes;
        void* memory = ::operator new(sizeof(Block) + size);
        block_ = new (memory) Block{block_, size};
        used_ = 0;
    }

    Block* block_ = nullptr;
    std::size_t used_ = 0;
};

}  // namespace cullsrc
