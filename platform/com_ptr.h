// An owning interface pointer: one reference, released when the pointer goes.
#pragma once

#include <cstddef>
#include <utility>

#include "platform/unknown.h"

template <ComInterface T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
        if (ptr_) ptr_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ~ComPtr() { Reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(ptr_, other.ptr_);
        return *this;
    }

    // Takes over a reference the caller already owns.
    static ComPtr Attach(T* ptr) {
        ComPtr result;
        result.ptr_ = ptr;
        return result;
    }
    // Adds a reference of its own.
    static ComPtr Share(T* ptr) {
        if (ptr) ptr->AddRef();
        return Attach(ptr);
    }

    T* Get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }

    T* Detach() { return std::exchange(ptr_, nullptr); }
    void Reset() {
        if (T* old = std::exchange(ptr_, nullptr)) old->Release();
    }

    // For out parameters: releases what is held and hands out the slot.
    T** Put() {
        Reset();
        return &ptr_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

    // QueryInterface into another smart pointer.
    template <ComInterface U>
    HRESULT As(ComPtr<U>& other) const {
        if (!ptr_) return E_POINTER;
        return ptr_->QueryInterface(U::iid, other.PutVoid());
    }

private:
    T* ptr_ = nullptr;
};
