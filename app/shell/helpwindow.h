// The help window: the pages of the help folder in a browser, their index
// and a search over their text.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;

class CHelpWindow : public QWidget {
public:
    // strFolder holds the pages of HelpTopics().
    explicit CHelpWindow(const QString& strFolder, QWidget* pParent = nullptr);

    // The program's one help window, made on first use, shown and raised; a
    // window of the modal dialog that is open, else of pParent.
    static CHelpWindow* Open(const QString& strFolder, QWidget* pParent);

    // Shows the page (a file name in the folder); the contents page for one that is missing.
    void ShowPage(const QString& strPage);
    // Puts the focus on the search field.
    void StartSearch();
    // The index lines (page titles) that contain every word of strText.
    void Search(const QString& strText);

    QTextBrowser* Browser() const { return m_pBrowser; }
    QListWidget* Index() const { return m_pIndex; }
    QLineEdit* SearchField() const { return m_pSearch; }

private:
    struct Page {
        QString strFile;
        QString strTitle;
        QString strText; // plain text, for the search
    };
    void LoadPages();
    void OnIndexItem(QListWidgetItem* pItem);

    QString m_strFolder;
    QList<Page> m_pages;
    QTextBrowser* m_pBrowser;
    QListWidget* m_pIndex;
    QLineEdit* m_pSearch;
};
