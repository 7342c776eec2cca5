// Value types only: an enumeration's enumerators as descriptions spell them, checked by the compiler.
#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace description {

// One enumerator and its name in a description.
template <class E>
struct Enumerator {
  E value;
  std::string_view name;
};

// Whether `list` holds the enumerators of ordinals 0, 1, 2 ... in that order up to `last`, none
// left out: descriptions name an enumeration's values by these lists, and store their ordinals.
template <class E, std::size_t N>
constexpr bool everyOrdinalInOrder(const std::array<Enumerator<E>, N>& list, E last) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(list[i].value) != i) return false;
  }
  return N == static_cast<std::size_t>(last) + 1;
}

}  // namespace description

// The enumerator `e` with its own name: the two cannot disagree.
#define ENUMERATOR(e) (::description::Enumerator<decltype(e)>{e, #e})
