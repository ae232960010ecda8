// The option windows on the form kit: a view that edits one option record of
// the document through a field table, refreshes its row labels from the data
// windows each time it becomes active, and the row tables most of them are.
#pragma once

#include <span>
#include <vector>

#include "app/common/formfields.h"
#include "app/taxopt/optionparentframe.h"

// One column of a row table: its first control id (row i has nFirstID + i),
// its kind (Combo with its entries, or Number with its unit), its width.
struct COptionColumn {
    UINT nFirstID;
    FormControlKind kind;
    const char* pszText;
    int nWidthChars;
};

// A table of rows: the line saying what the window sets, the column heads
// (empty for none), one label per row (nFirstLabelID + i when it carries an
// id, the text when fixed) and the columns of boxes.
struct COptionRowTable {
    const char* pszIntro;
    std::span<const char* const> heads;
    UINT nFirstLabelID;
    std::span<const char* const> labels;
    std::span<const COptionColumn> columns;
};

// The controls of a row table; rows of more than nSplit go on into a second
// block beside the first.
std::vector<CFormControl> OptionRowControls(const COptionRowTable& table, int nSplit = 99);

// After a refused check every edit of the fields gets its text selected.
void SelectFieldEdits(CFormWidget* pForm, std::span<const CFieldDesc> fields);

class COptionFormView : public COptionParentView {
public:
    COptionFormView(UINT nIDTemplate, UINT nNameID, std::span<const CFieldDesc> fields);

    void OnInitialUpdate() override;
    // Activation refreshes the row labels after the activation.
    void OnActivateView(BOOL bActivate) override;
    void OnUpdateTitle() override;
    void ReloadData() override;
    void OnControlNotify(UINT nID, UINT nCode) override;

    // The labels that show names of the data windows.
    virtual void ReloadLabels() {}

private:
    const UINT m_nNameID;
    const std::span<const CFieldDesc> m_fields;
};

// A window whose controls are the fields of one option record.
template <class Record>
class COptionRecordView : public COptionFormView {
public:
    using CAccessor = Record* (CTavrinProjectDoc::*)() const;

    COptionRecordView(UINT nIDTemplate, UINT nNameID, const CFormFields<Record>& form, CAccessor pfnRecord)
        : COptionFormView(nIDTemplate, nNameID, form.Fields()), m_form(form), m_pfnRecord(pfnRecord)
    {
    }

    Record* DocRecord() const { return GetDocument() ? (GetDocument()->*m_pfnRecord)() : nullptr; }

    void SetViewData() override
    {
        if (Record* record = DocRecord()) m_form.Load(this, *record);
    }
    BOOL CheckData(int) override
    {
        if (m_form.Check(this)) return TRUE;
        SelectFieldEdits(this, m_form.Fields());
        return FALSE;
    }
    // Only the fields of the window reach the document's record.
    BOOL StoreData() override
    {
        Record* record = DocRecord();
        return record && m_form.Store(this, *record);
    }

private:
    const CFormFields<Record>& m_form;
    const CAccessor m_pfnRecord;
};
