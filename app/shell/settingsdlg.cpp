#include "app/shell/settingsdlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>

#include "app/common/focuscontrols.h"
#include "app/common/numbertext.h"
#include "app/shell/tavrinapp.h"
#include "platform/msgbox.h"
#include "platform/qtstring.h"

namespace {

constexpr int kOfficeNameBytes = 50;
const char kBasicHelp[] = "tavrinapp.chm::/tavrinapp00000051.htm";
const char kParseInt[] = "整数を入力してください。";
const char kIntRange[] = "%ld から %ld までの整数を入力してください。";

QString Text(const char* psz)
{
    return ToQString(psz);
}

// Writes the edit's text back without thousands separators.
void RemoveCommas(QLineEdit* pEdit)
{
    GetWindowTextNoComma(pEdit);
}

// A text edit that takes Japanese input and at most nBytes code page 932 bytes.
QLineEdit* NameEdit(QWidget* pParent, const char* pszID, int nBytes = 0)
{
    auto* edit = new CFocusEdit(pParent);
    edit->setObjectName(QString::fromLatin1(pszID));
    if (nBytes > 0)
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, nBytes](QString text) {
            bool cut = false;
            while (FromQString(text).GetLength() > nBytes) {
                text.chop(1);
                cut = true;
            }
            if (cut) edit->setText(text);
        });
    return edit;
}

// A number edit: no input method; on leaving, an empty text becomes nEmpty,
// and the text gets thousands separators when bCommas.
QLineEdit* NumberEdit(QWidget* pParent, const char* pszID, int nEmpty, bool bCommas)
{
    auto* edit = new CFocusEdit(pParent);
    edit->setObjectName(QString::fromLatin1(pszID));
    SetImeOpenStatus(edit, FALSE);
    edit->setAlignment(Qt::AlignRight);
    QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, nEmpty, bCommas] {
        if (bCommas)
            FormatEditNumber(edit, nEmpty);
        else
            FormatEditNumberIfEmpty(edit, nEmpty);
    });
    return edit;
}

// Reads an integer out of the edit; a text that is no integer, or one outside
// nMin..nMax when bRange, shows the prompt and gives the edit the focus.
bool ExchangeInt(QLineEdit* pEdit, int& nValue, long nMin = 0, long nMax = 0, bool bRange = false)
{
    bool ok = false;
    const int n = pEdit->text().trimmed().toInt(&ok);
    CString prompt;
    if (!ok)
        prompt = kParseInt;
    else if (bRange && (n < nMin || n > nMax))
        prompt.Format(kIntRange, nMin, nMax);
    if (!prompt.IsEmpty()) {
        AfxMessageBox(prompt, MB_ICONEXCLAMATION);
        pEdit->setFocus();
        return false;
    }
    nValue = n;
    return true;
}

QComboBox* ChoiceBox(QWidget* pParent, const char* pszID, std::initializer_list<const char*> entries)
{
    auto* box = new QComboBox(pParent);
    box->setObjectName(QString::fromLatin1(pszID));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (const char* psz : entries) box->addItem(Text(psz));
    return box;
}

// Radios 西暦 (0) and 和暦 (1) with the ids nFirstID and nFirstID + 1.
QButtonGroup* EraRadios(QWidget* pParent, QHBoxLayout* pRow, int nFirstID)
{
    auto* group = new QButtonGroup(pParent);
    int i = 0;
    for (const char* psz : {"西暦", "和暦"}) {
        auto* radio = new QRadioButton(Text(psz), pParent);
        radio->setObjectName(QString::number(nFirstID + i));
        group->addButton(radio, i++);
        pRow->addWidget(radio);
    }
    pRow->addStretch();
    return group;
}

// A row of the grid: label, field and an optional unit after it.
void AddRow(QGridLayout* pGrid, const char* pszLabel, QWidget* pField, const char* pszUnit = nullptr)
{
    const int row = pGrid->rowCount();
    pGrid->addWidget(new QLabel(Text(pszLabel)), row, 0);
    if (!pszUnit) {
        pGrid->addWidget(pField, row, 1);
        return;
    }
    // The unit stands right after the field.
    auto* line = new QHBoxLayout;
    line->addWidget(pField);
    line->addWidget(new QLabel(Text(pszUnit)));
    line->addStretch();
    pGrid->addLayout(line, row, 1);
}

// OK, ｷｬﾝｾﾙ and ヘルプ (10005) down the right side.
QVBoxLayout* DialogButtons(QDialog* pDlg, const std::function<void()>& help)
{
    auto* column = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), pDlg);
    auto* cancel = new QPushButton(Text("ｷｬﾝｾﾙ"), pDlg);
    auto* helpButton = new QPushButton(Text("ヘルプ"), pDlg);
    helpButton->setObjectName(QStringLiteral("10005"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, pDlg, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, pDlg, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, pDlg, help);
    for (QPushButton* button : {ok, cancel, helpButton}) {
        button->setAutoDefault(false);
        column->addWidget(button);
    }
    column->addStretch();
    return column;
}

// The era controls of both dialogs: 西暦/和暦 radios, era name and offset.
void ShowEra(QButtonGroup* pFlag, QLineEdit* pName, QLineEdit* pDiff, int nFlag, const CString& strName, int nDiff)
{
    if (QAbstractButton* radio = pFlag->button(nFlag)) radio->setChecked(true);
    pName->setText(ToQString(strName));
    SetWindowText(pDiff, FormatNumber(0, nDiff, FALSE));
}

int CheckedEra(QButtonGroup* pFlag)
{
    return pFlag->checkedId() < 0 ? 0 : pFlag->checkedId();
}

void SelectAll(std::initializer_list<QLineEdit*> edits)
{
    for (QLineEdit* edit : edits) edit->selectAll();
}

} // namespace

CBasicSettingDlg::CBasicSettingDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(Text("基本業務設定"));
    m_pOfficeName = NameEdit(this, "1020", kOfficeNameBytes);
    m_pCalcYear = NumberEdit(this, "10001", 1, false);
    m_pDecimalNum = NumberEdit(this, "10002", 0, false);
    m_pDecimalFlag = ChoiceBox(this, "10003", {"四捨五入", "切り捨て", "切り上げ"});
    m_pDecimalZero = ChoiceBox(this, "10004", {"表示する", "表示しない"});
    m_pYearName = NameEdit(this, "10008");
    m_pYearDiff = NumberEdit(this, "10009", 0, true);

    auto* fields = new QGridLayout;
    AddRow(fields, "●会社名：", m_pOfficeName);
    AddRow(fields, "●最大収支計算年数：", m_pCalcYear, "年まで");
    m_pOfficeName->setMinimumWidth(m_pOfficeName->fontMetrics().horizontalAdvance(QString(25, QChar(0x3042))));

    auto* amounts = new QGroupBox(Text("●計算された金額の表示方法"), this);
    amounts->setObjectName(QStringLiteral("20202"));
    auto* amountGrid = new QGridLayout(amounts);
    AddRow(amountGrid, "小数点以下の桁数：", m_pDecimalNum, "桁");
    AddRow(amountGrid, "丸め方法：", m_pDecimalFlag);
    AddRow(amountGrid, "小数点ゼロ表示：", m_pDecimalZero);

    auto* dates = new QGroupBox(Text("●日付の表示方法"), this);
    dates->setObjectName(QStringLiteral("20201"));
    auto* dateGrid = new QGridLayout(dates);
    auto* radios = new QHBoxLayout;
    m_pYearFlag = EraRadios(this, radios, 10006);
    dateGrid->addWidget(new QLabel(Text("年　号：")), 0, 0);
    dateGrid->addLayout(radios, 0, 1);
    AddRow(dateGrid, "元号名：", m_pYearName);
    AddRow(dateGrid, "西暦との年数差：", m_pYearDiff, "年");

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(amounts);
    left->addWidget(dates);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(DialogButtons(this, [] {
        if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic(kBasicHelp);
    }));
    for (QLineEdit* edit : {m_pCalcYear, m_pDecimalNum, m_pYearDiff})
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0,000,000")));
}

void CBasicSettingDlg::OnInitDialog()
{
    if (CTavrinApp* pApp = GetTavrinApp()) m_strOfficeName = pApp->m_strOfficeName;
    m_pOfficeName->setText(ToQString(m_strOfficeName));
    m_pCalcYear->setText(QString::number(m_nCalcYearIO));
    m_pDecimalFlag->setCurrentIndex(m_objDecimal.nDecimalFlag);
    m_pDecimalNum->setText(QString::number(m_objDecimal.nDecimalNum));
    m_pDecimalZero->setCurrentIndex(m_objDecimal.nDecimalZero);
    ShowEra(m_pYearFlag, m_pYearName, m_pYearDiff, m_nYearFlag, m_strYearName, m_nYearDiff);
}

int CBasicSettingDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

BOOL CBasicSettingDlg::UpdateData()
{
    m_strOfficeName = FromQString(m_pOfficeName->text());
    if (!ExchangeInt(m_pCalcYear, m_nCalcYear, 1, 50, true)) return FALSE;
    if (!ExchangeInt(m_pDecimalNum, m_nDecimalNum, 0, 3, true)) return FALSE;
    if (!ExchangeInt(m_pYearDiff, m_nYearDiff)) return FALSE;
    m_strYearName = FromQString(m_pYearName->text());
    return TRUE;
}

void CBasicSettingDlg::accept()
{
    const QString calcYear = m_pCalcYear->text(), decimals = m_pDecimalNum->text();
    RemoveCommas(m_pCalcYear);
    RemoveCommas(m_pDecimalNum);
    m_nYearFlag = CheckedEra(m_pYearFlag);
    RemoveCommas(m_pYearDiff);
    if (!UpdateData()) {
        m_pCalcYear->setText(calcYear);
        m_pDecimalNum->setText(decimals);
        SelectAll({m_pCalcYear, m_pYearName, m_pYearDiff});
        return;
    }
    m_nCalcYearIO = m_nCalcYear;
    m_objDecimal.nDecimalNum = m_nDecimalNum;
    m_objDecimal.nDecimalFlag = m_pDecimalFlag->currentIndex();
    m_objDecimal.nDecimalZero = m_pDecimalZero->currentIndex();
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->m_strOfficeName = m_strOfficeName;
    QDialog::accept();
}

CEraDisplayDlg::CEraDisplayDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(Text("年号表示"));
    m_pYearDiff = NumberEdit(this, "10004", 0, true);
    m_pYearName = NameEdit(this, "10003");
    m_pYearDiff->setMaximumWidth(m_pYearDiff->fontMetrics().horizontalAdvance(QStringLiteral("0,000,000")));

    auto* heading = new QLabel(Text("年号について設定します。"), this);
    heading->setObjectName(QStringLiteral("20000"));
    auto* radios = new QHBoxLayout;
    radios->addWidget(new QLabel(Text("年号表示：")));
    m_pYearFlag = EraRadios(this, radios, 10001);
    auto* era = new QGroupBox(Text("和暦の設定"), this);
    era->setObjectName(QStringLiteral("20201"));
    auto* grid = new QGridLayout(era);
    AddRow(grid, "元号名：", m_pYearName);
    AddRow(grid, "西暦との差：", m_pYearDiff, "年");

    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addLayout(radios);
    left->addWidget(era);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addLayout(DialogButtons(this, [] {
        if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpContext(CEraDisplayDlg::kHelpID);
    }));
}

void CEraDisplayDlg::OnInitDialog()
{
    ShowEra(m_pYearFlag, m_pYearName, m_pYearDiff, m_nYearFlag, m_strYearName, m_nYearDiff);
}

int CEraDisplayDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CEraDisplayDlg::accept()
{
    m_nYearFlag = CheckedEra(m_pYearFlag);
    RemoveCommas(m_pYearDiff);
    if (!ExchangeInt(m_pYearDiff, m_nYearDiff)) {
        SelectAll({m_pYearDiff, m_pYearName});
        return;
    }
    m_strYearName = FromQString(m_pYearName->text());
    QDialog::accept();
}
