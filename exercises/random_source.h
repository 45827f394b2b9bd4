// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers an exercise is made from: SplitMix64, written out here so that
// every standard library and every machine draws the same sequence from the
// same seed (the standard distributions differ between libraries).

#include <cstdint>
#include <utility>
#include <vector>

namespace exercises {

class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e37'79b9'7f4a'7c15);
        z = (z ^ (z >> 30)) * 0xbf58'476d'1ce4'e5b9;
        z = (z ^ (z >> 27)) * 0x94d0'49bb'1331'11eb;
        return z ^ (z >> 31);
    }

    // 0 to count - 1, by the high bits of a product (no division's bias
    // worth a student's notice, and the same everywhere).
    unsigned below(unsigned count) { return unsigned(((next() >> 32) * count) >> 32); }
    // first to last, both included.
    int between(int first, int last) { return first + int(below(unsigned(last - first + 1))); }
    // true once in `count` draws, on average.
    bool oneIn(unsigned count) { return below(count) == 0; }

    template <typename T> void shuffle(std::vector<T> &items) {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(unsigned(i))]);
    }
    template <typename T> const T &pick(const std::vector<T> &items) {
        return items[below(unsigned(items.size()))];
    }

private:
    std::uint64_t state_;
};

} // namespace exercises
