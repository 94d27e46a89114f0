#pragma once
// Owns one reference to a COM interface, and keeps COM initialised on the calling thread
// for as long as it is needed.
#include <objbase.h>

#include <utility>

namespace brantlow {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() {
        if (pointer_) pointer_->Release();
    }

    [[nodiscard]] Interface* operator->() const { return pointer_; }
    [[nodiscard]] Interface* get() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For the calls that hand out a new reference.
    [[nodiscard]] void** out() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
        return reinterpret_cast<void**>(&pointer_);
    }

private:
    Interface* pointer_ = nullptr;
};

// CoInitialize for the lifetime of the object; an apartment already initialised another
// way is used as it is.
class ComApartment {
public:
    ComApartment() : result_(::CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }

private:
    HRESULT result_;
};

}  // namespace brantlow
