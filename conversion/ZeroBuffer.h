#pragma once
// A zero-filled buffer of a conversion step, owned and freed by this object on every path.
// calloc rather than a vector's fill: the system hands out large blocks as fresh zero pages, so the
// parts of a buffer that no step writes (half of some, by their sizes) cost nothing.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>

template <typename T> class TZeroBuffer {
public:
    // At least one element, so even an empty buffer is a terminated one.
    explicit TZeroBuffer(std::size_t count)
        : Count(count > 0 ? count : 1), Memory(static_cast<T*>(std::calloc(Count, sizeof(T)))) {
        if (Memory == nullptr)
            throw std::bad_alloc();
    }
    ~TZeroBuffer() { std::free(Memory); }

    TZeroBuffer(TZeroBuffer&& other) noexcept
        : Count(std::exchange(other.Count, 0)), Memory(std::exchange(other.Memory, nullptr)) {}
    TZeroBuffer& operator=(TZeroBuffer&& other) noexcept {
        std::swap(Count, other.Count);
        std::swap(Memory, other.Memory);
        return *this;
    }
    TZeroBuffer(const TZeroBuffer&) = delete;
    TZeroBuffer& operator=(const TZeroBuffer&) = delete;

    T* Data() { return Memory; }
    const T* Data() const { return Memory; }
    std::size_t Size() const { return Count; }

private:
    std::size_t Count;
    T* Memory;
};
