#pragma once

#include <memory>

namespace bumblorbs {

// A unique_ptr that releases its object with a C library's own free
// function, such as OwnedHandle<SDL_Surface, SDL_FreeSurface>.
template <auto Free>
struct FreeWith {
    template <typename T>
    void operator()(T* object) const {
        Free(object);
    }
};

template <typename T, auto Free>
using OwnedHandle = std::unique_ptr<T, FreeWith<Free>>;

}  // namespace bumblorbs
