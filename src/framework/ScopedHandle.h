// Scoped owners of system handles: each handle is closed once on every path, and a null one not at
// all. One template serves every kind of handle; the kind is its closing call.
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

// Owns one handle of type T, handed to Close (a function object) when the owner lets it go.
template <typename T, typename Close>
class ScopedHandle {
  public:
    ScopedHandle() = default;
    explicit ScopedHandle(T handle) : m_handle(handle) {}
    ~ScopedHandle() { Reset(); }
    ScopedHandle(ScopedHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    ScopedHandle& operator=(ScopedHandle&& other) noexcept {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    T Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }
    void Reset(T handle = nullptr) {
        if (m_handle)
            Close()(m_handle);
        m_handle = handle;
    }
    // Hands the handle to someone who closes it (a control that takes ownership).
    T Release() { return std::exchange(m_handle, nullptr); }

  private:
    T m_handle = nullptr;
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
struct FreeModule {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
};
struct DestroyAccelerators {
    void operator()(HACCEL table) const { ::DestroyAcceleratorTable(table); }
};

// A mutex, event, file or process handle (never INVALID_HANDLE_VALUE: give those as null).
using KernelHandle = ScopedHandle<HANDLE, CloseKernelHandle>;
// A library loaded with LoadLibrary.
using ModuleHandle = ScopedHandle<HMODULE, FreeModule>;
using AcceleratorTable = ScopedHandle<HACCEL, DestroyAccelerators>;

}  // namespace fw
