// A small set of enumeration values, like the flag sets that components carry
// (component state, font styles). Values must lie in 0..31.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace gui {

template <typename E>
class Set {
public:
    constexpr Set() = default;
    constexpr Set(std::initializer_list<E> values)
    {
        for (E v : values)
            bits_ |= Bit(v);
    }

    constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(E v) { bits_ |= Bit(v); }
    constexpr void Exclude(E v) { bits_ &= ~Bit(v); }
    constexpr uint32_t Bits() const { return bits_; }

    constexpr Set operator|(Set other) const { return FromBits(bits_ | other.bits_); }
    constexpr Set operator&(Set other) const { return FromBits(bits_ & other.bits_); }
    constexpr Set operator-(Set other) const { return FromBits(bits_ & ~other.bits_); }
    constexpr bool operator==(Set other) const { return bits_ == other.bits_; }
    constexpr bool operator!=(Set other) const { return bits_ != other.bits_; }

    static constexpr Set FromBits(uint32_t bits)
    {
        Set s;
        s.bits_ = bits;
        return s;
    }

private:
    static constexpr uint32_t Bit(E v) { return uint32_t(1) << static_cast<int>(v); }
    uint32_t bits_ = 0;
};

}  // namespace gui
