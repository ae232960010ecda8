// Print resources of the application: the fonts and pens of the printed
// sheets and reports, the paper of the result reports, the printer's
// preparation and check before a job, and the four print lists.
#include <cstring>
#include <new>

#include "app/shell/tavrinapp.h"
#include "platform/msgbox.h"
#include "result/pages/resultobject.h"

namespace {

constexpr UINT IDP_PORTRAIT_PRINTER = 10021;
constexpr UINT IDP_LANDSCAPE_PRINTER = 10024;

bool IsB4(int nPaper)
{
    return nPaper == DMPAPER_B4 || nPaper == DMPAPER_B4_ISO;
}

void SetFont(LOGFONT& lf, int nHeight, const char* pszFace)
{
    lf = LOGFONT{};
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfOutPrecision = 1;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
}

void SetPen(LOGPEN& lp, int nWidth)
{
    lp = LOGPEN{};
    lp.lopnStyle = PS_SOLID;
    lp.lopnWidth.x = nWidth;
}

BOOL CreateList(CDeleteObArray*& pList)
{
    delete pList;
    pList = new (std::nothrow) CDeleteObArray;
    return pList != nullptr;
}

void DeleteList(CDeleteObArray*& pList)
{
    delete pList;
    pList = nullptr;
}

const char kMincho[] = "ＭＳ 明朝";
const char kGothic[] = "ＭＳ ゴシック";

} // namespace

void CTavrinApp::InitDataPrintFont() { SetFont(m_lfDataFont, MulDiv(11, 2540, 72), kMincho); }
void CTavrinApp::InitDataPrintTitleFont() { SetFont(m_lfDataTitleFont, MulDiv(12, 2540, 72), kGothic); }
void CTavrinApp::InitDataPrintPen() { SetPen(m_lpDataPen, 0); }
void CTavrinApp::InitDataPrintFramePen() { SetPen(m_lpDataFramePen, 30); }
void CTavrinApp::InitResultPrintPen() { SetPen(m_lpResultPen, 0); }
void CTavrinApp::InitResultPrintFramePen() { SetPen(m_lpResultFramePen, 30); }
void CTavrinApp::InitResultPrintTitleFont() { SetFont(m_lfResultTitleFont, MulDiv(12, 254, 72), kGothic); }

void CTavrinApp::SetResultPrintFonts(int nPaper)
{
    const bool b4 = IsB4(nPaper < 0 ? m_nPaperSize : nPaper);
    SetFont(m_lfResultFont, MulDiv(b4 ? 11 : 8, 254, 72), kMincho);
    SetFont(m_lfResultTitleFont, MulDiv(b4 ? 16 : 14, 254, 72), kGothic);
}

CSize CTavrinApp::GetPaperExtent(int nPaper) const
{
    return IsB4(nPaper < 0 ? m_nPaperSize : nPaper) ? CSize(3330, 2270) : CSize(2670, 1800);
}

void CTavrinApp::SetPortraitPrinter()
{
    if (m_bPortraitChecked) return;
    m_printerMode = CPrinterMode{DMORIENT_PORTRAIT, DMPAPER_A4, 100, 1};
    m_nPrinterPaper = DMPAPER_A4;
}

BOOL CTavrinApp::CheckPortraitPrinter()
{
    if (m_printerMode.dmOrientation == DMORIENT_PORTRAIT && m_printerMode.dmPaperSize == DMPAPER_A4) return FALSE;
    if (m_bPortraitChecked) return TRUE;
    if (AfxMessageBox(IDP_PORTRAIT_PRINTER, MB_YESNO) == IDNO) {
        m_printerMode.dmOrientation = DMORIENT_PORTRAIT;
        m_printerMode.dmPaperSize = DMPAPER_A4;
        m_nPrinterPaper = DMPAPER_A4;
        return FALSE;
    }
    m_nPrinterPaper = m_printerMode.dmPaperSize;
    return TRUE;
}

void CTavrinApp::SetLandscapePrinter()
{
    if (m_bLandscapeChecked) return;
    m_printerMode = CPrinterMode{DMORIENT_LANDSCAPE, m_nPaperSize, 100, 1};
}

BOOL CTavrinApp::CheckLandscapePrinter()
{
    const short nPaper = m_printerMode.dmPaperSize;
    const bool known = nPaper == DMPAPER_A4 || nPaper == DMPAPER_A4SMALL || IsB4(nPaper);
    if (known && m_printerMode.dmOrientation == DMORIENT_LANDSCAPE) {
        m_nPaperSize = nPaper;
        return FALSE;
    }
    if (m_bLandscapeChecked || AfxMessageBox(IDP_LANDSCAPE_PRINTER, MB_YESNO) == IDYES) {
        m_nPaperSize = nPaper;
        return TRUE;
    }
    m_printerMode.dmOrientation = DMORIENT_LANDSCAPE;
    m_printerMode.dmPaperSize = m_nPaperSize;
    return FALSE;
}

BOOL CTavrinApp::CreateDataPrintItems() { return CreateList(m_pDataPrintItems); }
BOOL CTavrinApp::CreateTaxPrintItems() { return CreateList(m_pTaxPrintItems); }
BOOL CTavrinApp::CreateOptionPrintItems() { return CreateList(m_pOptionPrintItems); }
BOOL CTavrinApp::CreateResultPrintItems() { return CreateList(m_pResultPrintItems); }
void CTavrinApp::DeleteDataPrintItems() { DeleteList(m_pDataPrintItems); }
void CTavrinApp::DeleteTaxPrintItems() { DeleteList(m_pTaxPrintItems); }
void CTavrinApp::DeleteOptionPrintItems() { DeleteList(m_pOptionPrintItems); }
void CTavrinApp::DeleteResultPrintItems() { DeleteList(m_pResultPrintItems); }
