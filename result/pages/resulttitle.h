// Cover page of printed result reports.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultbase.h"

// The cover: five subtitle lines, the project name, the date, an optional
// logo picture from a file beside the result library, and the office name.
class CResultTitleClass : public CResultGraphClass {
public:
    static const int kSubTitles = 5;

    CResultTitleClass() = default;
    // pSubTitles: an array of five lines.
    CResultTitleClass(CString strOfficeName, CString strDate, CString strProjectName, CString* pSubTitles,
                      CString strLogoFile, BOOL bLogo);

    // Empties the office name, date and project name; the subtitles and the logo stay.
    void InitData() override;
    // Draws the cover into m_sizePage from the window origin.
    void ReportDraw(CDC* pDC) override;
    // Draws the logo centred across the sheet, its bottom at five sixths of
    // the sheet height, in a square of a sixth of the sheet width. A file
    // that is missing or is not a whole, sensible bitmap draws nothing.
    void DrawLogo(CDC* pDC);

    void SetOfficeName(CString str) { m_strOfficeName = str; }
    void SetDate(CString str) { m_strDate = str; }
    void SetProjectName(CString str) { m_strProjectName = str; }
    CString GetOfficeName() const { return m_strOfficeName; }
    CString GetDate() const { return m_strDate; }
    CString GetProjectName() const { return m_strProjectName; }
    // The five subtitle lines, which the caller may change.
    CString* GetSubTitle() { return m_astrSubTitle; }

    CString m_strOfficeName;
    CString m_strDate;
    CString m_strProjectName;
    CString m_strLogoFile;
    CString m_astrSubTitle[kSubTitles];
    BOOL m_bLogo = FALSE;
};
