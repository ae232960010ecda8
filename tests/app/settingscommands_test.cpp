// The era display and business settings commands of a project: their menu
// items, what they change in the project and in the application, and when
// the profile is written.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "app/shell/settingsdlg.h"
#include "projectdoctest.h"
#include "tests/support/render.h"

namespace {

QString U(const char8_t* psz)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(psz));
}

QLineEdit* Edit(QDialog* pDlg, const char* pszID)
{
    return pDlg->findChild<QLineEdit*>(QString::fromLatin1(pszID));
}

class SettingsCommandTest : public ProjectDocTest {
protected:
    void SetUp() override
    {
        ProjectDocTest::SetUp();
        m_app.m_strIniPath = Path("tavrin.ini");
        m_app.m_nYearFlag = 1;
        m_app.m_strYearName = "令和";
        m_app.m_nYearDiff = 2018;
        m_app.m_nTodayYear = 2026;
        m_app.m_nTodayMonth = 12;
        m_app.m_nTodayDay = 11;
        m_pDoc = OpenExample(m_strPath);
        ASSERT_NE(m_pDoc, nullptr);
        m_frame.resize(900, 600);
        m_frame.show();
        Pump();
    }
    // The menu of the menu bar whose title starts with pszTitle, on the screen.
    QMenu* Menu(const QString& title)
    {
        m_frame.UpdateCommandUI();
        for (QAction* action : m_frame.menuBar()->actions())
            if (action->isVisible() && action->text() == title) return action->menu();
        return nullptr;
    }
    bool ProfileWritten() const { return QFile::exists(ToQString(m_app.m_strIniPath)); }
    std::string PrintDate() const { return CP932ToUtf8(m_pDoc->m_strPrintDate); }

    ExampleDoc* m_pDoc = nullptr;
};

TEST_F(SettingsCommandTest, TheSettingsMenuOpensBothDialogs)
{
    QMenu* menu = Menu(U(u8"設定(&S)"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), U(u8"年号表示 (&Y)..."));
    EXPECT_EQ(menu->actions()[1]->text(), U(u8"基本業務設定 (&C)..."));
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_EQ(menu->actions()[1]->statusTip(), U(u8"会社名、収支計算年数、金額と日付の表示方法の設定を行います。"));
    menu->popup(m_frame.mapToGlobal(QPoint(200, 20)));
    Pump();
    SaveArtifact(menu->grab().toImage(), "shell_settingsmenu");
    menu->hide();

    WhenShown<CEraDisplayDlg>([](CEraDisplayDlg* dlg) {
        SaveArtifact(dlg->grab().toImage(), "shell_eradisplay_command");
        dlg->reject();
    });
    menu->actions()[0]->trigger();
    Pump();
    WhenShown<CBasicSettingDlg>([](CBasicSettingDlg* dlg) {
        SaveArtifact(dlg->grab().toImage(), "shell_basicsetting_command");
        dlg->reject();
    });
    menu->actions()[1]->trigger();
    Pump();
    EXPECT_FALSE(ProfileWritten());
}

TEST_F(SettingsCommandTest, EraDisplayChangesHowThePrintDateIsShownButWritesNoProfile)
{
    EXPECT_EQ(PrintDate(), Utf8("令和８年１２月１１日"));
    m_pDoc->SetPrintDate(2019, 4, 30);
    EXPECT_EQ(PrintDate(), Utf8("平成３１年４月３０日"));
    WhenShown<CEraDisplayDlg>([](CEraDisplayDlg* dlg) {
        EXPECT_TRUE(dlg->findChild<QRadioButton*>(QStringLiteral("10002"))->isChecked());
        EXPECT_EQ(Edit(dlg, "10003")->text(), U(u8"令和"));
        dlg->findChild<QRadioButton*>(QStringLiteral("10001"))->setChecked(true);
        dlg->accept();
    });
    m_frame.OnMainCommand(ID_YEAR_SETTING);
    EXPECT_EQ(PrintDate(), Utf8("２０１９年４月３０日"));
    EXPECT_EQ(m_pDoc->m_objPrintSetting.nYear, 2019);
    EXPECT_EQ(m_app.m_nYearFlag, 0);
    EXPECT_EQ(m_app.m_nYearChosen, 1);
    EXPECT_EQ(m_app.m_nTodayYear, 2019);
    EXPECT_EQ(m_app.m_nTodayMonth, 4);
    EXPECT_FALSE(ProfileWritten());

    // Cancel changes nothing.
    WhenShown<CEraDisplayDlg>([](CEraDisplayDlg* dlg) {
        dlg->findChild<QRadioButton*>(QStringLiteral("10002"))->setChecked(true);
        dlg->reject();
    });
    m_frame.OnMainCommand(ID_YEAR_SETTING);
    EXPECT_EQ(PrintDate(), Utf8("２０１９年４月３０日"));
}

TEST_F(SettingsCommandTest, BusinessSettingsGoToTheProjectAndTheApplicationAndAreSaved)
{
    WhenShown<CBasicSettingDlg>([](CBasicSettingDlg* dlg) {
        Edit(dlg, "1020")->setText(U(u8"有限会社タブリン"));
        Edit(dlg, "10001")->setText(QStringLiteral("35"));
        Edit(dlg, "10002")->setText(QStringLiteral("2"));
        dlg->findChild<QComboBox*>(QStringLiteral("10003"))->setCurrentIndex(0);
        Edit(dlg, "10008")->setText(U(u8"平成"));
        Edit(dlg, "10009")->setText(QStringLiteral("1988"));
        dlg->accept();
    });
    m_frame.OnMainCommand(ID_BUSINESS_SETTING);
    EXPECT_EQ(m_pDoc->m_nCalcYear, 35);
    EXPECT_EQ(m_pDoc->m_objDecimal.nDecimalNum, 2);
    EXPECT_DOUBLE_EQ(m_pDoc->m_objDecimal.dDecimalVal, 0.005);
    EXPECT_EQ(PrintDate(), Utf8("平成３８年１２月１１日"));
    EXPECT_EQ(m_app.m_nCalcYear, 35);
    EXPECT_DOUBLE_EQ(m_app.m_objDecimal.dDecimalVal, 0.005);
    EXPECT_EQ(m_app.m_strOfficeName, "有限会社タブリン");
    ASSERT_TRUE(ProfileWritten());

    // A 平成 the user chose stays when the profile is read again.
    m_app.m_strYearName = "";
    m_app.LoadProfile();
    EXPECT_EQ(m_app.m_strYearName, "平成");
    EXPECT_EQ(m_app.m_nYearDiff, 1988);
    EXPECT_EQ(m_app.m_nCalcYear, 35);
}

} // namespace
