#pragma once
// Helpers of the framework's window tests: a dialog that runs a script of steps
// inside its own modal loop, and a hidden top-level window to own dialogs.
#include <windows.h>

#include <deque>
#include <functional>
#include <utility>

#include "CDialog.h"
#include "CFrameWnd.h"

namespace window_test {

constexpr INT_PTR kTimedOut = -2;

// Runs one step per timer tick while its modal loop runs; a step that returns false
// is repeated on the next tick (a wait). Ticks that come while a step runs a nested
// loop are skipped. Ends itself with kTimedOut after 10 s. Base is CDialog or one
// of the program's dialogs.
template <typename Base>
class Scripted : public Base {
public:
    using Base::Base;

    void Then(std::function<void()> step) {
        steps_.push_back([step = std::move(step)] {
            step();
            return true;
        });
    }
    void WaitUntil(std::function<bool()> condition) { steps_.push_back(std::move(condition)); }
    void ThenEnd(INT_PTR result) {
        Then([this, result] { this->EndDialog(result); });
    }

protected:
    bool OnInitDialog() override {
        const bool result = Base::OnInitDialog();
        this->SetTimer(kStepTimer, 20);
        this->SetTimer(kTimeoutTimer, 10000);
        return result;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == kStepTimer) {
            if (!running_ && !steps_.empty()) {
                running_ = true;
                if (steps_.front()()) steps_.pop_front();
                running_ = false;
            }
            return 0;
        }
        if (message == WM_TIMER && wParam == kTimeoutTimer) {
            this->EndDialog(kTimedOut);
            return 0;
        }
        return Base::WindowProc(message, wParam, lParam);
    }

private:
    static constexpr UINT_PTR kStepTimer = 0x7E51;
    static constexpr UINT_PTR kTimeoutTimer = 0x7E52;
    std::deque<std::function<bool()>> steps_;
    bool running_ = false;
};

using ScriptedDialog = Scripted<CDialog>;

// A hidden owner window of our own window class.
class OwnerWindow : public CFrameWnd {
public:
    OwnerWindow() { LoadFrame(1, WS_OVERLAPPEDWINDOW); }
};

inline POINT CentreOf(HWND window) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Input as the user makes it, through the system's input queue.
inline INPUT Input(DWORD type) {
    INPUT input{};
    input.type = type;
    return input;
}

inline void Send(INPUT input) { ::SendInput(1, &input, sizeof input); }

inline void MovePointerTo(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    INPUT input = Input(INPUT_MOUSE);
    input.mi.dx = MulDiv(client.x, 65536, ::GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(client.y, 65536, ::GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

inline void LeftButton(DWORD flag) {
    INPUT input = Input(INPUT_MOUSE);
    input.mi.dwFlags = flag;
    Send(input);
}

inline void PressKey(WORD key) {
    INPUT input = Input(INPUT_KEYBOARD);
    input.ki.wVk = key;
    Send(input);
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(input);
}

}  // namespace window_test
