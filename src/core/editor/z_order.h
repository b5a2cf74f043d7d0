#pragma once

// Z-order moves on a screen's drawing order (first = back, last = front).

#include <algorithm>
#include <vector>

namespace core::editor {

// Each selected item, in selection order, goes to the front (the tail).
template<class T>
std::vector<T> bringToFront(std::vector<T> order, const std::vector<T> &selection)
{
    for (const T &item : selection) {
        const auto it = std::find(order.begin(), order.end(), item);
        if (it == order.end())
            continue;
        order.erase(it);
        order.push_back(item);
    }
    return order;
}

// Each selected item, in selection order, goes to the back (the head): the last one ends
// backmost.
template<class T>
std::vector<T> sendToBack(std::vector<T> order, const std::vector<T> &selection)
{
    for (const T &item : selection) {
        const auto it = std::find(order.begin(), order.end(), item);
        if (it == order.end())
            continue;
        order.erase(it);
        order.insert(order.begin(), item);
    }
    return order;
}

} // namespace core::editor
