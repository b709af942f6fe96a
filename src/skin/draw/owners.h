#pragma once
// Small owners for the GDI objects an operation makes and deletes within one call, so that they
// are released on every path. Surfaces that outlive the call (window properties, the image set)
// stay plain handles.
#include <windows.h>

#include "skin/draw/gdi_objects.h"
#include "skin/draw/primitives.h"

namespace skin {

template <class Handle, auto Release>
class Owned {
public:
    explicit Owned(Handle handle = nullptr) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset()
    {
        if (handle_) Release(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_;
};

inline void DeleteOwnedDC(HDC dc) { gdi::DeleteDC(dc); }
inline void DeleteOwnedObject(HGDIOBJ object) { gdi::DeleteObject(object); }

using OwnedDC = Owned<HDC, DeleteOwnedDC>;                    // made by CreateDisplayInfoDC
using OwnedBrush = Owned<HBRUSH, DeleteOwnedObject>;
using OwnedPalette = Owned<HPALETTE, DeleteOwnedObject>;
using OwnedSurface = Owned<HDC, DeleteSkinSurface>;           // made by CreateSkinSurface

}  // namespace skin
