#include "app/shell/japaneseui.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include "platform/qtstring.h"

namespace {

// The faces the program names and the fonts that serve them.
const struct {
    const char16_t* face;
    const char* family;
} kFaces[] = {
    {u"ＭＳ 明朝", "IPAMincho"},
    {u"ＭＳ Ｐ明朝", "IPAPMincho"},
    {u"ＭＳ ゴシック", "IPAGothic"},
    {u"ＭＳ Ｐゴシック", "IPAPGothic"},
};

// Windows and dialogs are set in this face and size.
const char16_t kUiFace[] = u"ＭＳ Ｐゴシック";
constexpr int kUiPointSize = 9;

QMessageBox::Icon BoxIcon(UINT nType)
{
    switch (nType & 0xF0) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

void InitJapaneseUi(QApplication& app)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    for (const auto& face : kFaces)
        QFont::insertSubstitution(QString::fromUtf16(face.face), QString::fromLatin1(face.family));
    QFont font(QString::fromUtf16(kUiFace), kUiPointSize);
    QApplication::setFont(font);
}

int ShowMessageBox(const CString& strText, const CString& strCaption, UINT nType)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (nType & 0xF) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MB_YESNOCANCEL: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    default: break;
    }
    QMessageBox box(BoxIcon(nType), ToQString(strCaption), ToQString(strText), buttons,
                    QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}
