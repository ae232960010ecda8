// The views of the result windows: each lets the document draw one report of
// the result object on a page of A4 or B4 landscape in 0.1 mm (MM_LOMETRIC),
// scrolled on screen and shown in the print preview.
#pragma once

#include <QAbstractScrollArea>

#include "platform/cdc.h"
#include "platform/cmdtarget.h"
#include "platform/resource.h"

class CTavrinProjectDoc;
class CResultParentFrame;

class CResultParentView : public QAbstractScrollArea, public CCmdTarget {
public:
    CResultParentView(int nReport, const CString& strCaption, const CString& strPrintTitle);

    CTavrinProjectDoc* GetDocument() const;
    CResultParentFrame* GetParentFrame() const;
    int GetReport() const { return m_nReport; }

    virtual void OnInitialUpdate();
    void OnActivateView(BOOL bActivate);
    // Frame caption: document title + "－" + the window's name.
    void UpdateFrameTitle();
    // Draws the report from the logical origin of pDC.
    void OnDraw(CDC* pDC);
    // One page of the preview (bPreview) or of a print through the view: the
    // header and the report centred on the paper.
    void OnPrint(CDC* pDC, BOOL bPreview);
    void OnFilePrintPreview();
    void OnEndPrintPreview();
    // Page sizes: 12 B4, 9 A4 (the view's own; the application's stays).
    void SetPaperSize(int nPaperSize);
    void OnPaperReset();

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;

    // Scroll range of a page of sizeTotal (0.1 mm).
    void SetScrollSizes(CSize sizeTotal);
    CSize GetTotalSize() const { return m_sizeTotal; }
    // Repaints the view at once.
    void Refresh();

    CString m_strCaption;
    CString m_strPrintTitle;
    BOOL m_bPrinting = FALSE;
    int m_nPaperSize = 0;

protected:
    // The result object's page and the result fonts for a drawing;
    // FALSE when there is no room to draw in.
    virtual BOOL PreparePage(CDC* pDC, CSize ext);
    // The document draws the report.
    virtual void DrawReport(CDC* pDC);

    void paintEvent(QPaintEvent* pEvent) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    void UpdateScrollBars();
    // Device pixels of n tenths of a millimetre on the screen.
    int ToPixels(int n, int nDpi) const;

    const int m_nReport;
    CSize m_sizeTotal;
};

// Views of the six yearly tables: the year window on the report toolbar.
class CResultBalanceView : public CResultParentView {
public:
    using CResultParentView::CResultParentView;

    // Shows the years from nYear (clamped to 0..calculated years) on.
    void SetStartYear(int nYear);
    void OnConstructionYear();
    // The year edit's text changed: a non-empty text moves the window.
    void OnYearEditChange();

    BOOL OnCmdMsg(UINT nID, CCmdUI* pCmdUI) override;
};

// Views of the three graphs: the page is the visible client area.
class CResultGraphView : public CResultParentView {
public:
    using CResultParentView::CResultParentView;

protected:
    BOOL PreparePage(CDC* pDC, CSize ext) override;
};

// The outline with its two graphs: long calculations plot half the years.
class CResultBalanceOutlineView : public CResultParentView {
public:
    CResultBalanceOutlineView();

protected:
    void DrawReport(CDC* pDC) override;
};

#define TAV_RESULT_VIEW(Name, Base, nReport, strCaption, nTitleID)                                                    \
    class Name : public Base {                                                                                         \
    public:                                                                                                            \
        Name() : Base(nReport, strCaption, LoadText(nTitleID)) {}                                                      \
    };

TAV_RESULT_VIEW(CResultBasic1View, CResultParentView, 0, LoadText(1500), 1516)
TAV_RESULT_VIEW(CResultBasic2View, CResultParentView, 1, LoadText(1501), 1517)
TAV_RESULT_VIEW(CResultExpenseView, CResultParentView, 2, LoadText(1502), 1518)
TAV_RESULT_VIEW(CResultSupplyView, CResultParentView, 3, LoadText(1503), 1519)
TAV_RESULT_VIEW(CResultCurrent1View, CResultParentView, 4, LoadText(1504), 1520)
TAV_RESULT_VIEW(CResultCurrent2View, CResultParentView, 5, LoadText(1505), 1521)
TAV_RESULT_VIEW(CResultBalanceBasicView, CResultBalanceView, 7, LoadText(1507), 1523)
TAV_RESULT_VIEW(CResultBalanceProfitView, CResultBalanceView, 8, LoadText(1508), 1524)
TAV_RESULT_VIEW(CResultBalanceCapitalView, CResultBalanceView, 9, LoadText(1509), 1525)
TAV_RESULT_VIEW(CResultBalanceCapitalIncomeView, CResultBalanceView, 11, LoadText(1510), 1526)
TAV_RESULT_VIEW(CResultBalanceSummaryView, CResultBalanceView, 12, LoadText(1511), 1526)
TAV_RESULT_VIEW(CResultGraphOutlineView, CResultGraphView, 13, LoadText(1512), 1527)
TAV_RESULT_VIEW(CResultGraphLoanView, CResultGraphView, 14, LoadText(1513), 1528)
TAV_RESULT_VIEW(CResultGraphCapitalView, CResultGraphView, 15, LoadText(1514), 1529)
TAV_RESULT_VIEW(CResultBalanceTaxView, CResultBalanceView, 16, CString("帳票－税金一覧表"), 1530)

#undef TAV_RESULT_VIEW
