// Scoped owners of shell objects: an interface pointer released at the end of its scope, and an
// item-id list freed through the shell's allocator, as the shell requires of its callers.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <utility>

namespace fw {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For the functions that hand out an interface through a T** parameter.
    T** Receive() {
        Reset();
        return &m_p;
    }
    void Reset() {
        if (m_p)
            std::exchange(m_p, nullptr)->Release();
    }

  private:
    T* m_p = nullptr;
};

// An item-id list the shell handed out; freed with the shell's allocator (SHGetMalloc).
class ItemIdList {
  public:
    explicit ItemIdList(LPITEMIDLIST items) : m_pItems(items) {}
    ~ItemIdList() {
        if (!m_pItems)
            return;
        ComPtr<IMalloc> allocator;
        if (SUCCEEDED(::SHGetMalloc(allocator.Receive())) && allocator)
            allocator->Free(m_pItems);
    }
    ItemIdList(const ItemIdList&) = delete;
    ItemIdList& operator=(const ItemIdList&) = delete;

    LPITEMIDLIST Get() const { return m_pItems; }
    explicit operator bool() const { return m_pItems != nullptr; }

  private:
    LPITEMIDLIST m_pItems;
};

}  // namespace fw
