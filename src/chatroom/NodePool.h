#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

// Storage for many objects of one type, taken and given back one at a time:
// whole blocks are allocated, so an object costs its own size and no heap call
// of its own, and objects taken together lie together. What is given back is
// taken again first.
template <class T, std::size_t BlockSize = 256> class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;

    template <class... Args> T* make(Args&&... args) { return new (take()) T{std::forward<Args>(args)...}; }

    void destroy(T* object) {
        object->~T();
        Cell* cell = reinterpret_cast<Cell*>(object);
        cell->nextFree = m_free;
        m_free = cell;
    }

    // Frees every block; every object must have been destroyed.
    void release() {
        m_blocks.clear();
        m_free = nullptr;
        m_usedInLast = BlockSize;
    }

private:
    union Cell {
        Cell* nextFree;
        alignas(T) std::byte storage[sizeof(T)];
    };

    void* take() {
        if (Cell* cell = m_free) {
            m_free = cell->nextFree;
            return cell->storage;
        }
        if (m_usedInLast == BlockSize) {
            m_blocks.emplace_back(new Cell[BlockSize]);
            m_usedInLast = 0;
        }
        return m_blocks.back()[m_usedInLast++].storage;
    }

    std::vector<std::unique_ptr<Cell[]>> m_blocks;
    Cell* m_free = nullptr;
    std::size_t m_usedInLast = BlockSize;
};
