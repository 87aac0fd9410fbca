#pragma once

#include <memory>
#include <set>

// Values, one or thousands, of which the first in an order of the caller's
// (Before on their addresses) is asked for: the first is held apart, so asking
// costs O(1), and adding or removing costs O(log m) for the m values held. The
// part of a value that Before compares must not change while it is held.
template <class T, class Before> class FirstInOrder {
public:
    T* first() const { return m_first; }
    bool empty() const { return m_first == nullptr; }

    void insert(T* value) {
        if (!m_first) {
            m_first = value;
            return;
        }
        if (!m_others)
            m_others = std::make_unique<Others>();
        if (Before()(value, m_first))
            std::swap(value, m_first);
        m_others->insert(value);
    }

    // Removes value if it is held.
    void erase(T* value) {
        if (value == m_first) {
            m_first = nullptr;
            if (m_others) {
                m_first = *m_others->begin();
                m_others->erase(m_others->begin());
            }
        } else if (m_others) {
            m_others->erase(value);
        }
        if (m_others && m_others->empty())
            m_others.reset();
    }

private:
    using Others = std::set<T*, Before>;
    T* m_first = nullptr;
    std::unique_ptr<Others> m_others; // only a value shared with others pays for the set
};
