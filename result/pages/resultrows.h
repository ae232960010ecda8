// Rows of the result pages: a line of cell texts, a line of graph values and
// an item of the premise tables.
#pragma once

#include "platform/cstring.h"
#include "result/pages/resultobject.h"

// Cell texts of one table column (or line); -1 cells while empty.
class CResultStringArrayClass : public CResultObjectClass {
public:
    CResultStringArrayClass();
    ~CResultStringArrayClass() override;
    CResultStringArrayClass(const CResultStringArrayClass&) = delete;
    CResultStringArrayClass& operator=(const CResultStringArrayClass&) = delete;

    // Forgets the cells without freeing them.
    void InitData();
    // n + 4 empty cells in place of the ones held; FALSE, left empty, when they
    // cannot be allocated.
    BOOL CreateData(int n);
    void DestroyData();

    // Cell nIndex := the text, "　" for an empty one; an index outside the
    // cells changes nothing.
    void SetData(int nIndex, CString text);
    // The text of cell nIndex; "　" for an index outside the cells.
    CString GetData(int nIndex) const;

    CString* m_pstrData;
    int m_nCount;
};

// Values of one graph row; -1 values while empty.
class CResultDoubleArrayClass : public CResultObjectClass {
public:
    CResultDoubleArrayClass();
    ~CResultDoubleArrayClass() override;
    CResultDoubleArrayClass(const CResultDoubleArrayClass&) = delete;
    CResultDoubleArrayClass& operator=(const CResultDoubleArrayClass&) = delete;

    // Exactly n values, not cleared, in place of the ones held; FALSE, left
    // empty, when they cannot be allocated.
    BOOL CreateData(int n);
    void DestroyData();

    double* m_pdData;
    int m_nCount;
};

// An item of a premise table: its name, its content and its amount text.
class CResultItemClass : public CResultObjectClass {
public:
    void SetItem(CString str) { m_strItem = str; }
    void SetContent(CString str) { m_strContent = str; }
    void SetMoney(CString str) { m_strMoney = str; }

    CString m_strItem;
    CString m_strContent;
    CString m_strMoney;
};

// nCount parts of a text of "\n"-separated parts, from part nFirst (counted
// from 1) every nStep parts, joined by "\n"; a missing part repeats the last.
CString JoinTextParts(const CString& str, int nFirst, int nStep, int nCount);
