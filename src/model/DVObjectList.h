#pragma once

#include <QHash>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// An owning list of objects in list order (a family list, a use case's steps), with identifier and
// position lookups that are not linear scans. Lookups keep the rule "the first object in list order
// wins": the index is rebuilt lazily after a structural change.
//
// The views rewrite a list from their rows: Clear() detaches every object into the list's holding area
// without destroying it, and Append() of a held object puts it back. Objects that are not put back stay
// owned by the list (so row pointers never dangle) until Take() or DeleteAll().
template <typename T>
class DVObjectList {
public:
    DVObjectList() = default;
    DVObjectList(const DVObjectList&) = delete;
    DVObjectList& operator=(const DVObjectList&) = delete;

    int size() const { return static_cast<int>(m_items.size()); }
    bool empty() const { return m_items.empty(); }
    T* at(int index) const { return m_items[static_cast<std::size_t>(index)].get(); }
    T* first() const { return m_items.empty() ? nullptr : m_items.front().get(); }

    // Iteration over the objects in list order (as raw pointers).
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        using pointer = T* const*;
        using reference = T*;

        explicit const_iterator(typename std::vector<std::unique_ptr<T>>::const_iterator it) : m_it(it) {}
        T* operator*() const { return m_it->get(); }
        const_iterator& operator++() {
            ++m_it;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return m_it != other.m_it; }
        bool operator==(const const_iterator& other) const { return m_it == other.m_it; }

    private:
        typename std::vector<std::unique_ptr<T>>::const_iterator m_it;
    };
    const_iterator begin() const { return const_iterator(m_items.begin()); }
    const_iterator end() const { return const_iterator(m_items.end()); }

    // Appends an object the list takes over.
    T* Append(std::unique_ptr<T> object) {
        T* raw = object.get();
        if (raw == nullptr) {
            return nullptr;
        }
        NoteAppended(raw);
        m_items.push_back(std::move(object));
        return raw;
    }

    // Puts an object back that Clear() detached. Returns false when the list does not hold it detached.
    bool Append(T* detached) {
        std::unique_ptr<T> object = TakeDetached(detached);
        if (!object) {
            return false;
        }
        Append(std::move(object));
        return true;
    }

    // Inserts before the position (size() appends).
    T* Insert(int position, std::unique_ptr<T> object) {
        T* raw = object.get();
        if (raw == nullptr) {
            return nullptr;
        }
        position = std::clamp(position, 0, size());
        m_items.insert(m_items.begin() + position, std::move(object));
        Invalidate();
        return raw;
    }

    // The objects in list order.
    std::vector<T*> Order() const {
        std::vector<T*> order;
        order.reserve(m_items.size());
        for (const auto& object : m_items) {
            order.push_back(object.get());
        }
        return order;
    }

    // Removes count objects from the position on and hands them to the caller in list order.
    std::vector<std::unique_ptr<T>> TakeRange(int position, int count) {
        const auto first = m_items.begin() + position;
        std::vector<std::unique_ptr<T>> taken(std::make_move_iterator(first),
                                              std::make_move_iterator(first + count));
        m_items.erase(first, first + count);
        Invalidate();
        return taken;
    }

    // Inserts the objects before the position, in their order.
    void InsertRange(int position, std::vector<std::unique_ptr<T>> objects) {
        m_items.insert(m_items.begin() + position, std::make_move_iterator(objects.begin()),
                       std::make_move_iterator(objects.end()));
        Invalidate();
    }

    // Removes the object from the list (or the holding area) and hands it to the caller.
    std::unique_ptr<T> Take(T* object) {
        const int index = IndexOf(object);
        if (index >= 0) {
            std::unique_ptr<T> taken = std::move(m_items[static_cast<std::size_t>(index)]);
            m_items.erase(m_items.begin() + index);
            Invalidate();
            return taken;
        }
        return TakeDetached(object);
    }

    // Detaches every object into the holding area (see the class comment).
    void Clear() {
        for (auto& object : m_items) {
            m_detachedIndex.insert(object.get(), m_detached.size());
            m_detached.push_back(std::move(object));
        }
        m_items.clear();
        Invalidate();
    }

    // Destroys every object, held ones included.
    void DeleteAll() {
        m_items.clear();
        m_detached.clear();
        m_detachedIndex.clear();
        Invalidate();
    }

    // The first object with that identifier, or null.
    T* FindById(qint32 id) const {
        EnsureIndex();
        const auto it = m_firstById.constFind(id);
        return it == m_firstById.constEnd() ? nullptr : at(it.value());
    }

    // Position of the object in the list, -1 when it is not there.
    int IndexOf(const T* object) const {
        if (object == nullptr) {
            return -1;
        }
        EnsureIndex();
        return m_positions.value(object, -1);
    }

    bool Contains(const T* object) const { return IndexOf(object) >= 0; }

    // Call after changing the identifier of an object that is in the list.
    void Invalidate() const { m_indexValid = false; }

private:
    std::unique_ptr<T> TakeDetached(const T* object) {
        const auto it = m_detachedIndex.constFind(object);
        if (it == m_detachedIndex.constEnd()) {
            return nullptr;
        }
        const std::size_t slot = it.value();
        m_detachedIndex.erase(it);
        std::unique_ptr<T> taken = std::move(m_detached[slot]);
        if (slot + 1 != m_detached.size()) {
            m_detached[slot] = std::move(m_detached.back());
            m_detachedIndex[m_detached[slot].get()] = slot;
        }
        m_detached.pop_back();
        return taken;
    }

    void NoteAppended(const T* raw) {
        if (m_indexValid) {
            const int position = size();
            m_positions.insert(raw, position);
            if (!m_firstById.contains(raw->m_nId)) {
                m_firstById.insert(raw->m_nId, position);
            }
        }
    }

    void EnsureIndex() const {
        if (m_indexValid) {
            return;
        }
        m_firstById.clear();
        m_positions.clear();
        m_firstById.reserve(size());
        m_positions.reserve(size());
        for (int i = 0; i < size(); ++i) {
            const T* object = at(i);
            m_positions.insert(object, i);
            if (!m_firstById.contains(object->m_nId)) {
                m_firstById.insert(object->m_nId, i);
            }
        }
        m_indexValid = true;
    }

    std::vector<std::unique_ptr<T>> m_items;
    std::vector<std::unique_ptr<T>> m_detached;
    QHash<const T*, std::size_t> m_detachedIndex;
    mutable QHash<qint32, int> m_firstById;
    mutable QHash<const T*, int> m_positions;
    mutable bool m_indexValid = true;
};
