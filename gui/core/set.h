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

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(E value) { bits_ |= Bit(value); }
    constexpr void Exclude(E value) { bits_ &= ~Bit(value); }
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
    static constexpr uint32_t Bit(E value) { return uint32_t(1) << static_cast<int>(value); }
    uint32_t bits_ = 0;
};

}  // namespace gui
