// The file dialogs start in the folder of their file (the last project, the
// tax-rate table), not in the folder the toolkit's dialog visited last.
#include <QFileDialog>

#include "projectdoctest.h"

namespace {

// Runs act on the toolkit's file dialog once it is on the screen; a dialog
// still not found at the ceiling is left to the test's own failure.
void WhenFileDialogShown(std::function<void(QFileDialog*)> act, QDeadlineTimer ceiling = QDeadlineTimer(kWaitCeilingMs))
{
    QTimer::singleShot(10, [act, ceiling] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dlg = qobject_cast<QFileDialog*>(widget); dlg && dlg->isVisible()) {
                act(dlg);
                return;
            }
        }
        if (!ceiling.hasExpired()) WhenFileDialogShown(act, ceiling);
    });
}

class FileDialogFolderTest : public ProjectDocTest {
protected:
    void SetUp() override
    {
        ProjectDocTest::SetUp();
        SetFileDialogHandler(nullptr); // the toolkit's own dialog
        QDir(m_dir.path()).mkdir(QStringLiteral("last"));
        QDir(m_dir.path()).mkdir(QStringLiteral("taxes"));
        QDir(m_dir.path()).mkdir(QStringLiteral("elsewhere"));
        m_app.m_strProgramDir = FromQString(m_dir.path() + QLatin1Char('/'));
        m_app.m_strDataFileName = FromQString(m_dir.filePath(QStringLiteral("last/p.PRJ")));
        m_app.m_strTaxFileName = FromQString(m_dir.filePath(QStringLiteral("taxes/t.tax")));
        VisitElsewhere();
    }
    void TearDown() override
    {
        QDir::setCurrent(m_savedFolder);
        ProjectDocTest::TearDown();
    }
    // A file chosen in another folder: the toolkit remembers that folder.
    void VisitElsewhere()
    {
        const QString file = m_dir.filePath(QStringLiteral("elsewhere/x.PRJ"));
        QFile(file).open(QIODevice::WriteOnly);
        WhenFileDialogShown([file](QFileDialog* dlg) {
            dlg->selectFile(file);
            QMetaObject::invokeMethod(dlg, "accept");
        });
        CString strPath;
        QDir::setCurrent(m_dir.filePath(QStringLiteral("elsewhere")));
        ASSERT_TRUE(RunFileDialog(OpenProjectRequest(), strPath));
        QDir::setCurrent(m_savedFolder);
    }
    // The folder the next file dialog shows when it opens; the dialog is cancelled.
    void RecordNextFolder()
    {
        WhenFileDialogShown([this](QFileDialog* dlg) {
            m_shown = dlg->directory().absolutePath();
            dlg->reject();
        });
    }
    QString Folder(const char* pszName) const { return QDir(m_dir.filePath(QString::fromLatin1(pszName))).absolutePath(); }

    QString m_savedFolder = QDir::currentPath();
    QString m_shown;
};

TEST_F(FileDialogFolderTest, OpenStartsInTheLastProjectsFolder)
{
    RecordNextFolder();
    m_app.OnFileOpen();
    EXPECT_EQ(m_shown, Folder("last"));
}

TEST_F(FileDialogFolderTest, SaveAsStartsInTheLastProjectsFolderAndTaxFilesInTheTablesFolder)
{
    ExampleDoc* doc = OpenExample(m_strPath);
    ASSERT_NE(doc, nullptr);
    RecordNextFolder();
    EXPECT_FALSE(doc->OnFileSaveAs());
    EXPECT_EQ(m_shown, Folder("last"));
    RecordNextFolder();
    doc->OnTaxFileLoad();
    EXPECT_EQ(m_shown, Folder("taxes"));
}

TEST_F(FileDialogFolderTest, AMissingFolderGivesTheDataFolder)
{
    QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
    m_app.m_strDataFileName = FromQString(m_dir.filePath(QStringLiteral("gone/p.PRJ")));
    RecordNextFolder();
    m_app.OnFileOpen();
    EXPECT_EQ(m_shown, Folder("Data"));
}

} // namespace
