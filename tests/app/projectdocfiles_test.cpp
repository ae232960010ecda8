#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "app/shell/newprojectdlg.h"
#include "app/shell/sximportdlg.h"
#include "app/shell/tavrinformparentframe.h"
#include "file/filesx.h"
#include "projectdoctest.h"

namespace {

CString SourceFile(const char* pszPath)
{
    return CString(TAV_SOURCE_DIR "/") + pszPath;
}

// The shipped sample opened with the shipped tax-rate table.
CTavrinProjectDoc* OpenSample(CTavrinApp& app, ScriptedMessageBoxes& boxes)
{
    app.m_strTaxFileName = ShippedFile("標準税率.tax");
    auto* doc = new CTavrinProjectDoc;
    boxes.m_answers = {IDNO};
    if (!doc->OnOpenDocument(ShippedFile("TEST.prj"))) {
        delete doc;
        return nullptr;
    }
    boxes.m_texts.clear();
    boxes.m_shown.clear();
    return doc;
}

// A form window of the project with the command id of its kind.
QPointer<QWidget> OpenForm(CMainFrame& frame, CTavrinProjectDoc* doc, UINT nCommandID)
{
    auto* form = new CTavrinFormParentFrame(doc);
    form->m_nCommandID = int(nCommandID);
    frame.AddChildFrame(form);
    return form;
}

TEST_F(ProjectDocTest, NewProjectIsReadFromTheChosenTemplateAndSaveAsksForAName)
{
    m_app.m_strProgramDir = SourceFile("res/");
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    std::vector<std::string> labels;
    bool bStayedOpen = false;
    WhenShown<CNewProjectDlg>([&](CNewProjectDlg* dlg) {
        for (int i = 0; i < dlg->m_lcTemplates->count(); ++i)
            labels.push_back(dlg->m_lcTemplates->item(i)->text().toStdString());
        dlg->accept(); // nothing selected
        bStayedOpen = dlg->isVisible();
        const auto found = std::find(labels.begin(), labels.end(), Utf8("個人地主のアパート"));
        dlg->m_lcTemplates->setCurrentRow(int(found - labels.begin()));
        dlg->accept();
    });
    CTavrinProjectDoc* doc = m_app.OnFileNew();
    ASSERT_NE(doc, nullptr);
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<std::string>{Utf8("中小法人の賃貸ビル"), Utf8("個人地主のアパート")}));
    EXPECT_TRUE(bStayedOpen);
    EXPECT_EQ(doc->m_nOpenMode, 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(m_boxes.m_texts.empty()); // no calculation question
    EXPECT_EQ(doc->GetTitle().Left(16), CString("新規プロジェクト"));
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);
    CProjectInMemory expected;
    CFileDataClass file;
    ASSERT_TRUE(file.ReadProject(ShippedFile("個人地主のアパート.ETD"), &expected.m_data, &expected.m_option));
    EXPECT_EQ(doc->GetDataBasic()->strProjectName, expected.m_data.m_pDataBasic->strProjectName);
    EXPECT_EQ(doc->GetDataRentalType()->GetTerm(0)->m_dRent, expected.m_data.m_pDataRentalType->GetTerm(0)->m_dRent);

    // Save asks for a name, then the project is a file of its own.
    doc->m_abDataModified[1] = TRUE;
    m_strDialogPath = Path("mine.PRJ");
    EXPECT_TRUE(doc->OnFileSave());
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_FALSE(m_requests[0].bOpen);
    EXPECT_EQ(doc->m_nOpenMode, 2);
    EXPECT_EQ(doc->GetTitle(), CString("mine.PRJ"));
    EXPECT_TRUE(QFile::exists(ToQString(m_strDialogPath)));

    // Cancel makes nothing.
    WhenShown<CNewProjectDlg>([](CNewProjectDlg* dlg) { dlg->reject(); });
    EXPECT_EQ(m_app.OnFileNew(), nullptr);
    EXPECT_EQ(CTavrinProjectDoc::Documents().size(), 1);
}

TEST_F(ProjectDocTest, NewProjectDialogWithoutTemplatesKeepsOkFromClosing)
{
    CNewProjectDlg dlg(nullptr, Path(""));
    EXPECT_FALSE(dlg.OnInitDialog());
    EXPECT_EQ(dlg.m_lcTemplates->count(), 0);
    dlg.show();
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(dlg.m_strFileName.IsEmpty());
}

TEST_F(ProjectDocTest, TaxFileSaveAndLoadChangeTheTableOnlyWhenTheWholeFileWorked)
{
    CTavrinProjectDoc* doc = OpenSample(m_app, m_boxes);
    ASSERT_NE(doc, nullptr);
    CTavrinProjectDoc* other = OpenSample(m_app, m_boxes);
    ASSERT_NE(other, nullptr);
    double& dRate = doc->m_objTaxClass.m_pTaxConsumption->m_dRate;
    const CString strMine = Path("mine.tax");

    // Save: the file and the project name the table; the taxes window shows it.
    dRate = 8.0;
    m_strDialogPath = strMine;
    m_frame.OpenBasicConditions(doc);
    auto* taxes = new ReloadCountingFrame(doc, 20004);
    m_frame.AddChildFrame(taxes);
    m_frame.OpenBasicConditions(doc); // the basic-conditions window is active
    m_frame.SendCommand(ID_TAX_FILE_SAVE);
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_FALSE(m_requests[0].bOpen);
    EXPECT_EQ(m_requests[0].strFilter, CString("Tavrin 税率ファイル （*.TAX）|*.TAX||"));
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_EQ(m_app.m_strTaxFileName, strMine);
    EXPECT_EQ(doc->GetDataBasic()->astrFileName[0], strMine);
    EXPECT_TRUE(doc->IsModified());
    // A save changes no record: the window keeps its edits, only the file name is shown anew.
    EXPECT_EQ(taxes->Reloads(), 0);
    EXPECT_EQ(taxes->FileNameReloads(), 1);
    const QByteArray saved = FileBytes(ToQString(strMine));
    ASSERT_FALSE(saved.isEmpty());

    // A save that fails says so and keeps the file and the edited table.
    dRate = 9.0;
    CFile::InjectFault(1);
    doc->OnTaxFileSave();
    CFile::InjectFault(0);
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_NE(m_boxes.m_shown[0].find(Utf8("保存できませんでした")), std::string::npos);
    EXPECT_EQ(FileBytes(ToQString(strMine)), saved);
    EXPECT_EQ(dRate, 9.0);

    // A damaged or missing file says so, loads nothing, and tries no other table.
    const CString strCut = Path("cut.tax");
    QFile cut(ToQString(strCut));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(saved.left(saved.size() / 2));
    cut.close();
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    for (const CString& strBad : {strCut, Path("missing.tax")}) {
        m_boxes.m_shown.clear();
        m_strDialogPath = strBad;
        doc->OnTaxFileLoad();
        ASSERT_EQ(m_boxes.m_shown.size(), 1u);
        EXPECT_NE(m_boxes.m_shown[0].find(Utf8("読み込めませんでした")), std::string::npos);
        EXPECT_EQ(dRate, 9.0);
        EXPECT_EQ(doc->GetDataBasic()->astrFileName[0], strMine);
        EXPECT_EQ(m_app.m_strTaxFileName, ShippedFile("標準税率.tax"));
    }

    // A good file replaces the table and closes only this project's tax-rate windows.
    QPointer<QWidget> mine = OpenForm(m_frame, doc, 20203);
    QPointer<QWidget> data = OpenForm(m_frame, doc, 20001);
    QPointer<QWidget> theirs = OpenForm(m_frame, other, 20203);
    m_boxes.m_shown.clear();
    m_strDialogPath = strMine;
    doc->OnTaxFileLoad();
    EXPECT_TRUE(m_boxes.m_shown.empty());
    EXPECT_EQ(dRate, 8.0);
    EXPECT_EQ(m_app.m_strTaxFileName, strMine);
    EXPECT_EQ(taxes->Reloads(), 1); // not after the failures
    EXPECT_EQ(taxes->FileNameReloads(), 1);
    Pump();
    EXPECT_TRUE(mine.isNull());
    EXPECT_FALSE(data.isNull());
    EXPECT_FALSE(theirs.isNull());
}

class ImportTest : public ProjectDocTest {
protected:
    // The earlier product's index and data files in the scratch folder; the index's path.
    CString CopyIndex(const char* pszFixture)
    {
        const QString folder = m_dir.filePath(QStringLiteral("sx"));
        QDir().mkpath(folder);
        const QDir source(ToQString(SourceFile("tests/file/fixtures/")) + QString::fromLatin1(pszFixture));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), folder + QLatin1Char('/') + name);
        return FromQString(folder + QStringLiteral("/TAVIDX.DAT"));
    }
    // Runs the import command: the dialog picks line nLine of the index the file dialog names.
    void Import(int nLine, const std::function<void()>& beforeOK = {})
    {
        WhenShown<CSXImportDlg>([this, nLine, beforeOK](CSXImportDlg* dlg) {
            m_bOkBefore = OkEnabled(dlg);
            m_strNameBefore = dlg->findChild<QLabel*>(QStringLiteral("1246"))->text().toStdString();
            dlg->OnFileSelect();
            m_bOkAfter = OkEnabled(dlg);
            m_nLines = dlg->m_lbProjects->count();
            dlg->m_lbProjects->setCurrentRow(nLine);
            if (beforeOK) beforeOK();
            dlg->accept();
        });
        m_frame.SendCommand(ID_IMPORT_LEGACY);
    }

    static bool OkEnabled(const CSXImportDlg* dlg)
    {
        for (const QPushButton* button : dlg->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("OK")) return button->isEnabled();
        return false;
    }

    bool m_bOkBefore = true;
    bool m_bOkAfter = false;
    std::string m_strNameBefore;
    int m_nLines = 0;
};

TEST_F(ImportTest, ImportedProjectIsNewAndEditedAndOffersTheCalculation)
{
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    m_strDialogPath = CopyIndex("sx_pair");
    m_boxes.m_answers = {IDNO};
    Import(1);
    // No index in the current folder: the list was empty and the line said so.
    EXPECT_FALSE(m_bOkBefore);
    EXPECT_EQ(m_strNameBefore, Utf8("TAV.DATファイルが見つかりません。"));
    EXPECT_TRUE(m_bOkAfter);
    EXPECT_EQ(m_nLines, 2);
    ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    CTavrinProjectDoc* doc = CTavrinProjectDoc::Documents().first();
    EXPECT_EQ(doc->m_nOpenMode, 1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), CString("鈴木アパート新築（法人）"));
    EXPECT_EQ(doc->GetDataBasic()->astrFileName[0], ShippedFile("標準税率.tax"));
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    EXPECT_EQ(m_boxes.m_texts[0], CString("今すぐ収支計算を行いますか？"));

    // Closing it asks to save the new project; cancel keeps it.
    m_boxes.m_texts.clear();
    m_boxes.m_answers = {IDCANCEL};
    m_frame.SendCommand(ID_FILE_CLOSE);
    ASSERT_EQ(m_boxes.m_texts.size(), 1u);
    CString question;
    question.LoadString(16000);
    EXPECT_EQ(m_boxes.m_texts[0], doc->GetTitle() + "\n" + question);
    EXPECT_EQ(CTavrinProjectDoc::Documents().size(), 1);
}

TEST_F(ImportTest, ProjectThatCannotBeConvertedGivesAMessageAndNoWindow)
{
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    m_strDialogPath = CopyIndex("sx_pair");
    // The data file is cut after the index was listed.
    Import(1, [this] { QFile(m_dir.filePath(QStringLiteral("sx/tavdat.dat"))).resize(100); });
    EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty());
    EXPECT_TRUE(m_frame.MDIClient()->subWindowList().isEmpty());
    ASSERT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_NE(m_boxes.m_shown[0].find(Utf8("読み込めませんでした")), std::string::npos);
}

} // namespace

namespace {

TEST_F(ProjectDocTest, ProjectCommandsNeedAProjectThatIsNotCalculating)
{
    const UINT ids[] = {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_TAX_FILE_LOAD, ID_TAX_FILE_SAVE, ID_REVERSE_CALC};
    for (UINT nID : ids) EXPECT_FALSE(m_frame.QueryCommand(nID).m_bEnabled) << nID;
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    for (UINT nID : ids) EXPECT_TRUE(m_frame.QueryCommand(nID).m_bEnabled) << nID;
    std::vector<UINT> enabled;
    doc->m_onStep = [&](int nStep) {
        if (nStep != 0) return;
        for (UINT nID : ids)
            if (m_frame.QueryCommand(nID).m_bEnabled) enabled.push_back(nID);
    };
    doc->OnCalcStart();
    EXPECT_TRUE(enabled.empty());
}

} // namespace
