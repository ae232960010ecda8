// Up and down arrows that step the whole number of the edit beside them (its
// buddy) within a range.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/afxtypes.h"

class QLineEdit;

class CSpinButton : public QWidget {
public:
    explicit CSpinButton(QWidget* pParent = nullptr);

    void SetBuddy(QLineEdit* pBuddy) { m_pBuddy = pBuddy; }
    void SetRange(int nLower, int nUpper);
    // The position, also written into the buddy.
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }
    // One step up (+1) or down (-1) from the buddy's number, kept in the range.
    void Step(int nDelta);

    // Called after a step.
    std::function<void()> m_onDelta;

private:
    QLineEdit* m_pBuddy = nullptr;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
};
