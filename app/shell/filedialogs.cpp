#include "app/shell/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "app/common/numbertext.h"
#include "platform/qtstring.h"

namespace {

// "text|pattern|text|pattern||" as the Qt dialog's filter lines.
QString QtFilter(const CString& strFilter)
{
    const QStringList parts = ToQString(strFilter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList lines;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        lines << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                     QLatin1Char(')');
    return lines.join(QStringLiteral(";;"));
}

BOOL ShowQtFileDialog(const CFileDialogRequest& request, CString& strPath)
{
    const QString filter = QtFilter(request.strFilter);
    // The caller has made the folder of its file the current one: start there,
    // not in the folder the toolkit visited last.
    const QString folder = QDir::currentPath();
    QString path = request.bOpen ? QFileDialog::getOpenFileName(nullptr, QString(), folder, filter)
                                 : QFileDialog::getSaveFileName(
                                       nullptr, QString(), QDir(folder).filePath(ToQString(request.strFileName)), filter);
    if (path.isEmpty()) return FALSE;
    const QString ext = ToQString(request.strDefExt).section(QLatin1Char('|'), 0, 0).remove(QStringLiteral("*."));
    if (QFileInfo(path).suffix().isEmpty() && !ext.isEmpty()) path += QLatin1Char('.') + ext;
    strPath = FromQString(path);
    return TRUE;
}

FileDialogHandler& Handler()
{
    static FileDialogHandler handler = ShowQtFileDialog;
    return handler;
}

} // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler)
{
    FileDialogHandler old = Handler();
    Handler() = handler ? std::move(handler) : FileDialogHandler(ShowQtFileDialog);
    return old;
}

BOOL RunFileDialog(const CFileDialogRequest& request, CString& strPath)
{
    return Handler()(request, strPath);
}

CFileDialogRequest OpenProjectRequest()
{
    return {TRUE, "*.PRJ", "",
            "プロジェクトファイル （*.PRJ）|*.PRJ|テンプレートファイル （*.ETD）|*.ETD|すべてのファイル （*.*）|*.*||"};
}

CFileDialogRequest SaveProjectRequest(const CString& strTitle)
{
    return {FALSE, "PRJ|ETD||", MakeSafeFileName(strTitle),
            "Tavrin プロジェクトファイル （*.PRJ）|*.PRJ|Tavrin テンプレートファイル （*.ETD）|*.ETD||"};
}

CFileDialogRequest LoadTaxRequest()
{
    return {TRUE, "*.TAX", "", "Tavrin 税率ファイル （*.TAX）|*.TAX|すべてのファイル （*.*）|*.*||"};
}

CFileDialogRequest SaveTaxRequest()
{
    return {FALSE, "*.TAX", "", "Tavrin 税率ファイル （*.TAX）|*.TAX||"};
}

CFileDialogRequest SXIndexRequest()
{
    return {TRUE, "*.DAT", "", "Tavrin2000/SX データファイル（*.DAT）|*.DAT|すべてのファイル(*.*)|*.*||"};
}
