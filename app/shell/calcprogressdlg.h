// The progress dialog of a calculation: the step's text, a bar and the
// cancel button. Application-modal while it is shown, so no other command
// (closing the project among them) can start between the steps.
#pragma once

#include <QDialog>

#include "platform/afxtypes.h"

class QLabel;

// The bar: the done part yellow, the rest white.
class CProgressBarWnd : public QWidget {
public:
    explicit CProgressBarWnd(QWidget* pParent);
    void SetPercent(int nPercent);
    int m_nPercent = 0;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

class CCalcProgressDlg : public QDialog {
public:
    explicit CCalcProgressDlg(QWidget* pParent);

    // Shows string nTextID (empty when it has none) and the bar at nPercent,
    // then lets waiting events run (painting and the cancel button).
    void SetProgress(UINT nTextID, int nPercent);
    void OnCancel();

    BOOL m_bCancel = FALSE;
    CProgressBarWnd* m_pBar = nullptr;

protected:
    void reject() override { OnCancel(); }

private:
    QLabel* m_pText = nullptr;
};
