#include "app/shell/reversecalcdlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/common/classobject.h"
#include "app/common/formfields.h"
#include "app/common/numbertext.h"
#include "app/shell/dialogbuttons.h"
#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"

namespace {

using Kind = FormControlKind;
using Dlg = CReverseCalcDlg;

const CFormControl kControls[] = {
    {0, Kind::Label, 0, 0, 1, "目標値："},
    {Dlg::IDC_TARGET_YEAR, Kind::Edit, 0, 1, 1, "", 6},
    {0, Kind::Unit, 0, 1, 1, "年目の"},
    {Dlg::IDC_TARGET_ITEM, Kind::Combo, 0, 1, 1, "手元残高\n剰余金\n償却前利益\n償却後利益\n内部留保\n収入合計\n投資利回り", 14},
    {Dlg::IDC_TARGET_VALUE, Kind::Edit, 1, 1, 1, "", 14},
    {Dlg::IDC_TARGET_UNIT, Kind::Unit, 1, 1, 1, "千円"},
    {0, Kind::Unit, 1, 1, 1, "以上になること"},
    {0, Kind::Label, 2, 0, 1, "変動値："},
    {Dlg::IDC_VARIABLE_ITEM, Kind::Combo, 2, 1, 1, "工事費全体\n自己資金額\n賃料（増減％）\n経費1\n経費2\n経費3\n経費4\n経費5\n経費6", 18},
    {Dlg::IDC_STEP, Kind::Edit, 3, 1, 1, "", 14},
    {Dlg::IDC_STEP_UNIT, Kind::Unit, 3, 1, 1, "千円"},
    {0, Kind::Unit, 3, 1, 1, "づつ増加させる（マイナスなら減少）"},
    {0, Kind::Unit, 4, 0, 2, "注意◆この機能を実行するとデータを書き換えてしまいますので、念のため\nプロジェクトファイルを保存しておくことをお勧めします。"},
    {0, Kind::Unit, 5, 0, 2, "※変動回数は１０回までです。"},
};

constexpr UINT kEdits[] = {Dlg::IDC_TARGET_YEAR, Dlg::IDC_TARGET_VALUE, Dlg::IDC_STEP};
// The six placeholders "経費1" ... follow the first three variable items.
constexpr int kFirstExpenseItem = 3;
constexpr int kExpenseNames = 6;
constexpr int kFirstOtherExpense = 4;
const char kHelpPath[] = "tavrinapp.chm::/tavrinapp00000078.htm";

double EditValue(const CFormWidget* pForm, UINT nID)
{
    return CommaStrToDouble(pForm->GetDlgItemText(nID));
}

} // namespace

CReverseCalcDlg::CReverseCalcDlg(QWidget* pParent) : QDialog(pParent), m_pForm(new CFormWidget(this))
{
    setWindowTitle(ToQString("収支逆計算"));
    m_pForm->CreateControls(kControls);
    for (UINT nID : kEdits) {
        auto* edit = qobject_cast<QLineEdit*>(m_pForm->GetDlgItem(nID));
        edit->setAlignment(Qt::AlignRight);
        SetImeOpenStatus(edit, FALSE);
        connect(edit, &QLineEdit::editingFinished, edit, [edit] { FormatEditNumber(edit, 0); });
    }
    for (UINT nID : {IDC_TARGET_ITEM, IDC_VARIABLE_ITEM})
        connect(qobject_cast<QComboBox*>(m_pForm->GetDlgItem(nID)), &QComboBox::currentIndexChanged, this,
                &CReverseCalcDlg::UpdateUnits);

    auto* buttons = new CDialogButtons(this, "逆計算開始", 1470, [this] { OnHelp(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pForm);
    layout->addWidget(buttons);
}

void CReverseCalcDlg::OnInitDialog()
{
    auto* variable = qobject_cast<QComboBox*>(m_pForm->GetDlgItem(IDC_VARIABLE_ITEM));
    if (m_pDataClass && m_pDataClass->m_pDataCost) {
        while (variable->count() > kFirstExpenseItem) variable->removeItem(kFirstExpenseItem);
        for (int i = 0; i < kExpenseNames; ++i)
            variable->addItem(ToQString(m_pDataClass->m_pDataCost->m_aCostItem[kFirstOtherExpense + i].m_strOtherName));
    }
    m_pForm->SetDlgItemText(IDC_TARGET_YEAR, FormatNumber(-1, m_nTargetYear, TRUE));
    m_pForm->SetDlgItemText(IDC_TARGET_VALUE, FormatNumber(-1, m_dTargetValue, TRUE));
    m_pForm->SetDlgItemText(IDC_STEP, FormatNumber(-1, m_dStep, TRUE));
    m_pForm->SetCurSel(IDC_TARGET_ITEM, m_nTargetItem);
    m_pForm->SetCurSel(IDC_VARIABLE_ITEM, m_nVariableItem);
    UpdateUnits();
}

int CReverseCalcDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CReverseCalcDlg::UpdateUnits()
{
    const CString strPercent = "％";
    const CString strThousandYen = "千円";
    auto setUnit = [this](UINT nID, const CString& str) {
        qobject_cast<QLabel*>(m_pForm->GetDlgItem(nID))->setText(ToQString(str));
    };
    setUnit(IDC_STEP_UNIT, m_pForm->GetCurSel(IDC_VARIABLE_ITEM) == kRentItem ? strPercent : strThousandYen);
    setUnit(IDC_TARGET_UNIT, m_pForm->GetCurSel(IDC_TARGET_ITEM) == kYieldItem ? strPercent : strThousandYen);
}

void CReverseCalcDlg::accept()
{
    const int nYear = std::max(1, int(EditValue(m_pForm, IDC_TARGET_YEAR)));
    // Only calculated years have a result to compare.
    CDataExchange dx(m_pForm, TRUE);
    dx.PrepareEditCtrl(IDC_TARGET_YEAR);
    DDV_LongRange(&dx, nYear, 1, std::max(1, m_nLastYear));
    if (dx.m_bFailed) return;
    for (UINT nID : {IDC_TARGET_ITEM, IDC_VARIABLE_ITEM}) {
        if (m_pForm->GetCurSel(nID) < 0) {
            m_pForm->GotoDlgCtrl(nID);
            return;
        }
    }
    m_nTargetYear = nYear;
    m_nTargetItem = m_pForm->GetCurSel(IDC_TARGET_ITEM);
    m_dTargetValue = EditValue(m_pForm, IDC_TARGET_VALUE);
    m_nVariableItem = m_pForm->GetCurSel(IDC_VARIABLE_ITEM);
    m_dStep = EditValue(m_pForm, IDC_STEP);
    if (m_dStep == 0.0) m_dStep = 1.0;
    QDialog::accept();
}

void CReverseCalcDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic(kHelpPath);
}
