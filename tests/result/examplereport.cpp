#include "tests/result/examplereport.h"

#include <cstring>

#include "result/pages/resultheader.h"
#include "result/pages/resultprint.h"
#include "result/pages/resulttitle.h"

namespace {

const char kOffice[] = "大阪中央不動産事務所";
const char kDate[] = "2026年12月10日";

LOGFONT PrintFont(int nPoints, const char* pszFace)
{
    LOGFONT lf;
    lf.lfHeight = MulDiv(nPoints, 254, 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
    return lf;
}

LOGPEN PrintPen(int nWidth)
{
    LOGPEN lp;
    lp.lopnStyle = PS_SOLID;
    lp.lopnWidth.x = nWidth;
    return lp;
}

} // namespace

void UseReportPrintSettings(ReportPaper paper)
{
    const bool b4 = paper == ReportPaper::kB4;
    LOGFONT body = PrintFont(b4 ? 11 : 8, "ＭＳ 明朝"), title = PrintFont(b4 ? 16 : 14, "ＭＳ ゴシック");
    LOGPEN line = PrintPen(0), frame = PrintPen(3);
    SetResultPrintFont(&body);
    SetResultPrintTitleFont(&title);
    SetResultPrintPen(&line);
    SetResultPrintFramePen(&frame);
}

CSize ReportExtent(ReportPaper paper)
{
    return paper == ReportPaper::kB4 ? CSize(3330, 2270) : CSize(2670, 1800);
}

void DrawReportPage(CProjectInMemory& project, ReportPaper paper, int nPage, CDC* pDC)
{
    const CString strProject = project.m_data.m_pDataBasic->strProjectName;
    if (nPage == 0) {
        CString subTitles[CResultTitleClass::kSubTitles] = {"基本収支表", "資金計画表", "税務明細",
                                                            "建設資金計画", "事業収支計画書"};
        CResultTitleClass cover(kOffice, kDate, strProject, subTitles, "", FALSE);
        cover.m_sizePage = ReportExtent(paper);
        cover.ReportDraw(pDC);
        return;
    }
    if (nPage == 1) {
        CResultHeaderClass header(kOffice, kDate, strProject);
        header.SetTitle("基本収支表");
        header.m_sizePage = ReportExtent(paper);
        header.ReportDraw(pDC);
        return;
    }
    CTavResultClass& result = project.m_result;
    result.SetPaperSize(ReportExtent(paper));
    for (int s = 0; s < 11; ++s) result.SetYear(s, s);
    result.SetMaxYear(project.Years());
    result.SetItemFlag(nPage - 2);
    result.ReportDraw(pDC, 1);
}
