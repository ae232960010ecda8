#include "result/pages/resultheader.h"

#include "platform/resource.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

const int kCells = 3;      // cells before the date
const int kDateUnits = 12; // full-width characters of the date cell

enum { kLeft = 0, kCentre = 1, kRight = 2 };

// Top, left and bottom edge of a cell of width w and height h.
void DrawCellEdges(CDC* pDC, int w, int h)
{
    const CRect rc(0, 0, w, -h);
    DrawResultBracket(pDC, &rc);
}

} // namespace

CResultHeaderClass::CResultHeaderClass(CString strOfficeName, CString strDate, CString strProjectName)
    : m_strOfficeName(strOfficeName), m_strDate(strDate), m_strProjectName(strProjectName)
{
}

void CResultHeaderClass::InitData()
{
    CResultGraphClass::InitData();
    m_strOfficeName.Empty();
    m_strTitle.Empty();
    m_strDate.Empty();
    m_strProjectName.Empty();
}

void CResultHeaderClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    CModuleStateScope module("TavResultClass.DLL");
    const CPoint start = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int A = tm.tmAveCharWidth, L = tm.tmHeight + tm.tmHeight / 2;
    const int Wd = kDateUnits * 2 * A, W3 = (m_sizePage.cx - Wd) / kCells;

    CPen thickPen, thinPen;
    SelectResultLinePen(pDC, FALSE, &thickPen);
    for (int i = 0; i < kCells; ++i) {
        pDC->SetWindowOrg(start.x - i * W3, start.y);
        DrawCellEdges(pDC, W3, L);
    }
    pDC->SetWindowOrg(start.x - kCells * W3, start.y);
    DrawCellEdges(pDC, Wd, L);
    pDC->MoveTo(Wd, 0);
    pDC->LineTo(Wd, -L);

    SelectResultLinePen(pDC, TRUE, &thinPen);
    const CString* const apText[kCells] = {&m_strProjectName, &m_strTitle, &m_strOfficeName};
    const int anAlign[kCells] = {kLeft, kCentre, kLeft};
    for (int i = 0; i < kCells; ++i) {
        pDC->SetWindowOrg(start.x - i * W3, start.y);
        DrawResultFitText(pDC, *apText[i], CRect(10, 0, W3, -L), A, anAlign[i]);
    }
    pDC->SetWindowOrg(start.x - kCells * W3, start.y);
    DrawResultFitText(pDC, m_strDate, CRect(0, 0, Wd - 10, -L), A, kRight);
}
