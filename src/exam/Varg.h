#pragma once

#include <array>
#include <cstddef>

// A fixed array with the bounds the exam's data model gives it (question numbers 1 to 50,
// paper positions 0 to 100, ...). Indexing is checked: an index outside the bounds is a
// programming error, never silently another element.
template<typename T, int Fillimi, int Fundi>
class Varg
{
    static_assert(Fundi >= Fillimi);

public:
    static constexpr int fillimi = Fillimi;
    static constexpr int fundi = Fundi;

    T &operator()(int i) { return m_v.at(static_cast<std::size_t>(i - Fillimi)); }
    const T &operator()(int i) const { return m_v.at(static_cast<std::size_t>(i - Fillimi)); }

private:
    std::array<T, Fundi - Fillimi + 1> m_v {};
};

// The same for a two-dimensional array such as the alternatives, q by j.
template<typename T, int Fillimi1, int Fundi1, int Fillimi2, int Fundi2>
class Varg2
{
public:
    T &operator()(int i, int j) { return m_v(i)(j); }
    const T &operator()(int i, int j) const { return m_v(i)(j); }

private:
    Varg<Varg<T, Fillimi2, Fundi2>, Fillimi1, Fundi1> m_v;
};
