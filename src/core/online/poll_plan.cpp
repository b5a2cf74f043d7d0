#include "core/online/poll_plan.h"

#include <algorithm>
#include <map>
#include <utility>

namespace core::online {

std::vector<PollRequest> mergeRequests(const std::vector<PlanPoint> &all,
                                       std::vector<std::size_t> points, const PollLimits &limits)
{
    std::vector<PollRequest> out;
    if (points.empty())
        return out;
    std::sort(points.begin(), points.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(all[a].at.address, all[a].at.count)
                < std::pair(all[b].at.address, all[b].at.count);
    });
    const ModbusTable table = all[points.front()].at.table;
    const bool bits = isBitTable(table);
    const std::uint32_t span = bits ? limits.maxBits : limits.maxRegisters;
    const std::uint32_t gap = bits ? limits.bitGap : limits.registerGap;
    std::uint32_t end = 0;
    for (const std::size_t i : points) {
        const ModbusPoint &p = all[i].at;
        const bool joins
                = !out.empty() && p.end() - out.back().start <= span && p.address <= end + gap;
        if (!joins) {
            PollRequest r;
            r.station = all[i].key.station;
            r.table = table;
            r.start = p.address;
            out.push_back(std::move(r));
            end = p.address;
        }
        PollRequest &r = out.back();
        end = std::max(end, p.end());
        r.count = std::uint16_t(end - r.start);
        r.points.push_back(i);
    }
    return out;
}

CPollPlan CPollPlan::Build(const std::vector<MemoryKey> &keys, const PollLimits &limits)
{
    CPollPlan plan;
    plan.m_limits = limits;
    std::map<std::pair<std::uint16_t, ModbusTable>, std::vector<std::size_t>> groups;
    for (const MemoryKey &key : keys) {
        const auto at = decodeModbusField(key.kind, key.field);
        if (!at) {
            plan.m_unaddressed.push_back(key);
            continue;
        }
        groups[{key.station, at->table}].push_back(plan.m_points.size());
        plan.m_points.push_back({key, *at});
    }
    for (auto &[group, points] : groups) {
        for (PollRequest &r : mergeRequests(plan.m_points, std::move(points), limits))
            plan.m_requests.push_back(std::move(r));
    }
    return plan;
}

std::size_t CPollPlan::RequestCount(std::uint16_t station) const
{
    return std::size_t(std::count_if(m_requests.begin(), m_requests.end(),
                                     [&](const PollRequest &r) { return r.station == station; }));
}

bool CPollPlan::SplitAtGaps(std::size_t index)
{
    if (index >= m_requests.size())
        return false;
    PollLimits adjacent = m_limits;
    adjacent.registerGap = 0;
    adjacent.bitGap = 0;
    std::vector<PollRequest> runs = mergeRequests(m_points, m_requests[index].points, adjacent);
    if (runs.size() < 2)
        return false;
    m_requests.erase(m_requests.begin() + std::ptrdiff_t(index));
    m_requests.insert(m_requests.begin() + std::ptrdiff_t(index),
                      std::make_move_iterator(runs.begin()), std::make_move_iterator(runs.end()));
    return true;
}

std::size_t registerWriteRun(const std::vector<WriteTarget> &writes)
{
    if (writes.empty())
        return 0;
    const WriteTarget &first = writes.front();
    if (first.at.table != ModbusTable::HoldingRegisters)
        return 1;
    std::size_t n = 1;
    std::uint32_t end = first.at.end();
    for (; n < writes.size(); ++n) {
        const WriteTarget &w = writes[n];
        if (w.station != first.station || w.at.table != ModbusTable::HoldingRegisters
            || w.at.address != end || w.at.end() - first.at.address > kMaxWriteRegisters)
            break;
        end = w.at.end();
    }
    return n;
}

} // namespace core::online
