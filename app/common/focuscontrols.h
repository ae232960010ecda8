// Input controls of the screens: an edit painted yellow while it has the focus,
// a combo box and a radio button, all handing Tab (and the radio button the
// Left and Right keys) to the window that holds them, which decides where the
// focus goes.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cstdint>
#include <functional>

#include "platform/afxtypes.h"

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_TAB_KEY = WM_USER + 4;
constexpr UINT WM_SHIFT_KEY = WM_USER + 5;
constexpr UINT WM_ARROW_KEY = WM_USER + 7;

constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_RIGHT = 0x27;

// Notification codes of the controls.
constexpr UINT BN_CLICKED = 0;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT EN_SETFOCUS = 0x0100;
constexpr UINT EN_KILLFOCUS = 0x0200;

// The control id is kept as the widget's object name.
void SetDlgCtrlID(QWidget* pWnd, UINT nID);
UINT GetDlgCtrlID(const QWidget* pWnd);

// A window that holds controls: it hears their keys and notifications.
class CControlParent {
public:
    virtual ~CControlParent() = default;
    // WM_TAB_KEY, WM_SHIFT_KEY or WM_ARROW_KEY from pControl; non-zero: the
    // parent has handled the key and the control does nothing more with it.
    virtual LRESULT OnControlKey(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam);
    // EN_SETFOCUS, EN_KILLFOCUS, EN_CHANGE, CBN_SELCHANGE, BN_CLICKED ... of control nID.
    virtual void OnControlNotify(UINT nID, UINT nCode);
    // A scroll bar's action (SB_ codes) with the position it moves to.
    virtual void OnControlScroll(UINT nID, UINT nSBCode, int nPos);
};

// The nearest window above pControl that holds controls, or null.
CControlParent* FindControlParent(const QWidget* pControl);
// Sends a key message to the control's parent; 0 when there is none.
LRESULT SendKeyToParent(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam = 0);
// Tab and Shift+Tab go to the parent first (WM_TAB_KEY with wParam, lParam 1
// for Shift+Tab); true when the parent handled the key.
bool HandTabToParent(QWidget* pControl, QEvent* pEvent, WPARAM wParam);

class CFocusEdit : public QLineEdit {
public:
    static constexpr COLORREF kFocusColor = RGB(255, 255, 0);
    static constexpr COLORREF kNormalColor = RGB(255, 255, 255);

    explicit CFocusEdit(QWidget* pParent = nullptr);
    BOOL IsFocused() const { return m_bFocused; }

protected:
    bool event(QEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;

private:
    void Paint();

    BOOL m_bFocused = FALSE;
};

class CFocusComboBox : public QComboBox {
public:
    explicit CFocusComboBox(QWidget* pParent = nullptr);
    void showPopup() override;

    // Called before the list drops down and when the box loses the focus.
    std::function<void()> m_onDropDown;
    std::function<void()> m_onKillFocus;

protected:
    bool event(QEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
};

class CArrowRadioButton : public QRadioButton {
public:
    explicit CArrowRadioButton(const QString& strText, QWidget* pParent = nullptr);

protected:
    bool event(QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
};
