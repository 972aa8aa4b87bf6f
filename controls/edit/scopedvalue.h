#pragma once

#include <type_traits>
#include <utility>

// Gives a variable a value for the life of a scope and puts the previous one back, so that an
// inner scope of the same kind leaves the outer one's value in place.
template <typename T> class ScopedValue {
public:
    ScopedValue(T& slot, std::type_identity_t<T> value)
        : m_slot(slot), m_saved(std::exchange(slot, std::move(value))) {}
    ~ScopedValue() { m_slot = std::move(m_saved); }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& m_slot;
    T m_saved;
};
