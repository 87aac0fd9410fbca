#pragma once

#include "chatroom/NodePool.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// A sorted set that also answers by position: insert, erase, find, the position
// of a value and the value at a position each cost O(log n), whatever order the
// values come in. A stored value keeps its address until it is erased, so other
// indexes may point at it; the part of it that Less compares must not change.
//
// A treap: a search tree on the values that is also a heap on random priorities,
// so its shape is that of a tree built in random order (depth O(log n)), and no
// order of input, however chosen, can make it deep.
//
// Many values stored at once (a names reply) can wait: the first question asked
// after them sorts them and merges them in, in one pass over the tree when they
// are many, rather than one descent each. A Less that tells a value's head (a
// leading part of what it compares, as a value of its own whose order agrees:
// heads in order put their values in order) has them sorted on a compact array
// of heads, each value read once and compared only where heads are equal.
template <class T, class Less> class RankedSet {
public:
    RankedSet() = default;
    ~RankedSet() { clear(); }
    RankedSet(const RankedSet&) = delete;
    RankedSet& operator=(const RankedSet&) = delete;

    int size() const { return sizeOf(m_root) + static_cast<int>(m_waiting.size()); }

    // Stores value (which must not be there yet) and returns where it lives.
    T* insert(T value) {
        settle();
        Node* node = newNode(std::move(value));
        m_root = insertNode(m_root, node);
        return &node->value;
    }

    // The same, but the value waits to be sorted in until the set is next asked
    // something; where it lives is final at once.
    T* insertLater(T value) {
        Node* node = newNode(std::move(value));
        m_waiting.push_back(node);
        return &node->value;
    }

    // Removes the value equal to value, if there is one; value may be the
    // stored value itself.
    void erase(const T& value) {
        settle();
        m_root = eraseNode(m_root, value);
    }

    // The stored value equal to value, or nullptr.
    T* find(const T& value) const {
        settle();
        for (Node* node = m_root; node;) {
            if (m_less(value, node->value))
                node = node->left;
            else if (m_less(node->value, value))
                node = node->right;
            else
                return &node->value;
        }
        return nullptr;
    }

    // How many stored values come before value: its position when it is stored,
    // the position it would take otherwise.
    int rankOf(const T& value) const {
        settle();
        int rank = 0;
        for (Node* node = m_root; node;) {
            if (m_less(node->value, value)) {
                rank += sizeOf(node->left) + 1;
                node = node->right;
            } else {
                node = node->left;
            }
        }
        return rank;
    }

    // The value at position rank, 0 <= rank < size().
    T& at(int rank) const {
        settle();
        Node* node = m_root;
        for (;;) {
            const int before = sizeOf(node->left);
            if (rank < before) {
                node = node->left;
            } else if (rank == before) {
                return node->value;
            } else {
                rank -= before + 1;
                node = node->right;
            }
        }
    }

    void clear() {
        destroy(m_root);
        m_root = nullptr;
        for (Node* node : m_waiting)
            m_nodes.destroy(node);
        m_waiting.clear();
        m_nodes.release();
    }

private:
    struct Node {
        T value;
        std::uint32_t priority;
        int size = 1;
        Node* left = nullptr;
        Node* right = nullptr;
    };

    static int sizeOf(const Node* node) { return node ? node->size : 0; }
    static void resize(Node* node) { node->size = sizeOf(node->left) + 1 + sizeOf(node->right); }

    Node* newNode(T value) { return m_nodes.make(std::move(value), nextPriority()); }

    // Sorts the waiting values in: one descent each when they are few beside the
    // tree, else one pass that lays tree and waiting values out in order and
    // builds the tree anew from them (the same tree, as priorities decide it).
    void settle() const {
        if (m_waiting.empty())
            return;
        sortWaiting();
        if (m_waiting.size() * 8 < static_cast<std::size_t>(sizeOf(m_root))) {
            for (Node* node : m_waiting)
                m_root = insertNode(m_root, node);
        } else {
            std::vector<Node*>& ordered = m_ordered;
            ordered.clear();
            layOut(m_root, ordered);
            const auto middle = ordered.insert(ordered.end(), m_waiting.begin(), m_waiting.end());
            std::inplace_merge(ordered.begin(), middle, ordered.end(),
                               [this](const Node* a, const Node* b) { return m_less(a->value, b->value); });
            m_root = build(ordered, m_spine);
        }
        m_waiting.clear();
    }

    static constexpr bool kHeads = requires(const T& value) { Less::headOf(value); };

    void sortWaiting() const {
        if (m_waiting.size() < 2)
            return; // a member joining: nothing to sort, and no array to make for it
        const auto before = [this](const Node* a, const Node* b) { return m_less(a->value, b->value); };
        if constexpr (kHeads) {
            struct Headed {
                decltype(Less::headOf(std::declval<const T&>())) head;
                Node* node;
            };
            std::vector<Headed> headed;
            headed.reserve(m_waiting.size());
            for (Node* node : m_waiting)
                headed.push_back({Less::headOf(node->value), node});
            std::sort(headed.begin(), headed.end(), [&before](const Headed& a, const Headed& b) {
                const auto order = a.head <=> b.head;
                return order != 0 ? order < 0 : before(a.node, b.node);
            });
            for (std::size_t k = 0; k < headed.size(); ++k)
                m_waiting[k] = headed[k].node;
        } else {
            std::sort(m_waiting.begin(), m_waiting.end(), before);
        }
    }

    // The nodes of the tree in order, without recursion.
    void layOut(Node* root, std::vector<Node*>& ordered) const {
        std::vector<Node*>& path = m_spine;
        path.clear();
        for (Node* node = root; node || !path.empty();) {
            for (; node; node = node->left)
                path.push_back(node);
            node = path.back();
            path.pop_back();
            ordered.push_back(node);
            node = node->right;
        }
    }

    // The treap of nodes given in order: a right spine of falling priorities is
    // kept on a stack; a node whose subtree is complete leaves it with its size.
    static Node* build(const std::vector<Node*>& ordered, std::vector<Node*>& spine) {
        spine.clear();
        for (Node* node : ordered) {
            node->left = node->right = nullptr;
            Node* below = nullptr;
            while (!spine.empty() && spine.back()->priority < node->priority) {
                Node* done = spine.back();
                spine.pop_back();
                done->right = below;
                resize(done);
                below = done;
            }
            node->left = below;
            spine.push_back(node);
        }
        Node* below = nullptr;
        while (!spine.empty()) {
            Node* done = spine.back();
            spine.pop_back();
            done->right = below;
            resize(done);
            below = done;
        }
        return below;
    }

    // xorshift32, seeded from the system: the shape cannot be foreseen from outside.
    std::uint32_t nextPriority() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

    // Cuts node's tree into the values before value and the rest.
    void split(Node* node, const T& value, Node*& before, Node*& rest) const {
        if (!node) {
            before = rest = nullptr;
        } else if (m_less(node->value, value)) {
            split(node->right, value, node->right, rest);
            before = node;
            resize(node);
        } else {
            split(node->left, value, before, node->left);
            rest = node;
            resize(node);
        }
    }

    // Joins two trees whose values all stand in order: every value of a before b's.
    static Node* merge(Node* a, Node* b) {
        if (!a || !b)
            return a ? a : b;
        if (a->priority > b->priority) {
            a->right = merge(a->right, b);
            resize(a);
            return a;
        }
        b->left = merge(a, b->left);
        resize(b);
        return b;
    }

    Node* insertNode(Node* root, Node* node) const {
        if (!root)
            return node;
        if (node->priority > root->priority) {
            split(root, node->value, node->left, node->right);
            resize(node);
            return node;
        }
        if (m_less(node->value, root->value))
            root->left = insertNode(root->left, node);
        else
            root->right = insertNode(root->right, node);
        resize(root);
        return root;
    }

    Node* eraseNode(Node* root, const T& value) {
        if (!root)
            return nullptr;
        if (m_less(value, root->value)) {
            root->left = eraseNode(root->left, value);
        } else if (m_less(root->value, value)) {
            root->right = eraseNode(root->right, value);
        } else {
            Node* joined = merge(root->left, root->right);
            m_nodes.destroy(root);
            return joined;
        }
        resize(root);
        return root;
    }

    void destroy(Node* node) {
        while (node) {
            // Turning the tree into a right spine as it goes keeps this free of recursion.
            if (node->left) {
                Node* left = node->left;
                node->left = left->right;
                left->right = node;
                node = left;
            } else {
                Node* right = node->right;
                m_nodes.destroy(node);
                node = right;
            }
        }
    }

    NodePool<Node> m_nodes;
    mutable Node* m_root = nullptr;
    mutable std::vector<Node*> m_waiting;
    // Room for merging, kept from one merge to the next (a burst of names merges
    // often, and fresh buffers of that size each time cost more than the merge).
    mutable std::vector<Node*> m_ordered;
    mutable std::vector<Node*> m_spine;
    std::uint32_t m_state = QRandomGenerator::system()->generate() | 1u;
    [[no_unique_address]] Less m_less;
};
