#include "app/common/focuscontrols.h"

#include <QKeyEvent>

namespace {

QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

void SetBaseColor(QWidget* pWnd, COLORREF color)
{
    QPalette palette = pWnd->palette();
    palette.setColor(QPalette::Base, ToQColor(color));
    pWnd->setPalette(palette);
}

// Tab and Shift+Tab (Qt's Backtab) without other modifiers.
bool IsTabKey(const QEvent* pEvent)
{
    if (pEvent->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(pEvent);
    const auto modifiers = key->modifiers() & ~Qt::ShiftModifier;
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && modifiers == Qt::NoModifier;
}

} // namespace

bool HandTabToParent(QWidget* pControl, QEvent* pEvent, WPARAM wParam)
{
    if (!IsTabKey(pEvent)) return false;
    const auto* key = static_cast<const QKeyEvent*>(pEvent);
    const bool bShift = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
    if (SendKeyToParent(pControl, WM_TAB_KEY, wParam, bShift ? 1 : 0) == 0) return false;
    pEvent->accept();
    return true;
}

void SetDlgCtrlID(QWidget* pWnd, UINT nID)
{
    pWnd->setObjectName(QString::number(nID));
}

UINT GetDlgCtrlID(const QWidget* pWnd)
{
    return pWnd->objectName().toUInt();
}

LRESULT CControlParent::OnControlKey(QWidget*, UINT, WPARAM, LPARAM)
{
    return 0;
}

void CControlParent::OnControlNotify(UINT, UINT) {}

void CControlParent::OnControlScroll(UINT, UINT, int) {}

CControlParent* FindControlParent(const QWidget* pControl)
{
    for (QWidget* p = pControl->parentWidget(); p; p = p->parentWidget()) {
        if (auto* parent = dynamic_cast<CControlParent*>(p)) return parent;
    }
    return nullptr;
}

LRESULT SendKeyToParent(QWidget* pControl, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CControlParent* parent = FindControlParent(pControl);
    return parent ? parent->OnControlKey(pControl, nMessage, wParam, lParam) : 0;
}

CFocusEdit::CFocusEdit(QWidget* pParent) : QLineEdit(pParent)
{
    Paint();
}

void CFocusEdit::Paint()
{
    SetBaseColor(this, m_bFocused ? kFocusColor : kNormalColor);
}

bool CFocusEdit::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Shift)
        SendKeyToParent(this, WM_SHIFT_KEY, 1);
    if (HandTabToParent(this, pEvent, VK_TAB)) return true;
    return QLineEdit::event(pEvent);
}

void CFocusEdit::focusInEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusInEvent(pEvent);
    m_bFocused = TRUE;
    Paint();
    if (CControlParent* parent = FindControlParent(this)) parent->OnControlNotify(GetDlgCtrlID(this), EN_SETFOCUS);
}

// The parent's kill-focus handling runs first; a text it left empty becomes
// one full-width space.
void CFocusEdit::focusOutEvent(QFocusEvent* pEvent)
{
    QLineEdit::focusOutEvent(pEvent);
    m_bFocused = FALSE;
    Paint();
    if (CControlParent* parent = FindControlParent(this)) parent->OnControlNotify(GetDlgCtrlID(this), EN_KILLFOCUS);
    if (text().isEmpty()) setText(QStringLiteral(u"\u3000"));
}

CFocusComboBox::CFocusComboBox(QWidget* pParent) : QComboBox(pParent)
{
    SetBaseColor(this, CFocusEdit::kNormalColor);
}

bool CFocusComboBox::event(QEvent* pEvent)
{
    if (HandTabToParent(this, pEvent, 1)) return true;
    return QComboBox::event(pEvent);
}

void CFocusComboBox::showPopup()
{
    if (m_onDropDown) m_onDropDown();
    QComboBox::showPopup();
}

// The popup list takes the focus while open; only leaving the box counts.
void CFocusComboBox::focusOutEvent(QFocusEvent* pEvent)
{
    QComboBox::focusOutEvent(pEvent);
    if (pEvent->reason() != Qt::PopupFocusReason && m_onKillFocus) m_onKillFocus();
}

CArrowRadioButton::CArrowRadioButton(const QString& strText, QWidget* pParent) : QRadioButton(strText, pParent) {}

bool CArrowRadioButton::event(QEvent* pEvent)
{
    if (HandTabToParent(this, pEvent, 1)) return true;
    return QRadioButton::event(pEvent);
}

void CArrowRadioButton::keyPressEvent(QKeyEvent* pEvent)
{
    const int key = pEvent->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        if (SendKeyToParent(this, WM_ARROW_KEY, key == Qt::Key_Left ? VK_LEFT : VK_RIGHT) != 0) return;
    }
    QRadioButton::keyPressEvent(pEvent);
}
