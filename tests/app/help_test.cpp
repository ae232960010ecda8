// The help pages shipped beside the program and the help window that shows them.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/data/dataparentframe.h"
#include "app/shell/helptopics.h"
#include "app/shell/helpwindow.h"
#include "app/shell/resultframe.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/windowcommands.h"
#include "platform/qtstring.h"
#include "tests/support/render.h"
#include "tests/support/utf8.h"

namespace {

// The help folder as the build puts it beside the program.
QString HelpFolder()
{
    return QFileInfo(QStringLiteral(TAVRINAPP_PATH)).absolutePath() + QStringLiteral("/help");
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> TablePages()
{
    QSet<QString> pages;
    for (const CHelpTopic& topic : HelpTopics()) pages.insert(QString::fromLatin1(topic.pszPage));
    return pages;
}

// The page of every help path the windows open: data, tax-rate, option and report windows.
QStringList WindowHelpPages()
{
    QStringList pages;
    for (auto commands : {DataWindowCommands(), TaxWindowCommands(), OptionWindowCommands()}) {
        for (const CWindowCommand& c : commands) {
            CDataParentFrame frame(nullptr);
            frame.m_nCommandID = int(c.nID);
            if (const CString path = frame.HelpTopicPath(); !path.IsEmpty()) pages << ToQString(HelpPageOfPath(path));
        }
    }
    for (const CWindowCommand& c : ResultWindowCommands())
        pages << ToQString(HelpPageOfPath(CResultParentFrame(nullptr, c.nID).HelpTopicPath()));
    return pages;
}

TEST(HelpPages, EveryTopicHasAPageWithATitle)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
    for (const CHelpTopic& topic : HelpTopics()) {
        const QString text = ReadText(HelpFolder() + QLatin1Char('/') + QString::fromLatin1(topic.pszPage));
        ASSERT_FALSE(text.isEmpty()) << topic.pszPage;
        EXPECT_FALSE(text.contains(QChar::ReplacementCharacter)) << topic.pszPage;
        EXPECT_TRUE(title.match(text).hasMatch()) << topic.pszPage;
    }
}

TEST(HelpPages, EveryWindowsTopicIsInTheTable)
{
    const QStringList pages = WindowHelpPages();
    EXPECT_GE(pages.size(), 41); // 11 data, 14 tax-rate and 16 report windows
    const QSet<QString> table = TablePages();
    for (const QString& page : pages) EXPECT_TRUE(table.contains(page)) << page.toStdString();
}

// The contents page links every page, and every link it has leads to a page.
TEST(HelpPages, ContentsLinkEveryPage)
{
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    const QString contents = QString::fromLatin1(HelpTopics().front().pszPage);
    QSet<QString> linked;
    for (const QRegularExpressionMatch& m : link.globalMatch(ReadText(HelpFolder() + QLatin1Char('/') + contents)))
        linked.insert(m.captured(1));
    QSet<QString> expected = TablePages();
    expected.remove(contents);
    EXPECT_EQ(linked, expected);
}

TEST(HelpPages, ContextIdsAndPaths)
{
    EXPECT_STREQ(HelpPageOfContext(131315), "dataprint.htm");
    EXPECT_STREQ(HelpPageOfContext(131484), "optionprint.htm");
    EXPECT_STREQ(HelpPageOfContext(0), "index.htm");
    EXPECT_STREQ(HelpPageOfContext(12345), "index.htm");
    EXPECT_EQ(HelpPageOfPath("tavrinapp.chm::/tavrinapp00000078.htm"), CString("tavrinapp00000078.htm"));
    EXPECT_EQ(HelpPageOfPath("index.htm"), CString("index.htm"));
}

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() : m_window(HelpFolder()) {}

    QString Shown() const { return QFileInfo(m_window.Browser()->source().toLocalFile()).fileName(); }
    QStringList IndexFiles() const
    {
        QStringList files;
        for (int i = 0; i < m_window.Index()->count(); ++i)
            files << m_window.Index()->item(i)->data(Qt::UserRole).toString();
        return files;
    }

    CHelpWindow m_window;
};

TEST_F(HelpWindowTest, ShowsThePageOrTheContents)
{
    m_window.ShowPage(QStringLiteral("tavrinapp00000027.htm"));
    EXPECT_EQ(Shown(), QStringLiteral("tavrinapp00000027.htm"));
    EXPECT_TRUE(m_window.Browser()->toPlainText().contains(QString::fromUtf8(U8(u8"建設資金の調達"))));
    EXPECT_EQ(m_window.Index()->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("tavrinapp00000027.htm"));
    m_window.ShowPage(QStringLiteral("tavrinapp00000099.htm"));
    EXPECT_EQ(Shown(), QStringLiteral("index.htm"));
}

TEST_F(HelpWindowTest, IndexListsEveryPageAndSearchNarrowsIt)
{
    EXPECT_EQ(IndexFiles().size(), qsizetype(HelpTopics().size()));
    m_window.SearchField()->setText(QString::fromUtf8(U8(u8"抵当権設定登記料")));
    const QStringList found = IndexFiles();
    EXPECT_TRUE(found.contains(QStringLiteral("tavrinapp00000027.htm")));
    EXPECT_TRUE(found.contains(QStringLiteral("tavrinapp00000044.htm")));
    EXPECT_FALSE(found.contains(QStringLiteral("tavrinapp00000062.htm")));
    // Every word must appear, in any width of space between them.
    m_window.SearchField()->setText(QString::fromUtf8(U8(u8"抵当権設定登記料　不動産取得税")));
    EXPECT_FALSE(IndexFiles().contains(QStringLiteral("tavrinapp00000027.htm")));
    EXPECT_FALSE(IndexFiles().contains(QStringLiteral("tavrinapp00000044.htm")));
    m_window.SearchField()->setText(QStringLiteral("zzzz"));
    EXPECT_TRUE(IndexFiles().isEmpty());
    m_window.SearchField()->clear();
    EXPECT_EQ(IndexFiles().size(), qsizetype(HelpTopics().size()));
}

// The application's help commands open the one help window.
TEST(HelpCommands, HelpButtonsAndContentsOpenTheWindow)
{
    CTavrinApp app;
    app.m_strProgramDir = FromQString(QFileInfo(QStringLiteral(TAVRINAPP_PATH)).absolutePath() + QLatin1Char('/'));
    app.ShowHelpTopic("tavrinapp.chm::/tavrinapp00000078.htm");
    CHelpWindow* window = app.HelpWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->Browser()->source().toLocalFile().endsWith(QLatin1String("tavrinapp00000078.htm")));
    app.ShowHelpContext(131315);
    EXPECT_EQ(app.HelpWindow(), window);
    EXPECT_TRUE(window->Browser()->source().toLocalFile().endsWith(QLatin1String("dataprint.htm")));
    delete window;
}

// The help button of a modal dialog opens a window the dialog does not block.
TEST(HelpCommands, HelpOfAModalDialogBelongsToIt)
{
    CTavrinApp app;
    app.m_strProgramDir = FromQString(QFileInfo(QStringLiteral(TAVRINAPP_PATH)).absolutePath() + QLatin1Char('/'));
    QDialog dialog;
    QWidget* pOwner = nullptr;
    QTimer::singleShot(0, &dialog, [&] {
        app.ShowHelpTopic("tavrinapp.chm::/tavrinapp00000052.htm");
        pOwner = app.HelpWindow()->parentWidget();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(pOwner, &dialog);
}

// The help window as the user sees it (build/artifacts), searched for a word.
TEST_F(HelpWindowTest, PictureHelpWindow)
{
    m_window.resize(900, 620);
    m_window.show();
    m_window.SearchField()->setText(QString::fromUtf8(U8(u8"借入金")));
    m_window.ShowPage(QStringLiteral("tavrinapp00000027.htm"));
    QApplication::processEvents();
    SaveArtifact(m_window.grab().toImage(), "help_window");
}

} // namespace
