// Entries of the application's print lists of input data, tax rates and
// options (the record whose sheet is printed, the page's name, the page of
// the record's sheet, whether it is printed), and the print settings that
// travel between the document and the print dialogs.
#pragma once

#include "data/dataclass.h"
#include "option/optionclass.h"
#include "platform/cobject.h"
#include "platform/cstring.h"
#include "tax/taxclass.h"

struct tagPRINTSETTING {
    int nYearFlag = 0;   // 1: the year is shown in the Japanese era
    CString strYearName; // era name
    int nYearDiff = 0;   // Western year - era year
    int nYear = 0;       // print date, Western year
    int nMonth = 0;
    int nDay = 0;
};

class CPrintListItem : public CObject {
public:
    CString GetTitle() const { return m_strName; }

    CString m_strName;
    int m_nPage = 1;
    BOOL m_bPrint = FALSE;
};

template <class TRecord>
class TSheetPrintItem : public CPrintListItem {
public:
    TSheetPrintItem() { Reset(); }
    TSheetPrintItem(TRecord* pRecord, const CString& strName, int nPage) : m_pRecord(pRecord)
    {
        m_strName = strName;
        m_nPage = nPage;
    }

    void Reset()
    {
        m_pRecord = nullptr;
        m_pData = nullptr;
        m_strName.Empty();
        m_nPage = 1;
        m_bPrint = FALSE;
    }

    TRecord* m_pRecord = nullptr;
    void* m_pData = nullptr;
};

class CDataPrintItem : public TSheetPrintItem<CDataClass> {
public:
    using TSheetPrintItem::TSheetPrintItem;
};

class CTaxPrintItem : public TSheetPrintItem<CTaxClass> {
public:
    using TSheetPrintItem::TSheetPrintItem;
};

class COptionPrintItem : public TSheetPrintItem<COptionClass> {
public:
    using TSheetPrintItem::TSheetPrintItem;
};

// Entry nIndex of a print list, or null.
template <class TItem>
TItem* PrintItemAt(const CObArray* pList, int nIndex)
{
    return pList && nIndex >= 0 && nIndex < pList->GetSize() ? static_cast<TItem*>(pList->GetAt(nIndex)) : nullptr;
}
