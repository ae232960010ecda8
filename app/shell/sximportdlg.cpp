#include "app/shell/sximportdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/shell/dialogbuttons.h"
#include "app/shell/filedialogs.h"
#include "app/shell/tavrinapp.h"
#include "file/filesx.h"
#include "platform/qtstring.h"

namespace {

const char kIndexFile[] = "TAVIDX.DAT";
constexpr UINT kIdsNoIndex = 13005;

} // namespace

CSXImportDlg::CSXImportDlg(QWidget* pParent)
    : QDialog(pParent), m_lbProjects(new QListWidget(this)), m_pFileName(new QLabel(this))
{
    setWindowTitle(ToQString("TavrinSXのファイルを開く"));
    m_lbProjects->setObjectName(QStringLiteral("1063"));
    m_lbProjects->setMinimumSize(360, 160);
    m_pFileName->setObjectName(QStringLiteral("1246"));
    auto* buttons = new CDialogButtons(this, "OK", 1021, [this] { OnHelp(); }, Qt::Vertical);
    buttons->AddButton("ﾌｧｲﾙ指定...", 1020, [this] { OnFileSelect(); });
    m_pOK = buttons->m_pOK;

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(ToQString("Tavrin2000/SXのデータを読み込みます。"), this), 0, 0, 1, 2);
    grid->addWidget(new QLabel(ToQString("読み込むファイル名："), this), 1, 0);
    grid->addWidget(m_pFileName, 1, 1);
    grid->addWidget(m_lbProjects, 2, 0, 1, 2);
    grid->addWidget(new QLabel(ToQString("  [ ﾌｧｲﾙ指定 ] ボタンで、Tavrin2000/SX のデータ用フォルダまたはフロッピーディスク内にある、\n"
                                         "「TAVIDX.DAT」ファイルを選択して下さい。\n"
                                         "　フロッピーディスクをご利用の場合は、データフロッピーディスクを事前に挿入して下さい。"),
                               this),
                    3, 0, 1, 2);
    grid->addWidget(buttons, 0, 2, 4, 1);
    grid->setColumnStretch(1, 1);
}

CSXImportDlg::~CSXImportDlg() = default;

void CSXImportDlg::OnInitDialog()
{
    m_pFileSX = std::make_unique<CFileSXClass>();
    LoadIndex(kIndexFile);
}

int CSXImportDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

BOOL CSXImportDlg::LoadIndex(const CString& strPath)
{
    m_lbProjects->clear();
    if (!m_pFileSX->Read(strPath)) {
        m_pOK->setEnabled(false);
        CString strMessage;
        strMessage.LoadString(kIdsNoIndex);
        m_pFileName->setText(ToQString(strMessage));
        return FALSE;
    }
    for (int i = 0; i < m_pFileSX->GetIndexArraySize(); ++i) m_lbProjects->addItem(ToQString(m_pFileSX->GetIndexArray(i)));
    m_pFileName->setText(ToQString(m_pFileSX->GetFileName()));
    m_pOK->setEnabled(true);
    return TRUE;
}

void CSXImportDlg::OnFileSelect()
{
    CString strPath;
    if (RunFileDialog(SXIndexRequest(), strPath)) LoadIndex(strPath);
}

void CSXImportDlg::accept()
{
    const QList<QListWidgetItem*> selected = m_lbProjects->selectedItems();
    m_pFileSX->SetCurSel(selected.isEmpty() ? -1 : m_lbProjects->row(selected.first()));
    QDialog::accept();
}

void CSXImportDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpContext(kHelpID);
}
