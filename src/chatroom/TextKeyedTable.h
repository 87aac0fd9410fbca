#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// Values found by a text in constant time, each staying where it is in memory
// until it is erased, so a reference to one survives adding others.
//
// Open addressing with linear probing on a flat array of (hash, cell) pairs: a
// look-up reads a pair or two from one cache line and compares texts only when
// their hashes agree, and growing the array moves pairs, never values. Values
// live in blocks of cells, so there is no allocation per value. The hash is
// seeded per process: nicks chosen to collide cannot be foreseen from outside.
template <class V> class TextKeyedTable {
public:
    V* find(QStringView key) const {
        if (m_pairs.empty())
            return nullptr;
        const Pair pair = m_pairs[probe(key, hashOf(key))];
        return pair.cell == kEmpty ? nullptr : &cellAt(pair.cell).value;
    }

    // The value under key, a new default one when there is none; a new key given
    // as a text shares it rather than copying it.
    V& obtain(const QString& key) {
        return obtainWith(key, [&key] { return key; });
    }
    V& obtain(QStringView key) {
        return obtainWith(key, [key] { return key.toString(); });
    }

    void erase(QStringView key) {
        if (m_pairs.empty())
            return;
        const std::size_t at = probe(key, hashOf(key));
        if (m_pairs[at].cell == kEmpty)
            return;
        release(m_pairs[at].cell);
        closeGap(at);
        --m_size;
    }

    void clear() {
        m_pairs.clear();
        m_pairs.shrink_to_fit();
        m_blocks.clear();
        m_free.clear();
        m_cells = 0;
        m_size = 0;
    }

    std::size_t size() const { return m_size; }

private:
    struct Cell {
        QString key;
        V value;
    };
    struct Pair {
        std::uint32_t hash = 0;
        std::uint32_t cell = 0; // kEmpty, or the cell's number + 1
    };
    static constexpr std::uint32_t kEmpty = 0;
    static constexpr std::uint32_t kBlockBits = 9;
    static constexpr std::uint32_t kBlockCells = 1u << kBlockBits;

    std::uint32_t hashOf(QStringView key) const { return static_cast<std::uint32_t>(qHash(key, m_seed)); }
    std::size_t mask() const { return m_pairs.size() - 1; }

    Cell& cellAt(std::uint32_t cell) const {
        const std::uint32_t number = cell - 1;
        return m_blocks[number >> kBlockBits][number & (kBlockCells - 1)];
    }

    // Where key's pair is, else the empty pair that ends its run: the place it
    // would take. The array must not be empty.
    std::size_t probe(QStringView key, std::uint32_t hash) const {
        std::size_t at = hash & mask();
        for (; m_pairs[at].cell != kEmpty; at = (at + 1) & mask()) {
            const Pair pair = m_pairs[at];
            if (pair.hash == hash && cellAt(pair.cell).key == key)
                break;
        }
        return at;
    }

    template <class MakeKey> V& obtainWith(QStringView key, MakeKey makeKey) {
        const std::uint32_t hash = hashOf(key);
        if (m_pairs.empty())
            grow();
        std::size_t at = probe(key, hash);
        if (m_pairs[at].cell != kEmpty)
            return cellAt(m_pairs[at].cell).value;
        if ((m_size + 1) * 4 > m_pairs.size() * 3) {
            grow();
            at = probe(key, hash);
        }
        const std::uint32_t cell = take();
        cellAt(cell).key = makeKey();
        m_pairs[at] = Pair{hash, cell};
        ++m_size;
        return cellAt(cell).value;
    }

    // A free cell, or a new one; blocks are added whole.
    std::uint32_t take() {
        if (!m_free.empty()) {
            const std::uint32_t cell = m_free.back();
            m_free.pop_back();
            return cell;
        }
        if (m_cells % kBlockCells == 0)
            m_blocks.push_back(std::make_unique<Cell[]>(kBlockCells));
        return ++m_cells;
    }

    void release(std::uint32_t cell) {
        cellAt(cell) = Cell{};
        m_free.push_back(cell);
    }

    // The array at most three quarters full keeps probe runs short: the pairs
    // are read in order, eight to a cache line.
    void grow() {
        std::vector<Pair> old(std::max<std::size_t>(16, m_pairs.size() * 2));
        old.swap(m_pairs);
        for (const Pair pair : old) {
            if (pair.cell == kEmpty)
                continue;
            std::size_t at = pair.hash & mask();
            while (m_pairs[at].cell != kEmpty)
                at = (at + 1) & mask();
            m_pairs[at] = pair;
        }
    }

    // Backward-shift deletion: pairs after the gap whose home lies at or before
    // it move into it, so no run is broken and no tombstones pile up.
    void closeGap(std::size_t gap) {
        for (std::size_t at = (gap + 1) & mask(); m_pairs[at].cell != kEmpty; at = (at + 1) & mask()) {
            const std::size_t home = m_pairs[at].hash & mask();
            const bool homeBetween = gap <= at ? (gap < home && home <= at) : (gap < home || home <= at);
            if (!homeBetween) {
                m_pairs[gap] = m_pairs[at];
                gap = at;
            }
        }
        m_pairs[gap] = Pair{};
    }

    std::vector<Pair> m_pairs; // a power of two in size, or empty
    std::vector<std::unique_ptr<Cell[]>> m_blocks;
    std::vector<std::uint32_t> m_free;
    std::uint32_t m_cells = 0;
    std::size_t m_size = 0;
    std::size_t m_seed = QHashSeed::globalSeed();
};
