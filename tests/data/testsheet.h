// A small record with a one-page sheet, for the record base tests.
#pragma once

#include "data/dataclass.h"
#include "sheet/numberformat.h"
#include "sheet/sheetlayout.h"

class CTestSheetRecord : public CDataClass {
public:
    CTestSheetRecord() { InitData(); }

    void InitData() override
    {
        CDataClass::InitData();
        m_dAmount = 0;
        m_nChoice = 0;
    }
    void ReportDraw(CDC* pDC) override { DrawPrintPage(pDC, 0, 0); }
    void CreatePrintArray(int) override
    {
        CDataClass::CreatePrintArray(1);
        BuildPrintPage(0, {4, 1, 1, 2, 1, 3});
    }
    BOOL SetFramePoint(int) override { return CopyLayoutToPrintArray(m_apFrame[0], Layout().frame, 0); }
    BOOL SetWLinePoint(int) override { return CopyLayoutToPrintArray(m_apWLine[0], Layout().wline, 0); }
    BOOL SetHLinePoint(int) override { return CopyLayoutToPrintArray(m_apHLine[0], Layout().hline, 0); }
    BOOL SetItemPoint(int) override { return CopyLayoutToPrintArray(m_apItem[0], Layout().item, 0); }
    BOOL SetSubItemPoint(int) override { return CopyLayoutToPrintArray(m_apSubItem[0], Layout().subitem, 0); }
    BOOL SetDataPoint(int) override { return CopyLayoutToPrintArray(m_apData[0], Layout().data, 0); }
    BOOL SetItemData(int) override
    {
        return SetCellText(m_apItem[0], 0, LoadDataString(10101), 1) &&
               SetCellText(m_apItem[0], 1, LoadDataString(10102), 1);
    }
    BOOL SetSubItemData(int) override { return SetCellText(m_apSubItem[0], 0, "千円", 0); }
    BOOL SetDataData(int) override
    {
        return SetCellText(m_apData[0], 0, FormatNumberText(0, m_dAmount, FALSE), 2) &&
               SetCheckGroup(m_apData[0], 1, 2, m_nChoice);
    }

    double m_dAmount;
    int m_nChoice;

private:
    struct Tables {
        CLayoutTable frame, wline, hline, item, subitem, data;
    };
    static const Tables& Layout()
    {
        static const Tables t = [] {
            Tables l;
            l.frame.Frame(0, 0, 45, 2);
            l.wline.VLine(10, 0, 2);
            l.hline.HLine(1, 0, 45);
            l.item.Box(0, 0, 10).Box(0, 1, 10);
            l.subitem.Box(40, 0, 5);
            l.data.Box(10, 0, 30).Boxes(10, 1, 2, 1, 2);
            return l;
        }();
        return t;
    }
};
