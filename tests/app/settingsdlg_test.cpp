#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/aboutdlg.h"
#include "app/shell/settingsdlg.h"
#include "app/shell/tavrinapp.h"
#include "platform/qtstring.h"
#include "shelltest.h"
#include "waitfor.h"
#include "tests/support/render.h"

namespace {

QLineEdit* Edit(QDialog& dlg, const char* pszID)
{
    return dlg.findChild<QLineEdit*>(QString::fromLatin1(pszID));
}

QString U(const char8_t* psz)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(psz));
}

// Types into an edit and leaves it, as the user does.
void TypeAndLeave(QDialog& dlg, const char* pszID, const QString& text)
{
    QLineEdit* edit = Edit(dlg, pszID);
    edit->setText(text);
    emit edit->editingFinished();
}

class BasicSettingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_app.m_strOfficeName = "株式会社";
        m_dlg.m_nCalcYearIO = 50;
        m_dlg.m_objDecimal = {1, 0.05, 2, 1};
        m_dlg.m_nYearFlag = 1;
        m_dlg.m_strYearName = "平成";
        m_dlg.m_nYearDiff = 1988;
        m_dlg.OnInitDialog();
    }

    CTavrinApp m_app;
    CBasicSettingDlg m_dlg;
    ScriptedMessageBoxes m_boxes;
};

// The picture of a dialog: every visible control inside it, more than a blank face.
void ExpectShownWhole(QDialog& dlg, const QImage& picture)
{
    EXPECT_EQ(picture.size(), dlg.size() * dlg.devicePixelRatio());
    for (QWidget* w : dlg.findChildren<QWidget*>())
        if (w->isVisible()) {
            EXPECT_TRUE(dlg.rect().contains(QRect(w->mapTo(&dlg, QPoint()), w->size()))) << w->objectName().toStdString();
        }
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2) colours.insert(picture.pixel(x, y));
    EXPECT_GT(colours.size(), 8);
}

TEST_F(BasicSettingTest, ShowsTheCallersValues)
{
    EXPECT_EQ(Edit(m_dlg, "1020")->text(), U(u8"株式会社"));
    EXPECT_EQ(Edit(m_dlg, "10001")->text(), QStringLiteral("50"));
    EXPECT_EQ(Edit(m_dlg, "10002")->text(), QStringLiteral("1"));
    EXPECT_EQ(m_dlg.findChild<QComboBox*>(QStringLiteral("10003"))->currentText(), U(u8"切り上げ"));
    EXPECT_EQ(m_dlg.findChild<QComboBox*>(QStringLiteral("10004"))->currentText(), U(u8"表示しない"));
    EXPECT_TRUE(m_dlg.findChild<QRadioButton*>(QStringLiteral("10007"))->isChecked());
    EXPECT_EQ(Edit(m_dlg, "10009")->text(), QStringLiteral("1,988"));
}

TEST_F(BasicSettingTest, OkStoresEveryValueAndTheOfficeName)
{
    Edit(m_dlg, "1020")->setText(U(u8"有限会社タブリン"));
    TypeAndLeave(m_dlg, "10001", QStringLiteral("30"));
    TypeAndLeave(m_dlg, "10002", QStringLiteral("2"));
    m_dlg.findChild<QComboBox*>(QStringLiteral("10003"))->setCurrentIndex(1);
    m_dlg.findChild<QComboBox*>(QStringLiteral("10004"))->setCurrentIndex(0);
    m_dlg.findChild<QRadioButton*>(QStringLiteral("10006"))->setChecked(true);
    Edit(m_dlg, "10008")->setText(U(u8"令和"));
    TypeAndLeave(m_dlg, "10009", QStringLiteral("2018"));
    m_dlg.accept();
    EXPECT_EQ(m_dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_dlg.m_nCalcYearIO, 30);
    EXPECT_EQ(m_dlg.m_objDecimal.nDecimalNum, 2);
    EXPECT_EQ(m_dlg.m_objDecimal.nDecimalFlag, 1);
    EXPECT_EQ(m_dlg.m_objDecimal.nDecimalZero, 0);
    EXPECT_DOUBLE_EQ(m_dlg.m_objDecimal.dDecimalVal, 0.05); // the caller derives it
    EXPECT_EQ(m_dlg.m_nYearFlag, 0);
    EXPECT_EQ(m_dlg.m_strYearName, "令和");
    EXPECT_EQ(m_dlg.m_nYearDiff, 2018);
    EXPECT_EQ(m_app.m_strOfficeName, "有限会社タブリン");
    EXPECT_TRUE(m_boxes.m_shown.empty());
}

TEST_F(BasicSettingTest, CancelLeavesTheCallerAndTheApplicationAlone)
{
    Edit(m_dlg, "1020")->setText(QStringLiteral("X"));
    TypeAndLeave(m_dlg, "10001", QStringLiteral("10"));
    m_dlg.reject();
    EXPECT_EQ(m_dlg.result(), QDialog::Rejected);
    EXPECT_EQ(m_dlg.m_nCalcYearIO, 50);
    EXPECT_EQ(m_app.m_strOfficeName, "株式会社");
}

// A refused value shows the range prompt, keeps the dialog open and puts the typed texts back.
TEST_F(BasicSettingTest, RefusesValuesOutsideTheirRanges)
{
    const struct {
        const char* pszYears;
        const char* pszDecimals;
        const char8_t* pszPrompt;
    } cases[] = {
        {"51", "2", u8"Tavrin V8:1 から 50 までの整数を入力してください。"},
        {"0", "2", u8"Tavrin V8:1 から 50 までの整数を入力してください。"},
        {"20", "4", u8"Tavrin V8:0 から 3 までの整数を入力してください。"},
        {"2x", "1", u8"Tavrin V8:整数を入力してください。"},
    };
    SetMessageBoxCaption("Tavrin V8");
    for (const auto& c : cases) {
        m_boxes.m_shown.clear();
        m_dlg.setResult(QDialog::Rejected);
        Edit(m_dlg, "10001")->setText(QString::fromUtf8(c.pszYears));
        Edit(m_dlg, "10002")->setText(QString::fromUtf8(c.pszDecimals));
        m_dlg.accept();
        EXPECT_EQ(m_dlg.result(), QDialog::Rejected) << c.pszYears;
        EXPECT_EQ(m_boxes.m_shown, std::vector<std::string>{reinterpret_cast<const char*>(c.pszPrompt)}) << c.pszYears;
        EXPECT_EQ(Edit(m_dlg, "10001")->text(), QString::fromUtf8(c.pszYears));
        EXPECT_EQ(Edit(m_dlg, "10002")->text(), QString::fromUtf8(c.pszDecimals));
        EXPECT_EQ(m_dlg.m_nCalcYearIO, 50);
    }
    SetMessageBoxCaption("");
}

TEST_F(BasicSettingTest, LeavingAnEmptyEditPutsItsDefault)
{
    TypeAndLeave(m_dlg, "10001", QString());
    TypeAndLeave(m_dlg, "10002", QString());
    TypeAndLeave(m_dlg, "10009", QString());
    EXPECT_EQ(Edit(m_dlg, "10001")->text(), QStringLiteral("1"));
    EXPECT_EQ(Edit(m_dlg, "10002")->text(), QStringLiteral("0"));
    EXPECT_EQ(Edit(m_dlg, "10009")->text(), QStringLiteral("0"));
}

TEST_F(BasicSettingTest, OfficeNameTakesAtMost50Bytes)
{
    QLineEdit* name = Edit(m_dlg, "1020");
    name->clear();
    for (QChar ch : U(u8"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(name, &press);
    }
    EXPECT_EQ(FromQString(name->text()).GetLength(), 50);
}

TEST(EraDisplayDlg, ShowsTheOffsetWithSeparatorsAndStoresTheNumber)
{
    ScriptedMessageBoxes boxes;
    CEraDisplayDlg dlg;
    dlg.m_nYearFlag = 0;
    dlg.m_strYearName = "平成";
    dlg.m_nYearDiff = 1988;
    dlg.OnInitDialog();
    EXPECT_TRUE(dlg.findChild<QRadioButton*>(QStringLiteral("10001"))->isChecked());
    EXPECT_EQ(Edit(dlg, "10004")->text(), QStringLiteral("1,988"));
    TypeAndLeave(dlg, "10004", QStringLiteral("2018"));
    EXPECT_EQ(Edit(dlg, "10004")->text(), QStringLiteral("2,018"));
    dlg.findChild<QRadioButton*>(QStringLiteral("10002"))->setChecked(true);
    Edit(dlg, "10003")->setText(U(u8"令和"));
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nYearDiff, 2018);
    EXPECT_EQ(dlg.m_nYearFlag, 1);
    EXPECT_EQ(dlg.m_strYearName, "令和");

    CEraDisplayDlg refused;
    refused.OnInitDialog();
    Edit(refused, "10004")->setText(QStringLiteral("abc"));
    refused.accept();
    EXPECT_EQ(refused.result(), QDialog::Rejected);
    EXPECT_EQ(boxes.m_shown.size(), 1u);
}

TEST(AboutDlg, ShowsTheRelease)
{
    CAboutDlg dlg("08.01.07");
    EXPECT_EQ(dlg.findChild<QWidget*>(QStringLiteral("1462"))->property("text").toString(),
              QStringLiteral("Release: 01.07"));
}

TEST_F(BasicSettingTest, Screenshots)
{
    Edit(m_dlg, "1020")->setText(U(u8"株式会社タブリン不動産"));
    m_dlg.show();
    CEraDisplayDlg era;
    era.m_nYearFlag = 1;
    era.m_strYearName = "令和";
    era.m_nYearDiff = 2018;
    era.OnInitDialog();
    era.show();
    ASSERT_TRUE(WaitFor([&] { return m_dlg.isVisible() && era.isVisible(); }));
    const QImage settings = m_dlg.grab().toImage(), eraPicture = era.grab().toImage();
    SaveArtifact(settings, "shell_basicsetting");
    SaveArtifact(eraPicture, "shell_eradisplay");
    ExpectShownWhole(m_dlg, settings);
    ExpectShownWhole(era, eraPicture);
    EXPECT_EQ(Edit(m_dlg, "1020")->text(), U(u8"株式会社タブリン不動産"));
    EXPECT_EQ(Edit(era, "10003")->text(), U(u8"令和"));
    EXPECT_EQ(Edit(era, "10004")->text(), QStringLiteral("2,018"));
}

} // namespace
