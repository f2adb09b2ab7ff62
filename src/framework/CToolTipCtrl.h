#pragma once
#include "CWnd.h"

// Tooltip control. Tool records use the size that common controls 5 accept.
class CToolTipCtrl : public CWnd {
public:
    bool Create(HWND owner, DWORD style) {
        return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, owner, nullptr);
    }

    bool AddTool(TOOLINFOA tool) {
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    }
    bool AddTool(HWND window, const char* text, const RECT& rect, UINT_PTR id) {
        TOOLINFOA tool{};
        tool.hwnd = window;
        tool.uId = id;
        tool.rect = rect;
        tool.lpszText = const_cast<char*>(text);
        return AddTool(tool);
    }
    void DelTool(TOOLINFOA tool) {
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        Send(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    void UpdateTipText(const char* text, HWND window, UINT_PTR id) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = window;
        tool.uId = id;
        tool.lpszText = const_cast<char*>(text);
        Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    void RelayEvent(const MSG& message) { Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message)); }
};
