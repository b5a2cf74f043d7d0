#pragma once

// Z-order moves on a screen's drawing order (first = back, last = front), and the order a
// screen's tags can be kept in: the project file and the panel keep them group by group, in the
// groups' order, and in their own order within a group.

#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>
#include <vector>

namespace core::editor {

// The drawing order the file keeps: a stable sort by the kinds' record groups.
template<class T>
std::vector<T> keptOrder(std::vector<T> order)
{
    std::stable_sort(order.begin(), order.end(), [](const T &a, const T &b) {
        return tagKindInfo(a->Kind()).group < tagKindInfo(b->Kind()).group;
    });
    return order;
}

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

// True when the selected items stand in front of (`front`) or behind (!`front`) every other item
// of `order`: what a z-order request asked for.
template<class T>
bool selectionAtEnd(const std::vector<T> &order, const std::vector<T> &selection, bool front)
{
    const auto selected = [&](const T &item) {
        return std::find(selection.begin(), selection.end(), item) != selection.end();
    };
    if (front) {
        // After the first selected item, only selected ones.
        const auto first = std::find_if(order.begin(), order.end(), selected);
        return std::all_of(first, order.end(), selected);
    }
    // Before the last selected item, only selected ones.
    const auto last = std::find_if(order.rbegin(), order.rend(), selected);
    return std::all_of(last, order.rend(), selected);
}

} // namespace core::editor
