#include "projectdoctest.h"

namespace {

TEST_F(ProjectDocTest, OpenCalculateSaveAndReopenKeepTheProjectAndItsResults)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_nOpenMode, 2);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(m_boxes.m_texts.at(0), CString("今すぐ収支計算を行いますか？"));
    EXPECT_EQ(m_boxes.m_types.at(0), UINT(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(doc->GetDataBasic()->astrFileName[0], CString("標準税率.tax")); // empty name: the default
    doc->OnCalcStart();
    ASSERT_NE(doc->m_nCalcResult, 0);
    EXPECT_EQ(doc->m_steps.size(), 27u);

    ASSERT_TRUE(m_example.Calculate(kExampleYears));
    for (int year : {0, 1, 10, kExampleYears}) {
        auto* mine = dynamic_cast<CYearBalanceClass*>(doc->m_objCalc.m_pYearArray->GetAt(year));
        ASSERT_NE(mine, nullptr);
        EXPECT_EQ(mine->m_dCashOnHand, m_example.Year(year)->m_dCashOnHand) << year;
        EXPECT_EQ(mine->m_dSurplus, m_example.Year(year)->m_dSurplus) << year;
    }

    // Save As under a new name; the file opens as the same project, with its tax-rate file name.
    doc->m_abDataModified[3] = TRUE;
    m_strDialogPath = Path("copy.PRJ");
    ASSERT_TRUE(doc->OnFileSaveAs());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), m_strDialogPath);
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_FALSE(m_requests[0].bOpen);
    EXPECT_EQ(m_requests[0].strFileName, CString("店舗付賃貸マンション")); // the title, as the form stored it

    ExampleDoc* again = OpenExample(m_strDialogPath);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetDataBasic()->astrFileName[0], CString("標準税率.tax"));
    again->OnCalcStart();
    ASSERT_NE(again->m_nCalcResult, 0);
    auto* last = dynamic_cast<CYearBalanceClass*>(again->m_objCalc.m_pYearArray->GetAt(kExampleYears));
    EXPECT_EQ(last->m_dCashOnHand, m_example.Year(kExampleYears)->m_dCashOnHand);
}

TEST_F(ProjectDocTest, FailedWriteKeepsTheOldFileAndTheEditedFlags)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    const QByteArray before = FileBytes(ToQString(m_strPath));
    doc->GetDataBasic()->strProjectName = "変更後";
    doc->m_abOptionModified[2] = TRUE;
    for (int nFault : {1, 3}) {
        m_boxes.m_shown.clear();
        CFile::InjectFault(nFault);
        EXPECT_FALSE(doc->OnFileSave()) << nFault;
        CFile::InjectFault(0);
        EXPECT_EQ(FileBytes(ToQString(m_strPath)), before) << nFault;
        EXPECT_TRUE(doc->IsModified());
        ASSERT_EQ(m_boxes.m_shown.size(), 1u);
        EXPECT_NE(m_boxes.m_shown[0].find(Utf8("保存できませんでした")), std::string::npos);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 1); // no temporary left
    EXPECT_TRUE(doc->OnFileSave());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_NE(FileBytes(ToQString(m_strPath)), before);
}

TEST_F(ProjectDocTest, SaveModifiedLetsTheProjectCloseOnlyWhenNothingIsLost)
{
    struct Case {
        const char* pszName;
        int nOpenMode;
        int nAnswer;        // to the question; 0: no question expected
        const char* pszDialog; // Save As answer; null cancels
        int nFault;
        BOOL bClose;
        bool bStillEdited;
        int nQuestion;
    } cases[] = {
        {"yes, saved", 2, IDYES, nullptr, 0, TRUE, false, 16001},
        {"yes, the write fails", 2, IDYES, nullptr, 1, FALSE, true, 16001},
        {"yes, Save As cancelled", 1, IDYES, nullptr, 0, FALSE, true, 16000},
        {"yes, Save As done", 1, IDYES, "new.PRJ", 0, TRUE, false, 16000},
        {"no", 2, IDNO, nullptr, 0, TRUE, true, 16001},
        {"cancel", 2, IDCANCEL, nullptr, 0, FALSE, true, 16001},
        {"cancel a new one", 1, IDCANCEL, nullptr, 0, FALSE, true, 16000},
    };
    for (const Case& c : cases) {
        ExampleDoc* doc = OpenExample(m_strPath);
        ASSERT_NE(doc, nullptr);
        doc->SetTitle("駅前ビル");
        doc->m_nOpenMode = c.nOpenMode;
        doc->m_abDataModified[5] = TRUE;
        m_boxes.m_texts.clear();
        m_boxes.m_types.clear();
        m_boxes.m_answers = {c.nAnswer, IDOK};
        m_strDialogPath = c.pszDialog ? Path(c.pszDialog) : CString();
        CFile::InjectFault(c.nFault);
        EXPECT_EQ(doc->SaveModified(), c.bClose) << c.pszName;
        CFile::InjectFault(0);
        EXPECT_EQ(doc->IsModified(), c.bStillEdited) << c.pszName;
        ASSERT_FALSE(m_boxes.m_texts.empty()) << c.pszName;
        CString question;
        question.LoadString(c.nQuestion);
        EXPECT_EQ(m_boxes.m_texts[0], CString("駅前ビル\n") + question) << c.pszName;
        EXPECT_EQ(m_boxes.m_types[0], UINT(MB_YESNOCANCEL)) << c.pszName;
        m_boxes.m_answers.clear();
        delete doc;
    }
    // An unchanged project closes without a question.
    ExampleDoc* doc = OpenExample(m_strPath);
    m_boxes.m_texts.clear();
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(m_boxes.m_texts.empty());
}

TEST_F(ProjectDocTest, ClosingAnEditedProjectAsksAndCancelKeepsItOpen)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    doc->m_abDataModified[0] = TRUE;
    m_boxes.m_answers = {IDCANCEL};
    m_frame.SendCommand(ID_FILE_CLOSE);
    ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);
    m_boxes.m_answers = {IDNO};
    m_frame.SendCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty());
    Pump();
    EXPECT_TRUE(m_frame.MDIClient()->subWindowList().isEmpty());
}

TEST_F(ProjectDocTest, DamagedOrForeignFilesGiveOneMessageAndOpenNothing)
{
    const QByteArray bytes = FileBytes(ToQString(m_strPath));
    struct Case {
        const char* pszName;
        QByteArray contents;
        const char* pszMessage;
    } cases[] = {
        {"cut.PRJ", bytes.left(bytes.size() / 2), "読み込めませんでした"},
        {"header.PRJ", bytes.left(100), "読み込めませんでした"},
        {"text.PRJ", QByteArray("not a project\n"), "タヴリンのファイルではありません"},
        {"missing.PRJ", QByteArray(), "読み込めませんでした"},
    };
    for (const Case& c : cases) {
        const CString path = Path(c.pszName);
        if (!c.contents.isEmpty()) {
            QFile file(ToQString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.contents);
        }
        m_boxes.m_shown.clear();
        EXPECT_EQ(m_app.OpenDocumentFile(path), nullptr) << c.pszName;
        EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty()) << c.pszName;
        EXPECT_TRUE(m_frame.MDIClient()->subWindowList().isEmpty()) << c.pszName;
        ASSERT_EQ(m_boxes.m_shown.size(), 1u) << c.pszName;
        EXPECT_NE(m_boxes.m_shown[0].find(Utf8(c.pszMessage)), std::string::npos) << c.pszName << m_boxes.m_shown[0];
    }
}

TEST_F(ProjectDocTest, CancelledOrFailedRunClearsTheResult)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    for (int nStep : {0, 5, 26}) {
        for (bool bCancel : {true, false}) {
            doc->m_nCalcResult = 1;
            doc->m_steps.clear();
            m_boxes.m_texts.clear();
            doc->m_nFailStep = bCancel ? -1 : nStep;
            int nPercent = -1;
            bool bModal = false;
            doc->m_onStep = [&](int n) {
                CCalcProgressDlg* dlg = doc->GetProgressDlg();
                nPercent = dlg->m_pBar->m_nPercent;
                bModal = dlg->windowModality() == Qt::ApplicationModal;
                doc->OnCloseDocument(); // both refused while the run goes on
                EXPECT_FALSE(m_frame.OnClose());
                if (bCancel && n == nStep) dlg->OnCancel();
            };
            doc->OnCalcStart();
            EXPECT_EQ(doc->m_nCalcResult, 0) << nStep << bCancel;
            EXPECT_EQ(doc->m_steps.size(), size_t(nStep + 1)) << nStep << bCancel;
            EXPECT_EQ(nPercent, 3 * nStep);
            EXPECT_TRUE(bModal);
            EXPECT_FALSE(doc->IsCalculating());
            ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
            ExpectRunMessage(bCancel);
        }
    }
}

TEST_F(ProjectDocTest, RentalCategoryInUseNeedsAContractPeriod)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    CDataRentalTermClass* term = doc->GetDataRentalType()->GetTerm(19);
    CDataRentalBasicClass* basic = doc->GetDataRentalBasic(7);
    basic->m_strName = "倉庫";
    basic->nContractYears = 0;
    term->m_dRent = term->m_dCommonFee = term->m_dKeyMoney = term->m_dDeposit = term->m_dSecurity = 0.0;
    struct Case {
        int nCategory;
        double dRenewalFee;
        bool bStops;
    } cases[] = {{7, 0.0, false}, {7, 12.0, true}, {9, 12.0, false}, {-5, 12.0, false}, {-1, 12.0, false}};
    for (const Case& c : cases) {
        term->m_nCategory = c.nCategory;
        term->m_dRenewalFee = c.dRenewalFee;
        m_boxes.m_texts.clear();
        doc->m_steps.clear();
        doc->m_nCalcResult = 5;
        doc->OnCalcStart();
        EXPECT_EQ(doc->m_steps.empty(), c.bStops) << c.nCategory;
        if (c.bStops) {
            EXPECT_EQ(doc->m_nCalcResult, 5); // unchanged
            ASSERT_EQ(m_boxes.m_texts.size(), 1u);
            EXPECT_EQ(m_boxes.m_texts[0], CString("倉庫 の契約期間が、設定されていません。1年以上の数値を設定してください。"));
        } else {
            EXPECT_NE(doc->m_nCalcResult, 0) << c.nCategory;
        }
    }
}

TEST_F(ProjectDocTest, CommandLineFileOpensOnceAndCalculatesWithoutAsking)
{
    QElapsedTimer timer;
    timer.start();
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    m_app.m_bOpeningCommandLine = TRUE;
    CTavrinProjectDoc* doc = m_app.OpenDocumentFile(m_strPath);
    m_app.m_bOpeningCommandLine = FALSE;
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(m_boxes.m_texts.empty());
    for (int i = 0; i < 100 && doc->m_nCalcResult == 0 && m_boxes.m_texts.empty(); ++i) QTest::qWait(5);
    const qint64 ms = timer.elapsed();
    std::printf("command-line project opened and calculated in %lld ms (result %d, %zu messages)\n",
                static_cast<long long>(ms), doc->m_nCalcResult, m_boxes.m_texts.size());
    EXPECT_NE(doc->m_nCalcResult, 0);
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);

    // The same path again only activates its window.
    m_boxes.m_texts.clear();
    EXPECT_EQ(m_app.OpenDocumentFile(m_strPath), doc);
    EXPECT_TRUE(m_boxes.m_texts.empty());
    EXPECT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    EXPECT_EQ(m_frame.MDIClient()->subWindowList().size(), 1);
}

} // namespace

namespace {

TEST_F(ProjectDocTest, OpeningDerivesTheOtherAreaUnitWithTheTableFactor)
{
    CDataOutlineClass& outline = *m_example.m_data.m_pDataOutline;
    const double f = 3.30579;
    g_dTableFactor = f;
    for (int nUnit : {0, 1}) {
        const int other = 1 - nUnit;
        outline.nAreaUnit = nUnit;
        outline.nBuyLandInput = 1;
        outline.dBuyLandRatio = 40.0;
        outline.aLand[nUnit].dTotalLand = 250.0;
        outline.aLand[other].dTotalLand = 0.0;
        outline.aLand[other].dBuyLand = 0.0;
        const CString path = Path(nUnit == 0 ? "tsubo.PRJ" : "heibei.PRJ");
        CFileDataClass file;
        ASSERT_TRUE(file.WriteProject(CFileDataClass::kKindProject, path, &m_example.m_data, &m_example.m_option));
        ExampleDoc* doc = OpenExample(path);
        ASSERT_NE(doc, nullptr);
        const auto& land = doc->GetDataOutline()->aLand;
        EXPECT_DOUBLE_EQ(land[nUnit].dBuyLand, 100.0) << nUnit; // 40 % of the entered total
        const double dExpected = nUnit == 0 ? std::floor(f * 250.0 * 100 + 0.5) * 0.01
                                            : std::floor(250.0 / f * 100 + 0.5) * 0.01;
        EXPECT_DOUBLE_EQ(land[other].dTotalLand, dExpected) << nUnit;
        EXPECT_DOUBLE_EQ(doc->GetDataOutline()->m_dSquareMeterPerTsubo, f);
    }
}

// The shipped sample reads the shipped table it names and calculates cleanly.
TEST_F(ProjectDocTest, ShippedSampleOpensWithTheStandardTableAndCalculates)
{
    m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
    CTavrinProjectDoc doc;
    m_boxes.m_answers = {IDNO};
    ASSERT_TRUE(doc.OnOpenDocument(ShippedFile("TEST.prj")));
    ASSERT_EQ(m_boxes.m_texts.size(), 1u); // only the calculation question
    EXPECT_DOUBLE_EQ(doc.m_objTaxClass.m_pTaxConsumption->m_dRate, 10.0);
    doc.OnCalcStart();
    EXPECT_NE(doc.m_nCalcResult, 0);
    EXPECT_EQ(m_boxes.m_texts.size(), 1u);
}

} // namespace

namespace {

// A project whose tax-rate tables cannot be read.
class NoTaxDoc : public CTavrinProjectDoc {
public:
    BOOL LoadTaxFile(const CString& strPath) override
    {
        m_tried.push_back(strPath);
        return FALSE;
    }
    std::vector<CString> m_tried;
};

TEST_F(ProjectDocTest, UnreadableTaxTableIsReportedOnceAndTheProjectStillOpens)
{
    CFileDataClass file;
    m_example.m_data.m_pDataBasic->astrFileName[0] = "古い税率.tax";
    ASSERT_TRUE(file.WriteProject(CFileDataClass::kKindProject, m_strPath, &m_example.m_data, &m_example.m_option));
    NoTaxDoc doc;
    m_boxes.m_answers = {IDOK, IDNO};
    ASSERT_TRUE(doc.OnOpenDocument(m_strPath));
    EXPECT_EQ(doc.m_tried, (std::vector<CString>{"古い税率.tax", "標準税率.tax"}));
    ASSERT_EQ(m_boxes.m_texts.size(), 2u); // the failure, then the calculation question
    CString expected;
    expected.LoadString(13006);
    EXPECT_EQ(m_boxes.m_texts[0], expected);
    EXPECT_EQ(doc.GetDataBasic()->astrFileName[0], CString("古い税率.tax")); // the project keeps its own
}

} // namespace
