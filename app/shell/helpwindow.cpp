#include "app/shell/helpwindow.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/shell/helptopics.h"
#include "platform/qtstring.h"

namespace {

QString ReadPage(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

CHelpWindow::CHelpWindow(const QString& strFolder, QWidget* pParent)
    : QWidget(pParent, Qt::Window), m_strFolder(strFolder)
{
    setWindowTitle(ToQString("タブリン ヘルプ"));
    m_pSearch = new QLineEdit(this);
    m_pSearch->setPlaceholderText(ToQString("キーワードを入力"));
    m_pSearch->setClearButtonEnabled(true);
    m_pIndex = new QListWidget(this);
    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->document()->setDefaultStyleSheet(QStringLiteral("dt { font-weight: bold; margin-top: 6px; }"));
    m_pBrowser->setSearchPaths({strFolder});
    m_pBrowser->setOpenLinks(true);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(ToQString("検索："), side));
    sideLayout->addWidget(m_pSearch);
    sideLayout->addWidget(new QLabel(ToQString("目次："), side));
    sideLayout->addWidget(m_pIndex);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 560});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(820, 600);

    LoadPages();
    ShowPage(QString::fromLatin1(HelpTopics().front().pszPage));
    connect(m_pSearch, &QLineEdit::textChanged, this, &CHelpWindow::Search);
    connect(m_pIndex, &QListWidget::itemActivated, this, &CHelpWindow::OnIndexItem);
    connect(m_pIndex, &QListWidget::itemClicked, this, &CHelpWindow::OnIndexItem);
}

CHelpWindow* CHelpWindow::Open(const QString& strFolder, QWidget* pParent)
{
    static QPointer<CHelpWindow> window;
    // A modal dialog blocks every window but its own: the help of a dialog belongs to it.
    QWidget* pOwner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : pParent;
    if (!window)
        window = new CHelpWindow(strFolder, pOwner);
    else if (window->parentWidget() != pOwner)
        window->setParent(pOwner, Qt::Window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CHelpWindow::LoadPages()
{
    for (const CHelpTopic& topic : HelpTopics()) {
        const QString file = QString::fromLatin1(topic.pszPage);
        const QString html = ReadPage(m_strFolder + QLatin1Char('/') + file);
        if (html.isEmpty()) continue;
        QTextDocument doc;
        doc.setHtml(html);
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
        m_pages.append({file, title.isEmpty() ? file : title, doc.toPlainText()});
    }
    Search(QString());
}

void CHelpWindow::Search(const QString& strText)
{
    const QStringList words = strText.split(QRegularExpression(QStringLiteral("[\\s\u3000]+")), Qt::SkipEmptyParts);
    m_pIndex->clear();
    for (const Page& page : m_pages) {
        const bool bFound = std::all_of(words.begin(), words.end(), [&page](const QString& word) {
            return page.strText.contains(word, Qt::CaseInsensitive) || page.strTitle.contains(word, Qt::CaseInsensitive);
        });
        if (!bFound) continue;
        auto* item = new QListWidgetItem(page.strTitle, m_pIndex);
        item->setData(Qt::UserRole, page.strFile);
    }
}

void CHelpWindow::ShowPage(const QString& strPage)
{
    const QString contents = QString::fromLatin1(HelpTopics().front().pszPage);
    const bool bExists = QFileInfo::exists(m_strFolder + QLatin1Char('/') + strPage);
    m_pBrowser->setSource(QUrl::fromLocalFile(m_strFolder + QLatin1Char('/') + (bExists ? strPage : contents)));
    for (int i = 0; i < m_pIndex->count(); ++i)
        if (m_pIndex->item(i)->data(Qt::UserRole).toString() == strPage) m_pIndex->setCurrentRow(i);
}

void CHelpWindow::StartSearch()
{
    m_pSearch->setFocus();
    m_pSearch->selectAll();
}

void CHelpWindow::OnIndexItem(QListWidgetItem* pItem)
{
    if (pItem) m_pBrowser->setSource(QUrl::fromLocalFile(m_strFolder + QLatin1Char('/') + pItem->data(Qt::UserRole).toString()));
}
