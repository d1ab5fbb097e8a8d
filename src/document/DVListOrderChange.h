#pragma once

#include "model/DVObjectList.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

// What one action changed in the order of some object lists of one kind: per list only the window
// between the unchanged head and tail, before and after. Objects may move between the lists (into
// the deleted list and back); those that are in none of them on one side are owned here meanwhile.
template <typename T>
class DVListOrderChange {
public:
    void Begin(std::initializer_list<DVObjectList<T>*> lists) {
        for (DVObjectList<T>* list : lists) {
            m_windows.push_back(Window{list, list->Order()});
        }
    }

    // Keeps only the windows that changed; false when none did.
    bool Finish() {
        for (Window& window : m_windows) {
            const std::vector<T*> after = window.list->Order();
            std::vector<T*>& before = window.before;
            const auto head = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
            const std::size_t start = std::size_t(head.first - before.begin());
            std::size_t tail = 0;
            while (tail < before.size() - start && tail < after.size() - start &&
                   before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
                ++tail;
            }
            window.start = int(start);
            window.after.assign(after.begin() + std::ptrdiff_t(start), after.end() - std::ptrdiff_t(tail));
            before.erase(before.end() - std::ptrdiff_t(tail), before.end());
            before.erase(before.begin(), before.begin() + std::ptrdiff_t(start));
            before.shrink_to_fit();
        }
        std::erase_if(m_windows, [](const Window& window) { return window.before == window.after; });
        return !m_windows.empty();
    }

    bool Empty() const { return m_windows.empty(); }

    // Puts every list back into its state before (undo) or after the action.
    void Apply(bool undo) {
        std::unordered_map<T*, std::unique_ptr<T>> pool;
        for (auto& object : m_held) {
            T* raw = object.get();
            pool.emplace(raw, std::move(object));
        }
        m_held.clear();
        for (Window& window : m_windows) {
            const auto& current = undo ? window.after : window.before;
            for (auto& object : window.list->TakeRange(window.start, int(current.size()))) {
                T* raw = object.get();
                pool.emplace(raw, std::move(object));
            }
        }
        for (Window& window : m_windows) {
            const auto& wanted = undo ? window.before : window.after;
            std::vector<std::unique_ptr<T>> objects;
            objects.reserve(wanted.size());
            for (T* object : wanted) {
                const auto it = pool.find(object);
                if (it != pool.end()) {
                    objects.push_back(std::move(it->second));
                    pool.erase(it);
                } else if (auto held = window.list->Take(object)) {
                    // Still in the list's holding area after a rewrite from the rows.
                    objects.push_back(std::move(held));
                }
            }
            window.list->InsertRange(window.start, std::move(objects));
        }
        for (auto& entry : pool) {
            m_held.push_back(std::move(entry.second));
        }
    }

    std::size_t Bytes() const {
        std::size_t bytes = m_held.size() * sizeof(void*);
        for (const Window& window : m_windows) {
            bytes += sizeof(Window) + (window.before.size() + window.after.size()) * sizeof(T*);
        }
        return bytes;
    }

private:
    struct Window {
        DVObjectList<T>* list;
        std::vector<T*> before;
        int start = 0;
        std::vector<T*> after;
    };

    std::vector<Window> m_windows;
    std::vector<std::unique_ptr<T>> m_held;
};
