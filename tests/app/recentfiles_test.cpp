// The recently used projects of the File menu: newest first, four at most,
// kept in the profile; an entry whose file is gone leaves the list.
#include <QMenu>
#include <QMenuBar>

#include "platform/profile.h"
#include "projectdoctest.h"

namespace {

std::vector<std::string> Names(const CRecentFileList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetSize(); ++i) names.push_back(QFileInfo(ToQString(list[i])).fileName().toStdString());
    return names;
}

using NameList = std::vector<std::string>;

TEST(RecentFileList, KeepsTheFourNewestFirstAndMovesAReusedFileUp)
{
    CRecentFileList list;
    for (const char* psz : {"/p/a.PRJ", "/p/b.PRJ", "/p/c.PRJ", "/p/d.PRJ", "/p/e.PRJ"}) list.Add(psz);
    EXPECT_EQ(Names(list), (NameList{"e.PRJ", "d.PRJ", "c.PRJ", "b.PRJ"}));
    list.Add("/p/../p/c.PRJ");
    EXPECT_EQ(Names(list), (NameList{"c.PRJ", "e.PRJ", "d.PRJ", "b.PRJ"}));
    list.Remove(1);
    EXPECT_EQ(Names(list), (NameList{"c.PRJ", "d.PRJ", "b.PRJ"}));
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 /p/../p/c.PRJ"));
    list.Add("/p/R&D.PRJ");
    EXPECT_EQ(list.MenuText(0), QStringLiteral("&1 /p/R&&D.PRJ"));
}

TEST(RecentFileList, IsKeptInItsProfileSection)
{
    QTemporaryDir dir;
    const std::string ini = dir.filePath(QStringLiteral("t.ini")).toStdString();
    WritePrivateProfileString("Recent File List", "File4", "/old/x.PRJ", ini.c_str());
    CRecentFileList list;
    list.Add("/p/a.PRJ");
    list.Add("/p/駅前ビル.PRJ");
    list.WriteList(ini.c_str());
    CRecentFileList read;
    read.Add("/p/stale.PRJ");
    read.ReadList(ini.c_str());
    ASSERT_EQ(read.GetSize(), 2);
    EXPECT_EQ(read[0], "/p/駅前ビル.PRJ");
    EXPECT_EQ(read[1], "/p/a.PRJ");
}

class RecentFilesTest : public ProjectDocTest {
protected:
    void SetUp() override
    {
        ProjectDocTest::SetUp();
        m_app.m_strTaxFileName = ShippedFile("標準税率.tax");
        m_app.m_strIniPath = Path("tavrin.ini");
    }
    CString Copy(const char* pszName) const
    {
        QFile::copy(ToQString(m_strPath), ToQString(Path(pszName)));
        return Path(pszName);
    }
    CTavrinProjectDoc* Open(const CString& strPath)
    {
        m_boxes.m_answers.push_back(IDNO);
        return m_app.OpenDocumentFile(strPath);
    }
    // The texts of the File menu's recent-file items on the screen.
    QStringList MenuEntries()
    {
        m_frame.UpdateCommandUI();
        QStringList texts;
        for (QAction* menu : m_frame.menuBar()->actions()) {
            if (!menu->isVisible() || !menu->menu()) continue;
            for (QAction* item : menu->menu()->actions())
                if (item->isVisible() && item->text().startsWith(QLatin1Char('&')) && item->text().at(1).isDigit())
                    texts << item->text();
        }
        return texts;
    }
};

TEST_F(RecentFilesTest, OpenedAndSavedProjectsAreListedNewestFirst)
{
    for (const char* psz : {"a.PRJ", "b.PRJ", "c.PRJ", "d.PRJ", "e.PRJ"}) ASSERT_NE(Open(Copy(psz)), nullptr) << psz;
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"e.PRJ", "d.PRJ", "c.PRJ", "b.PRJ"}));
    EXPECT_EQ(MenuEntries(), (QStringList{QStringLiteral("&1 ") + ToQString(Path("e.PRJ")),
                                          QStringLiteral("&2 ") + ToQString(Path("d.PRJ")),
                                          QStringLiteral("&3 ") + ToQString(Path("c.PRJ")),
                                          QStringLiteral("&4 ") + ToQString(Path("b.PRJ"))}));

    // An open project chosen again moves up; a project saved under a new name comes first.
    CTavrinProjectDoc* c = Open(Path("c.PRJ"));
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"c.PRJ", "e.PRJ", "d.PRJ", "b.PRJ"}));
    m_strDialogPath = Path("f.PRJ");
    ASSERT_TRUE(c->OnFileSaveAs());
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"f.PRJ", "c.PRJ", "e.PRJ", "d.PRJ"}));

    // The list outlives the program in the profile.
    m_app.SaveProfile();
    m_app.m_recentFileList = CRecentFileList();
    m_app.LoadProfile();
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"f.PRJ", "c.PRJ", "e.PRJ", "d.PRJ"}));
}

TEST_F(RecentFilesTest, AnEntryOfARemovedFileLeavesTheList)
{
    for (const char* psz : {"a.PRJ", "b.PRJ", "c.PRJ"}) ASSERT_NE(Open(Copy(psz)), nullptr) << psz;
    while (!CTavrinProjectDoc::Documents().isEmpty()) delete CTavrinProjectDoc::Documents().first();
    Pump();
    ASSERT_TRUE(QFile::remove(ToQString(Path("b.PRJ"))));
    m_boxes.m_shown.clear();
    m_frame.OnMainCommand(ID_FILE_MRU_FILE1 + 1);
    Pump();
    EXPECT_EQ(m_boxes.m_shown.size(), 1u);
    EXPECT_TRUE(CTavrinProjectDoc::Documents().isEmpty());
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"c.PRJ", "a.PRJ"}));
    EXPECT_EQ(MenuEntries().size(), 2);
    EXPECT_FALSE(m_frame.QueryCommand(ID_FILE_MRU_FILE1 + 2).m_bEnabled);

    // An entry that opens is the last project and comes first.
    m_boxes.m_answers.push_back(IDNO);
    m_frame.OnMainCommand(ID_FILE_MRU_FILE1 + 1);
    Pump();
    ASSERT_EQ(CTavrinProjectDoc::Documents().size(), 1);
    EXPECT_EQ(m_app.m_strDataFileName, Path("a.PRJ"));
    EXPECT_EQ(Names(m_app.m_recentFileList), (NameList{"a.PRJ", "c.PRJ"}));
}

} // namespace
