#include "app/taxopt/advanceratedlg.h"

#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "app/taxopt/optionadvanceview.h"
#include "app/taxopt/optiondialogs.h"
#include "platform/qtstring.h"

namespace {

using K = FormControlKind;

constexpr UINT IDC_FIRST_DEPOSIT = 10009;

const CFormControl kButtons[] = {
    {IDOK, K::Button, 20, 1, 1, "OK"},
    {IDCANCEL, K::Button, 20, 2, 1, "ｷｬﾝｾﾙ"},
    {IDHELP, K::Button, 20, 3, 1, "ヘルプ"},
};

} // namespace

CAdvanceRateDlg::CAdvanceRateDlg(CTavrinProjectDoc* pDoc, QWidget* pParent) : CFormDialog(pParent), m_pDocument(pDoc)
{
    std::vector<CFormControl> controls = AdvanceRateControls();
    controls.insert(controls.end(), std::begin(kButtons), std::end(kButtons));
    CreateControls(controls);
    setWindowTitle(ToQString("敷金・保証金の前受率（建設資金流用）"));
}

BOOL CAdvanceRateDlg::OnInitDialog()
{
    if (COptionAdvanceClass* record = m_pDocument->GetOptionAdvance()) {
        COptionAdvanceClass copy = *record;
        AdvanceRateFields().Load(this, copy);
    }
    SetAdvanceRateLabels(this, *m_pDocument);
    GotoDlgCtrl(IDC_FIRST_DEPOSIT);
    return TRUE;
}

void CAdvanceRateDlg::OnOK()
{
    const CFormFields<COptionAdvanceClass>& form = AdvanceRateFields();
    if (!form.Check(this)) {
        SelectFieldEdits(this, form.Fields());
        return;
    }
    COptionAdvanceClass* record = m_pDocument->GetOptionAdvance();
    if (record && form.Store(this, *record)) m_pDocument->m_abOptionModified[CTavrinProjectDoc::kAdvanceOption] = TRUE;
    EndDialog(IDOK);
}

void CAdvanceRateDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic("tavrinapp.chm::/tavrinapp00000028.htm");
}

void CAdvanceRateDlg::OnControlNotify(UINT nID, UINT nCode)
{
    AdvanceRateFields().Notify(this, nID, nCode);
    CFormDialog::OnControlNotify(nID, nCode);
}

int RunAdvanceRateDialog(CTavrinProjectDoc* pDoc, QWidget* pParent)
{
    if (!pDoc) return IDCANCEL;
    CAdvanceRateDlg dlg(pDoc, pParent);
    return dlg.DoModal();
}
