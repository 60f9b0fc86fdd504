#include "gfx/RasterSector.h"

namespace gfx::raster::detail {
namespace {

Run Intersect(Run a, Run b) { return {std::max(a.x0, b.x0), std::min(a.x1, b.x1)}; }

void PushRun(Run run, Runs& out) {
    if (run.x0 < run.x1) out.push_back(run);
}

// Appends the union of a few runs, cut to `clip`, as sorted and merged runs.
void UniteWithin(Run* runs, int count, const Run& clip, Runs& out) {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const Run run = Intersect(runs[i], clip);
        if (run.x0 >= run.x1) continue;
        int j = kept++;
        for (; j > 0 && runs[j - 1].x0 > run.x0; --j) runs[j] = runs[j - 1];
        runs[j] = run;
    }
    if (kept == 0) return;
    Run merged = runs[0];
    for (int i = 1; i < kept; ++i) {
        if (runs[i].x0 <= merged.x1) {
            merged.x1 = std::max(merged.x1, runs[i].x1);
        } else {
            out.push_back(merged);
            merged = runs[i];
        }
    }
    out.push_back(merged);
}

// ceil(n / d) for n = n0, n0 + step, n0 + 2 step, ... (d > 0), one addition per step.
template <typename Int>
class CeilSequence {
public:
    void Start(Int n, Int d, Int step) {
        d_ = d;
        q_ = CeilDiv<Int>(n, d);
        r_ = q_ * d - n;  // n = q d - r, 0 <= r < d
        stepQ_ = FloorDiv<Int>(step, d);
        stepR_ = step - stepQ_ * d;  // step = stepQ d + stepR, 0 <= stepR < d
    }
    void Next() {
        q_ += stepQ_;
        r_ -= stepR_;
        if (r_ < 0) {
            r_ += d_;
            ++q_;
        }
    }
    Int Value() const { return q_; }
    Int Remainder() const { return r_; }  // Value() * d - n

private:
    Int q_ = 0, r_ = 0, d_ = 1, stepQ_ = 0, stepR_ = 0;
};

struct Direction {
    int64_t dx, dy;
};

// One ray of the sector, in doubled offsets from the apex: u = 2x + 1 - (Left + Right),
// v = 2y + 1 - (Top + Bottom). With f(u, v) = Ccw(d, (u, v)) = dy u - dx v (positive
// counter-clockwise of the ray, on screen) and s = +1 for ray 1, -1 for ray 2, the
// sector's side of the ray's line is s f >= 0, and the radius line is the strip
// -M < s f <= M, M = max(|dx|, |dy|), from the apex outwards along the major axis. Pixel
// centres are 2 apart in doubled units, so the strip holds one pixel per step along the
// major axis, the nearest to the ray, ties going to the sector's side.
//
// In a row, s f = a u + b v with a = s dy, b = -s dx, so every bound is a multiple of
// 1 / 2|a| away from the same number n = -(a c0 + b v) (u = 2x + c0). All bounds come from
// one quotient ceil(n / 2|a|) and its remainder, which follow the rows by additions.
template <typename Int>
class RayRows {
public:
    RayRows(Direction d, int sideSign, int64_t horizontalSum, int64_t verticalSum)
        : a_(Int(sideSign) * d.dy),
          b_(-Int(sideSign) * d.dx),
          m_(std::max(Abs(Int(d.dx)), Abs(Int(d.dy)))),
          divisor_(2 * Abs(a_)),
          c0_(Int(1) - horizontalSum),
          verticalSum_(verticalSum),
          steep_(Abs(d.dy) >= Abs(d.dx)),
          dy_(d.dy) {
        if (a_ != 0) {
            SplitOffset(-(m_ - 1), lowQ_, lowR_);
            SplitOffset(m_, highQ_, highR_);
        }
        if (!steep_) {
            // Columns with dx u >= 0: dx (2x + c0) >= 0.
            forward_ = d.dx > 0 ? Run{ClampToInt64Range(CeilDiv<Int>(-c0_, 2)), kPlusInfinity}
                                : Run{kMinusInfinity, ClampToInt64Range(FloorDiv<Int>(-c0_, 2)) + 1};
        }
    }

    // Row y's columns on the sector's side of the ray's line, and of the radius line.
    [[gnu::always_inline]] void Columns(int64_t y, Run& side, Run& radius) const {
        const Int v = Int(2) * y + 1 - verticalSum_;
        Run forward = forward_;
        if (steep_ && v != 0 && ((v < 0) != (dy_ < 0))) forward = {0, 0};  // behind the apex
        if (a_ == 0) {
            // A horizontal ray: s f = b v depends on the row only.
            const Int f = b_ * v;
            side = f >= 0 ? kAll : kNone;
            radius = (f > -m_ && f <= m_) ? forward : kNone;
            return;
        }
        if (y == lastY_ + 1) {
            quotient_.Next();
        } else if (y != lastY_) {
            const Int n = -(a_ * c0_ + b_ * v);
            quotient_.Start(n, divisor_, Int(-2) * b_);  // v grows by 2 a row
        }
        lastY_ = y;
        const Int q = quotient_.Value();  // n = q D - r, 0 <= r < D
        const Int r = quotient_.Remainder();
        const Int lowCeil = q + lowQ_ + (lowR_ > r ? 1 : 0);     // ceil((n - (M - 1)) / D)
        const Int highFloor = q + highQ_ + (highR_ < r ? -1 : 0);  // floor((n + M) / D)
        Run strip;
        if (a_ > 0) {
            side = {ClampToInt64Range(q), kPlusInfinity};  // 2a x >= n
            strip = {ClampToInt64Range(lowCeil), ClampToInt64Range(highFloor) + 1};
        } else {
            side = {kMinusInfinity, ClampToInt64Range(-q) + 1};  // 2a x >= n, a < 0
            strip = {ClampToInt64Range(-highFloor), ClampToInt64Range(-lowCeil) + 1};
        }
        radius = Intersect(forward, strip);
    }

private:
    static constexpr Run kAll{kMinusInfinity, kPlusInfinity};
    static constexpr Run kNone{0, 0};

    // k = q D + r with 0 <= r < D.
    void SplitOffset(Int k, Int& q, Int& r) const {
        q = FloorDiv<Int>(k, divisor_);
        r = k - q * divisor_;
    }

    Int a_, b_, m_, divisor_, c0_;
    int64_t verticalSum_;
    bool steep_;
    int64_t dy_;
    Run forward_{kMinusInfinity, kPlusInfinity};
    Int lowQ_ = 0, lowR_ = 0, highQ_ = 0, highR_ = 0;
    mutable CeilSequence<Int> quotient_;
    mutable int64_t lastY_ = kMinusInfinity;
};

}  // namespace

class SectorRows::Impl {
public:
    virtual ~Impl() = default;
    virtual void Row(int64_t y, const Run& clip, Runs& out) const = 0;
};

namespace {

enum class Kind { Full, Convex, HalfPlaneOnly, Reflex };

template <typename Int>
class SectorImpl final : public SectorRows::Impl {
public:
    SectorImpl(Kind kind, Direction d1, Direction d2, int64_t horizontalSum, int64_t verticalSum)
        : kind_(kind), ray1_(d1, 1, horizontalSum, verticalSum), ray2_(d2, -1, horizontalSum, verticalSum) {}

    void Row(int64_t y, const Run& clip, Runs& out) const override {
        if (kind_ == Kind::Full) {
            PushRun(clip, out);
            return;
        }
        Run side1, radius1, side2, radius2;
        ray1_.Columns(y, side1, radius1);
        ray2_.Columns(y, side2, radius2);
        Run runs[4];
        int count = 0;
        switch (kind_) {
            case Kind::HalfPlaneOnly:
                runs[count++] = side1;
                break;
            case Kind::Convex:
                runs[count++] = Intersect(side1, side2);
                break;
            default:  // Reflex
                runs[count++] = side1;
                runs[count++] = side2;
                break;
        }
        runs[count++] = radius1;
        runs[count++] = radius2;
        UniteWithin(runs, count, clip, out);
    }

private:
    Kind kind_;
    RayRows<Int> ray1_, ray2_;
};

}  // namespace

SectorRows::SectorRows(const TRect& r, TPoint p1, TPoint p2) {
    const int64_t horizontalSum = int64_t(r.Left) + r.Right;
    const int64_t verticalSum = int64_t(r.Top) + r.Bottom;
    const int64_t mx = r.Left + (int64_t(r.Right) - r.Left) / 2;
    const int64_t my = r.Top + (int64_t(r.Bottom) - r.Top) / 2;
    auto direction = [&](TPoint p) {
        Direction d{p.X - mx, p.Y - my};
        if (d.dx == 0 && d.dy == 0) d.dx = 1;  // no direction: 3 o'clock
        return d;
    };
    const Direction d1 = direction(p1), d2 = direction(p2);
    // Inside the sector: counter-clockwise of ray 1 and clockwise of ray 2.
    const Int128 turn = Int128(d1.dy) * d2.dx - Int128(d1.dx) * d2.dy;  // Ccw(d1, d2)
    const Int128 dot = Int128(d1.dx) * d2.dx + Int128(d1.dy) * d2.dy;
    Kind kind;
    if (turn > 0) {
        kind = Kind::Convex;
    } else if (turn < 0) {
        kind = Kind::Reflex;
    } else {
        kind = dot > 0 ? Kind::Full : Kind::HalfPlaneOnly;
    }
    // In 64 bits when every product of a direction and a doubled offset fits.
    constexpr int64_t kSmall = int64_t(1) << 26;
    const bool small = Abs(horizontalSum) <= kSmall && Abs(verticalSum) <= kSmall &&
                       Abs(d1.dx) <= kSmall && Abs(d1.dy) <= kSmall && Abs(d2.dx) <= kSmall &&
                       Abs(d2.dy) <= kSmall;
    if (small) {
        impl_ = std::make_unique<SectorImpl<int64_t>>(kind, d1, d2, horizontalSum, verticalSum);
    } else {
        impl_ = std::make_unique<SectorImpl<Int128>>(kind, d1, d2, horizontalSum, verticalSum);
    }
}

SectorRows::~SectorRows() = default;

void SectorRows::Row(int64_t y, const Run& clip, Runs& out) const { impl_->Row(y, clip, out); }

}  // namespace gfx::raster::detail
