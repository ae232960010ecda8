#include "data/databasic.h"

#include "sheet/sheetlayout.h"
#include "sheet/numberformat.h"

namespace {

constexpr UINT kTitle = 20000;
constexpr UINT kLabel = 1;
constexpr UINT kSubLabel = 100;

// Eight rows: labels in columns 0-9, check boxes in columns 10 and 28 with
// their choice texts to the right.
const CSheetTables& Layout()
{
    static const CSheetTables t = [] {
        CSheetTables l;
        l.frame.Frame(0, 0, 45, 8);
        l.wline.HLine(1, 0, 45).HLine(2, 10, 45).HLine(3, 10, 45).HLine(4, 0, 45).HLine(5, 0, 45).HLine(6, 0, 45);
        l.hline.VLine(10, 0, 8).VLine(11, 1, 5).VLine(11, 6, 8).VLine(29, 1, 5).VLine(29, 6, 8).VLine(28, 1, 8);
        l.item.Box(0, 0, 10).Box(0, 1, 10, 3).Box(0, 4, 10).Box(0, 5, 10).Box(0, 6, 10).Box(0, 7, 10);
        // Taxation method (rows 1-3), consumption-tax method, "％", amount input.
        l.subitem.Box(11, 1, 17).Box(29, 1, 16).Box(11, 2, 17).Box(29, 2, 16).Box(11, 3, 17);
        l.subitem.Box(11, 4, 17).Box(29, 4, 16).Box(28, 5, 17).Box(11, 6, 17, 2).Box(29, 6, 16, 2);
        l.data.Box(10, 0, 35);
        l.data.Box(10, 1, 1).Box(28, 1, 1).Box(10, 2, 1).Box(28, 2, 1).Box(10, 3, 1);
        l.data.Box(10, 4, 1).Box(28, 4, 1).Box(10, 5, 18).Box(10, 6, 1, 2).Box(28, 6, 1, 2);
        return l;
    }();
    return t;
}

} // namespace

void CDataBasicClass::InitData()
{
    CDataClass::InitData();
    strProjectName.Empty();
    nTaxMethod = 0;
    nConsumptionTaxMethod = 0;
    dBusinessRatio = 0;
    nInputMethod = 0;
}

void CDataBasicClass::DestroyData()
{
    CDataClass::DestroyData();
    InitData();
}

void CDataBasicClass::ReportDraw(CDC* pDC) { DrawPrintPage(pDC, 0, kTitle); }

BOOL CDataBasicClass::SetFramePoint(int) { return PlacePageItems(m_apFrame, 0, Layout().frame); }
BOOL CDataBasicClass::SetWLinePoint(int) { return PlacePageItems(m_apWLine, 0, Layout().wline); }
BOOL CDataBasicClass::SetHLinePoint(int) { return PlacePageItems(m_apHLine, 0, Layout().hline); }
BOOL CDataBasicClass::SetItemPoint(int) { return PlacePageItems(m_apItem, 0, Layout().item); }
BOOL CDataBasicClass::SetSubItemPoint(int) { return PlacePageItems(m_apSubItem, 0, Layout().subitem); }
BOOL CDataBasicClass::SetDataPoint(int) { return PlacePageItems(m_apData, 0, Layout().data); }

BOOL CDataBasicClass::SetItemData(int) { return SetStringCells(m_apItem[0], 0, kLabel, Layout().item.Count(), 1); }

BOOL CDataBasicClass::SetSubItemData(int)
{
    return SetStringCells(m_apSubItem[0], 0, kSubLabel, Layout().subitem.Count(), 0);
}

BOOL CDataBasicClass::SetDataData(int)
{
    CObArray* pData = m_apData[0];
    return SetCellText(pData, 0, strProjectName, 0) && SetCheckGroup(pData, 1, 5, nTaxMethod) &&
           SetCheckGroup(pData, 6, 2, nConsumptionTaxMethod) &&
           SetCellText(pData, 8, FormatDecimalText(-1, dBusinessRatio, TRUE), 2) &&
           SetCheckGroup(pData, 9, 2, nInputMethod);
}

void CDataBasicClass::CreatePrintArray(int)
{
    CDataClass::CreatePrintArray(1);
    BuildPrintPage(0, Layout());
}
