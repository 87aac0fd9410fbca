#pragma once

#include <cstdint>
#include <set>
#include <utility>

// Values, one or thousands, of which the first in an order of the caller's
// (Before on their addresses) is asked for: the first is held apart, so asking
// costs O(1), and adding or removing costs O(log m) for the m values held. The
// part of a value that Before compares must not change while it is held.
//
// A group is one word: the value itself while it is alone (nearly every group
// of a room's index), else a tagged pointer to the first and a set of the others.
template <class T, class Before> class FirstInOrder {
    static_assert(alignof(T) >= 2, "the low bit of a value's address tells a shared group");

public:
    FirstInOrder() = default;
    FirstInOrder(const FirstInOrder&) = delete;
    FirstInOrder& operator=(const FirstInOrder&) = delete;
    FirstInOrder(FirstInOrder&& other) noexcept : m_bits(std::exchange(other.m_bits, 0)) {}
    FirstInOrder& operator=(FirstInOrder&& other) noexcept {
        std::swap(m_bits, other.m_bits);
        return *this;
    }
    ~FirstInOrder() { delete shared(); }

    T* first() const { return shared() ? shared()->first : reinterpret_cast<T*>(m_bits); }
    bool empty() const { return m_bits == 0; }

    void insert(T* value) {
        if (empty()) {
            m_bits = reinterpret_cast<std::uintptr_t>(value);
            return;
        }
        if (!shared()) {
            T* alone = first();
            Shared* group = new Shared{alone, {}};
            m_bits = reinterpret_cast<std::uintptr_t>(group) | kSharedBit;
        }
        Shared* group = shared();
        if (Before()(value, group->first))
            std::swap(value, group->first);
        group->others.insert(value);
    }

    // Removes value if it is held.
    void erase(T* value) {
        Shared* group = shared();
        if (!group) {
            if (value == first())
                m_bits = 0;
            return;
        }
        if (value == group->first) {
            group->first = *group->others.begin();
            group->others.erase(group->others.begin());
        } else {
            group->others.erase(value);
        }
        if (group->others.empty()) {
            m_bits = reinterpret_cast<std::uintptr_t>(group->first);
            delete group;
        }
    }

private:
    struct Shared {
        T* first;
        std::set<T*, Before> others; // never empty
    };
    static constexpr std::uintptr_t kSharedBit = 1;

    Shared* shared() const {
        return m_bits & kSharedBit ? reinterpret_cast<Shared*>(m_bits & ~kSharedBit) : nullptr;
    }

    std::uintptr_t m_bits = 0; // a T*, or a Shared* with kSharedBit set
};
