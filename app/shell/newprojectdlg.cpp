#include "app/shell/newprojectdlg.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "app/common/numbertext.h"
#include "app/shell/dialogbuttons.h"
#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"

namespace {

const char kTemplatePattern[] = "*.ETD";
const char kHelpPath[] = "tavrinapp.chm::/tavrinapp00000011.htm";

CString DataFolder()
{
    const CTavrinApp* pApp = GetTavrinApp();
    return pApp ? pApp->m_strProgramDir + "Data" : GetProgramDirectory() + "/Data";
}

} // namespace

CNewProjectDlg::CNewProjectDlg(QWidget* pParent, const CString& strFolder)
    : QDialog(pParent), m_lbFiles(new QListWidget(this)), m_lcTemplates(new QListWidget(this)),
      m_strFolder(strFolder.IsEmpty() ? DataFolder() : strFolder)
{
    setWindowTitle(ToQString("新規作成"));
    m_lbFiles->setObjectName(QStringLiteral("10002"));
    m_lbFiles->hide();
    m_lcTemplates->setObjectName(QStringLiteral("10000"));
    m_lcTemplates->setViewMode(QListView::IconMode);
    m_lcTemplates->setIconSize(QSize(32, 32));
    m_lcTemplates->setResizeMode(QListView::Adjust);
    m_lcTemplates->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lcTemplates->setMinimumSize(360, 180);
    connect(m_lcTemplates, &QListWidget::itemDoubleClicked, this, &CNewProjectDlg::accept);

    auto* group = new QGroupBox(ToQString("登録されているテンプレート"), this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_lcTemplates);
    auto* buttons = new CDialogButtons(this, "OK", 10001, [this] { OnHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(ToQString("新規に作成するプロジェクトのテンプレートをクリックで選択し、[ＯＫ]を押して下さい。"), this));
    layout->addWidget(group);
    layout->addWidget(m_lbFiles);
    layout->addWidget(buttons);
}

BOOL CNewProjectDlg::OnInitDialog()
{
    m_lbFiles->clear();
    m_lcTemplates->clear();
    const QStringList files =
        QDir(ToQString(m_strFolder)).entryList({QString::fromLatin1(kTemplatePattern)}, QDir::Files, QDir::Name);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& file : files) {
        m_lbFiles->addItem(file);
        m_lcTemplates->addItem(new QListWidgetItem(icon, ToQString(MakeSafeFileName(FromQString(file)))));
    }
    return files.isEmpty() ? FALSE : TRUE;
}

int CNewProjectDlg::exec()
{
    OnInitDialog();
    return QDialog::exec();
}

void CNewProjectDlg::accept()
{
    const int nItem = m_lcTemplates->currentRow();
    if (nItem < 0 || !m_lcTemplates->item(nItem)->isSelected()) return;
    m_strFileName = FromQString(m_lbFiles->item(nItem)->text());
    QDialog::accept();
}

void CNewProjectDlg::OnHelp()
{
    if (CTavrinApp* pApp = GetTavrinApp()) pApp->ShowHelpTopic(kHelpPath);
}

CString CNewProjectDlg::GetPathName() const
{
    return m_strFolder + "/" + m_strFileName;
}
