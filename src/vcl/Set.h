#pragma once
// A small set of enumeration values (up to 32), the way components keep flag sets such as
// font styles, shift states or component states: Contains / Include / Exclude.

#include <cstdint>
#include <initializer_list>

namespace vcl {

template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E v : values) bits_ |= Bit(v);
    }

    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet& Include(E v) { bits_ |= Bit(v); return *this; }
    constexpr TSet& Exclude(E v) { bits_ &= ~Bit(v); return *this; }
    constexpr TSet& Set(E v, bool on) { return on ? Include(v) : Exclude(v); }
    constexpr uint32_t Bits() const { return bits_; }

    friend constexpr TSet operator+(TSet a, TSet b) { a.bits_ |= b.bits_; return a; }
    friend constexpr TSet operator-(TSet a, TSet b) { a.bits_ &= ~b.bits_; return a; }
    friend constexpr bool operator==(TSet a, TSet b) = default;

private:
    static constexpr uint32_t Bit(E v) { return uint32_t(1) << static_cast<unsigned>(v); }
    uint32_t bits_ = 0;
};

}  // namespace vcl
