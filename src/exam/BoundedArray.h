#pragma once

#include <array>
#include <cstddef>

// A fixed array with the bounds the exam's data model gives it (question numbers 1 to 50,
// paper positions 0 to 100, ...). Indexing is checked: an index outside the bounds is a
// programming error, never silently another element.
template<typename T, int First, int Last>
class BoundedArray
{
    static_assert(Last >= First);

public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T &operator()(int i) { return m_v.at(static_cast<std::size_t>(i - First)); }
    const T &operator()(int i) const { return m_v.at(static_cast<std::size_t>(i - First)); }

private:
    std::array<T, Last - First + 1> m_v {};
};

// The same for a two-dimensional array such as the alternatives, q by j.
template<typename T, int First1, int Last1, int First2, int Last2>
class BoundedArray2
{
public:
    T &operator()(int i, int j) { return m_v(i)(j); }
    const T &operator()(int i, int j) const { return m_v(i)(j); }

private:
    BoundedArray<BoundedArray<T, First2, Last2>, First1, Last1> m_v;
};
