// Where drawn primitives land on the page: a recording DC keeps logical
// coordinates and the window origin; the page position is their difference
// (y up, so a sheet's lower rows have lower y).
#pragma once

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "platform/recorddc.h"

struct PageBox {
    int left, right, bottom, top; // bottom <= top

    bool Overlaps(const PageBox& o) const
    {
        return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
    }
};

inline PageBox PageBoxOf(const CDrawRecord& r)
{
    const int dx = -r.origin.x, dy = -r.origin.y;
    if (r.kind == CDrawRecord::Text) {
        const int width = std::accumulate(r.advances.begin(), r.advances.end(), 0);
        const int x = r.rc.left + dx, y = r.rc.top + dy;
        return {x, x + width, y - std::abs(int(r.font.lfHeight)), y};
    }
    return {std::min(r.rc.left, r.rc.right) + dx, std::max(r.rc.left, r.rc.right) + dx,
            std::min(r.rc.top, r.rc.bottom) + dy, std::max(r.rc.top, r.rc.bottom) + dy};
}

// The box around records [first, last).
inline PageBox ExtentOf(const std::vector<CDrawRecord>& records, size_t first, size_t last)
{
    PageBox e = PageBoxOf(records.at(first));
    for (size_t i = first + 1; i < last; ++i) {
        const PageBox b = PageBoxOf(records[i]);
        e = {std::min(e.left, b.left), std::max(e.right, b.right), std::min(e.bottom, b.bottom),
             std::max(e.top, b.top)};
    }
    return e;
}

// Texts that a drawn line runs through, as "text / line" descriptions.
inline std::vector<std::string> TextsCrossedByLines(const std::vector<CDrawRecord>& records)
{
    std::vector<std::string> crossed;
    for (const CDrawRecord& t : records) {
        if (t.kind != CDrawRecord::Text) continue;
        const PageBox tb = PageBoxOf(t);
        for (const CDrawRecord& l : records) {
            if (l.kind != CDrawRecord::Line) continue;
            const PageBox lb = PageBoxOf(l);
            const bool vertical = lb.left == lb.right;
            const bool hit = vertical ? tb.left < lb.left && lb.left < tb.right && lb.bottom < tb.top && tb.bottom < lb.top
                                      : tb.bottom < lb.top && lb.top < tb.top && lb.left < tb.right && tb.left < lb.right;
            if (hit)
                crossed.push_back(t.text + " / line (" + std::to_string(lb.left) + ", " + std::to_string(lb.top) +
                                  ")-(" + std::to_string(lb.right) + ", " + std::to_string(lb.bottom) + ")");
        }
    }
    return crossed;
}
