// A tax-rate window on one record of the table: its controls, its field table
// and the document's record. The fields are checked in table order; a store
// writes them onto the document's record (its print state stays) and redraws
// the record's printed page.
#pragma once

#include <span>

#include "app/common/formfields.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/taxparentframe.h"

// Leaving edit nEditID copies its text to the control nMirrorID.
struct CTaxMirror {
    UINT nEditID;
    UINT nMirrorID;
};

// Asks message nMessageID (Yes/No) when the fraction of the two edits has a
// zero part; No puts the focus on the zero part and returns FALSE.
BOOL ConfirmTaxFraction(CFormWidget* pForm, UINT nNumeratorID, UINT nDenominatorID, UINT nMessageID);

template <class Record>
class CTaxFormView : public CTaxParentView {
public:
    using RecordGetter = Record* (CTavrinProjectDoc::*)() const;

    struct CScreen {
        UINT nTemplate;
        UINT nNameID;
        std::span<const CFormControl> controls;
        const CFormFields<Record>& form;
        RecordGetter pfnRecord;
        std::span<const CTaxMirror> mirrors = {};
    };

    explicit CTaxFormView(const CScreen& screen) : CTaxParentView(screen.nTemplate), m_screen(screen)
    {
        CreateControls(screen.controls);
    }

    void OnInitialUpdate() override
    {
        ReloadData();
        PostUpdateTitle();
    }
    void OnUpdateTitle() override { SetFrameCaption(m_screen.nNameID); }
    BOOL CheckData(int) override { return m_screen.form.Check(this) && CheckRules(); }
    BOOL StoreData() override
    {
        Record* pRecord = DocRecord();
        if (!pRecord) return FALSE;
        BOOL bChanged = m_screen.form.Store(this, *pRecord);
        bChanged |= StoreDerived(*pRecord);
        pRecord->SetDataData(0);
        return bChanged;
    }
    void ReloadData() override
    {
        if (Record* pRecord = DocRecord()) {
            m_screen.form.Load(this, *pRecord);
            ShowDerived(*pRecord);
        }
    }
    void OnControlNotify(UINT nID, UINT nCode) override
    {
        m_screen.form.Notify(this, nID, nCode);
        if (nCode != EN_KILLFOCUS) return;
        for (const CTaxMirror& mirror : m_screen.mirrors)
            if (mirror.nEditID == nID) SetDlgItemText(mirror.nMirrorID, GetDlgItemText(nID));
    }

protected:
    Record* DocRecord() const
    {
        CTavrinProjectDoc* pDoc = GetDocument();
        return pDoc ? (pDoc->*m_screen.pfnRecord)() : nullptr;
    }
    // The screen's own checks after those of the fields.
    virtual BOOL CheckRules() { return TRUE; }
    // Values the screen derives from the fields; TRUE when one changed.
    virtual BOOL StoreDerived(Record&) { return FALSE; }
    // Controls that show values no field holds.
    virtual void ShowDerived(const Record&) {}

private:
    const CScreen m_screen;
};

// Field descriptions of the tax-rate tables: a number or a whole number,
// its kill-focus style and its range (none when dMin == dMax).
constexpr CFieldDesc TaxNumber(UINT nID, NumberStyle style, double dMin = 0, double dMax = 0)
{
    return {.nID = nID, .kind = FieldKind::Number, .dMin = dMin, .dMax = dMax, .style = style};
}
constexpr CFieldDesc TaxInteger(UINT nID, NumberStyle style, double dMin = 0, double dMax = 0)
{
    return {.nID = nID, .kind = FieldKind::Integer, .dMin = dMin, .dMax = dMax, .style = style};
}

// Sets a derived value; TRUE when it changed.
template <class T>
BOOL AssignTaxValue(T& target, T value)
{
    if (target == value) return FALSE;
    target = value;
    return TRUE;
}
