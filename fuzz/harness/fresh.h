#pragma once
// An object built afresh for every input, in storage kept for the whole process. The
// workspace tables take a quarter of a megabyte: allocated per input, the sanitizer's
// allocator would map and fault them in anew each time, which costs more than the run.

#include "harness/require.h"

#include <cstddef>
#include <new>
#include <utility>

namespace orvane::fuzzing {

// Slot tells apart objects of one type that live at the same time.
template <typename T, int Slot = 0> class Fresh {
  public:
    template <typename... Args> explicit Fresh(Args&&... args) {
        ORVANE_REQUIRE(!InUse());
        InUse() = true;
        object_ = new (Storage()) T(std::forward<Args>(args)...);
    }
    ~Fresh() {
        object_->~T();
        InUse() = false;
    }
    Fresh(const Fresh&) = delete;
    Fresh& operator=(const Fresh&) = delete;

    T& operator*() const { return *object_; }
    T* operator->() const { return object_; }

  private:
    static std::byte* Storage() {
        alignas(T) static std::byte storage[sizeof(T)];
        return storage;
    }
    static bool& InUse() {
        static bool inUse = false;
        return inUse;
    }

    T* object_;
};

} // namespace orvane::fuzzing
