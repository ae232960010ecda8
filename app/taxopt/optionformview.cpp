#include "app/taxopt/optionformview.h"

#include <QLineEdit>

#include "app/shell/tavrinprojectdoc.h"

using K = FormControlKind;

std::vector<CFormControl> OptionRowControls(const COptionRowTable& table, int nSplit)
{
    const int nCols = int(table.columns.size()) + 1;
    std::vector<CFormControl> controls = {{0, K::Unit, 0, 0, 2 * nCols, table.pszIntro}};
    const int nBlocks = (int(table.labels.size()) + nSplit - 1) / nSplit;
    for (int b = 0; b < nBlocks; ++b) {
        for (size_t h = 0; h < table.heads.size(); ++h)
            controls.push_back({0, K::Unit, 1, b * nCols + int(h), 1, table.heads[h]});
    }
    for (int i = 0; i < int(table.labels.size()); ++i) {
        const int nRow = 2 + i % nSplit;
        const int nCol = i / nSplit * nCols;
        controls.push_back({table.nFirstLabelID ? table.nFirstLabelID + i : 0, K::Label, nRow, nCol, 1, table.labels[size_t(i)]});
        for (size_t c = 0; c < table.columns.size(); ++c) {
            const COptionColumn& col = table.columns[c];
            const bool bNumber = col.kind == K::Number;
            controls.push_back({col.nFirstID + i, col.kind, nRow, nCol + 1 + int(c), 1, bNumber ? "" : col.pszText,
                                col.nWidthChars});
            if (bNumber) controls.push_back({0, K::Unit, nRow, nCol + 1 + int(c), 1, col.pszText});
        }
    }
    return controls;
}

COptionFormView::COptionFormView(UINT nIDTemplate, UINT nNameID, std::span<const CFieldDesc> fields)
    : COptionParentView(nIDTemplate), m_nNameID(nNameID), m_fields(fields)
{
}

void COptionFormView::OnInitialUpdate()
{
    ReloadData();
    PostUpdateTitle();
}

void COptionFormView::OnActivateView(BOOL bActivate)
{
    if (bActivate) QMetaObject::invokeMethod(this, [this] { ReloadLabels(); }, Qt::QueuedConnection);
    COptionParentView::OnActivateView(bActivate);
}

void COptionFormView::OnUpdateTitle()
{
    SetFrameCaption(m_nNameID);
}

void COptionFormView::ReloadData()
{
    ReloadLabels();
    SetViewData();
}

void COptionFormView::OnControlNotify(UINT nID, UINT nCode)
{
    FieldNotify(this, m_fields, nID, nCode);
}

void SelectFieldEdits(CFormWidget* pForm, std::span<const CFieldDesc> fields)
{
    for (const CFieldDesc& field : fields) {
        if (auto* edit = qobject_cast<QLineEdit*>(pForm->GetDlgItem(field.nID))) edit->selectAll();
    }
}
