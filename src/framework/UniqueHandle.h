#pragma once
#include <utility>

// Sole owner of one platform handle: closes it when replaced or destroyed.
// Traits name the handle type and how to close it: struct { using Handle = ...;
// static void Close(Handle); }. A null handle is "none".
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Gives up ownership without closing, for a handle that the system takes over.
    [[nodiscard]] Handle release() { return std::exchange(handle_, nullptr); }

    void reset(Handle handle = nullptr) {
        if (handle_ && handle_ != handle) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};
