// The frames of the result windows: one per report of the result menu, with
// previous/next report, close and the report's help topic.
#pragma once

#include <QWidget>

#include "app/shell/commandids.h"
#include "platform/cmdtarget.h"
#include "platform/cstring.h"

class CTavrinProjectDoc;
class CResultParentView;

class CResultParentFrame : public QWidget, public CCmdTarget {
public:
    CResultParentFrame(CTavrinProjectDoc* pDoc, UINT nCommandID);
    ~CResultParentFrame() override;

    // The frame takes the view into its client area.
    void SetView(CResultParentView* pView);
    CResultParentView* GetActiveView() const { return m_pView; }
    // The project, while it still holds this window.
    CTavrinProjectDoc* GetActiveDocument() const;

    // The view's commands and the document's, then the frame's own.
    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;
    void OnPrevReport();
    void OnNextReport();
    void OnCloseReport();
    void OnHelpTopic();
    // "tavrinapp.chm::/tavrinapp000000NN.htm" of this report.
    CString HelpTopicPath() const;

    const UINT m_nCommandID;

protected:
    bool event(QEvent* pEvent) override;

private:
    // Opens the neighbouring report through the main window and closes this one.
    void MoveToReport(UINT nID);
    void OnSubWindowActivate();

    CResultParentView* m_pView = nullptr;
};

// The frames of the six yearly tables.
class CResultBalanceFrame : public CResultParentFrame {
public:
    using CResultParentFrame::CResultParentFrame;
};

#define TAV_RESULT_FRAME(Name, Base, nID)                                                                             \
    class Name : public Base {                                                                                         \
    public:                                                                                                            \
        explicit Name(CTavrinProjectDoc* pDoc) : Base(pDoc, nID) {}                                                    \
    };

TAV_RESULT_FRAME(CResultBasic1Frame, CResultParentFrame, 20100)
TAV_RESULT_FRAME(CResultBasic2Frame, CResultParentFrame, 20101)
TAV_RESULT_FRAME(CResultExpenseFrame, CResultParentFrame, 20102)
TAV_RESULT_FRAME(CResultSupplyFrame, CResultParentFrame, 20103)
TAV_RESULT_FRAME(CResultCurrent1Frame, CResultParentFrame, 20104)
TAV_RESULT_FRAME(CResultCurrent2Frame, CResultParentFrame, 20105)
TAV_RESULT_FRAME(CResultBalanceOutlineFrame, CResultParentFrame, 20106)
TAV_RESULT_FRAME(CResultBalanceBasicFrame, CResultBalanceFrame, 20107)
TAV_RESULT_FRAME(CResultBalanceProfitFrame, CResultBalanceFrame, 20108)
TAV_RESULT_FRAME(CResultBalanceCapitalFrame, CResultBalanceFrame, 20109)
TAV_RESULT_FRAME(CResultBalanceCapitalIncomeFrame, CResultBalanceFrame, 20110)
TAV_RESULT_FRAME(CResultBalanceSummaryFrame, CResultBalanceFrame, 20111)
TAV_RESULT_FRAME(CResultGraphOutlineFrame, CResultParentFrame, 20112)
TAV_RESULT_FRAME(CResultGraphLoanFrame, CResultParentFrame, 20113)
TAV_RESULT_FRAME(CResultGraphCapitalFrame, CResultParentFrame, 20114)
TAV_RESULT_FRAME(CResultBalanceTaxFrame, CResultBalanceFrame, 20115)

#undef TAV_RESULT_FRAME
