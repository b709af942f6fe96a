#pragma once
// Small owners for COM references and strings, so every path releases what it holds.
#include <windows.h>
#include <oleauto.h>

#include <new>
#include <string>
#include <utility>

namespace app {

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    // Takes over a reference the caller already holds.
    static ComPtr Adopt(T* p)
    {
        ComPtr r;
        r.p_ = p;
        return r;
    }
    ComPtr(const ComPtr& o) : p_(o.p_)
    {
        if (p_) p_->AddRef();
    }
    ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ComPtr& operator=(ComPtr o) noexcept
    {
        std::swap(p_, o.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out-parameters: releases what is held and hands out the slot.
    T** Put()
    {
        Reset();
        return &p_;
    }
    void Reset()
    {
        if (T* p = std::exchange(p_, nullptr)) p->Release();
    }
    template <class U>
    HRESULT As(REFIID iid, ComPtr<U>& out) const
    {
        if (!p_) return E_POINTER;
        return p_->QueryInterface(iid, reinterpret_cast<void**>(out.Put()));
    }

private:
    T* p_ = nullptr;
};

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& s)
        : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size())))
    {
        if (!b_ && !s.empty()) throw std::bad_alloc();
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(b_); }
    BSTR Get() const { return b_; }
    BSTR* Put()
    {
        SysFreeString(std::exchange(b_, nullptr));
        return &b_;
    }
    std::wstring Str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

private:
    BSTR b_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }
    VARIANT* Get() { return &v_; }

private:
    VARIANT v_;
};

}  // namespace app
