#pragma once
#include <windows.h>

#include <string>

#include "UniqueHandle.h"

struct KernelHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};

// A named mutex owned by its creator, and whether another holder of the name was
// there first.
class NamedMutex {
public:
    static NamedMutex Create(const std::string& name) {
        NamedMutex mutex;
        mutex.handle_.reset(::CreateMutexA(nullptr, TRUE, name.c_str()));
        mutex.alreadyExisted_ = mutex.handle_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
        return mutex;
    }

    explicit operator bool() const { return static_cast<bool>(handle_); }
    bool AlreadyExisted() const { return alreadyExisted_; }

private:
    UniqueHandle<KernelHandleTraits> handle_;
    bool alreadyExisted_ = false;
};
