#include "gfx/RasterRows.h"

namespace gfx::raster::detail {

void NormalizeRunsGeneral(Runs& runs) {
    // Rows hold a handful of runs: an insertion sort beats a general one here.
    size_t count = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const Run run = runs[i];
        if (run.x1 <= run.x0) continue;
        size_t j = count++;
        while (j > 0 && runs[j - 1].x0 > run.x0) {
            runs[j] = runs[j - 1];
            --j;
        }
        runs[j] = run;
    }
    runs.resize(count);
    if (count < 2) return;
    size_t kept = 0;
    for (size_t i = 1; i < count; ++i) {
        if (runs[i].x0 <= runs[kept].x1) {
            runs[kept].x1 = std::max(runs[kept].x1, runs[i].x1);
        } else {
            runs[++kept] = runs[i];
        }
    }
    runs.resize(kept + 1);
}

void IntersectRuns(const Runs& a, const Runs& b, Runs& out) {
    out.clear();
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        int64_t x0 = std::max(a[i].x0, b[j].x0);
        int64_t x1 = std::min(a[i].x1, b[j].x1);
        if (x0 < x1) out.push_back({x0, x1});
        if (a[i].x1 < b[j].x1) {
            ++i;
        } else {
            ++j;
        }
    }
}

void SubtractRuns(const Runs& a, const Runs& b, Runs& out) {
    out.clear();
    size_t j = 0;
    for (const Run& run : a) {
        int64_t x = run.x0;
        while (j < b.size() && b[j].x1 <= x) ++j;
        size_t k = j;
        while (k < b.size() && b[k].x0 < run.x1) {
            if (b[k].x0 > x) out.push_back({x, b[k].x0});
            x = std::max(x, b[k].x1);
            ++k;
        }
        if (x < run.x1) out.push_back({x, run.x1});
    }
}

void ErodeRuns(const Runs& a, Runs& out) {
    out.clear();
    for (const Run& run : a) {
        if (run.x1 - run.x0 > 2) out.push_back({run.x0 + 1, run.x1 - 1});
    }
}

void SplitRowGeneral(const Runs& above, const Runs& current, const Runs& below, Runs& eroded,
                     Runs& scratch, Runs& outline, Runs& interior) {
    ErodeRuns(current, eroded);
    IntersectRuns(eroded, above, scratch);
    IntersectRuns(scratch, below, interior);
    SubtractRuns(current, interior, outline);
}

void SortAndMergeSpans(Spans& spans) {
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    size_t kept = 0;
    for (size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].x1 <= spans[i].x0) continue;
        if (kept > 0 && spans[kept - 1].y == spans[i].y && spans[i].x0 <= spans[kept - 1].x1) {
            spans[kept - 1].x1 = std::max(spans[kept - 1].x1, spans[i].x1);
        } else {
            spans[kept++] = spans[i];
        }
    }
    spans.resize(kept);
}

Spans SubtractSpans(const Spans& a, const Spans& b) {
    Spans result;
    result.reserve(a.size());
    size_t j = 0;
    for (const Span& s : a) {
        // Skip the spans of b on earlier rows or wholly left of s.
        while (j < b.size() && (b[j].y < s.y || (b[j].y == s.y && b[j].x1 <= s.x0))) ++j;
        int x = s.x0;
        for (size_t k = j; k < b.size() && b[k].y == s.y && b[k].x0 < s.x1; ++k) {
            if (b[k].x0 > x) result.push_back({s.y, x, b[k].x0});
            x = std::max(x, b[k].x1);
        }
        if (x < s.x1) result.push_back({s.y, x, s.x1});
    }
    return result;
}

RowRange ClipRows(int64_t top, int64_t bottom) {
    return {std::max(top, -kLimit), std::min(bottom, kLimit)};
}

}  // namespace gfx::raster::detail
