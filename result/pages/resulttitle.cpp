#include "result/pages/resulttitle.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>

#include "platform/codepage.h"
#include "platform/resource.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultprint.h"

namespace {

// A logo larger than this, in bytes or in pixels along a side, is not drawn.
const qint64 kMaxLogoBytes = 32 * 1024 * 1024;
const int kMaxLogoSide = 8192;
// Bitmap file header and information header.
const qint64 kBitmapHeaders = 14 + 40;

qint64 ReadLE(const QByteArray& bytes, int nOffset, int nBytes)
{
    quint32 n = 0;
    for (int i = nBytes - 1; i >= 0; --i) n = (n << 8) | quint8(bytes[nOffset + i]);
    return nBytes == 4 ? qint64(qint32(n)) : qint64(n);
}

// The headers of a bitmap file agree with the file: a picture of a sensible
// size whose pixels lie wholly inside it.
bool IsWholeBitmap(const QByteArray& bytes)
{
    if (bytes.size() < kBitmapHeaders || !bytes.startsWith("BM")) return false;
    const qint64 nOffset = ReadLE(bytes, 10, 4), nInfoSize = ReadLE(bytes, 14, 4);
    const qint64 w = ReadLE(bytes, 18, 4), h = std::abs(ReadLE(bytes, 22, 4));
    const qint64 nBits = ReadLE(bytes, 28, 2), nCompression = ReadLE(bytes, 30, 4);
    const qint64 nImageSize = ReadLE(bytes, 34, 4);
    if (nInfoSize < 40 || nOffset < 14 + nInfoSize || nOffset >= bytes.size()) return false;
    if (w <= 0 || h <= 0 || w > kMaxLogoSide || h > kMaxLogoSide) return false;
    // Uncompressed rows are padded to four bytes; compressed pixels take the size the header gives.
    const bool bPlain = nCompression == 0 || nCompression == 3;
    const qint64 nPixels = bPlain ? (w * nBits + 31) / 32 * 4 * h : nImageSize;
    return nBits > 0 && nBits <= 32 && nPixels > 0 && nOffset + nPixels <= bytes.size();
}

// The picture of a bitmap file; a null image when the file is missing,
// unreadable, not a bitmap, cut short, empty or too large.
QImage LoadLogo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const qint64 nSize = file.size();
    if (nSize < kBitmapHeaders || nSize > kMaxLogoBytes) return QImage();
    QByteArray bytes = file.readAll();
    if (bytes.size() != nSize || !IsWholeBitmap(bytes)) return QImage();
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "BMP");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || size.width() > kMaxLogoSide || size.height() > kMaxLogoSide)
        return QImage();
    const QImage image = reader.read();
    return image.size() == size ? image : QImage();
}

// Where a picture of w x h pixels goes in a square box of side nBox, keeping its proportions.
CSize FitLogo(int w, int h, int nBox)
{
    if (w <= h) return CSize(int((long long)nBox * w / h), nBox);
    return CSize(nBox, int((long long)nBox * h / w));
}

// Half the width of a text in the font selected now.
int HalfWidth(CDC* pDC, int nBytes)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    return nBytes * tm.tmAveCharWidth / 2;
}

// One line of the cover, single-line, starting at x on the page, y below S.
void DrawCoverLine(CDC* pDC, CPoint start, int x, int y, const CString& str, int cxRight, int height)
{
    pDC->SetWindowOrg(start.x - x, y);
    const CRect rc(0, 0, cxRight, -height);
    DrawResultCellText(pDC, str, &rc, DT_SINGLELINE);
}

} // namespace

CResultTitleClass::CResultTitleClass(CString strOfficeName, CString strDate, CString strProjectName,
                                     CString* pSubTitles, CString strLogoFile, BOOL bLogo)
    : m_strOfficeName(strOfficeName), m_strDate(strDate), m_strProjectName(strProjectName),
      m_strLogoFile(strLogoFile), m_bLogo(bLogo)
{
    if (pSubTitles)
        for (int i = 0; i < kSubTitles; ++i) m_astrSubTitle[i] = pSubTitles[i];
}

void CResultTitleClass::InitData()
{
    CResultGraphClass::InitData();
    m_strOfficeName.Empty();
    m_strDate.Empty();
    m_strProjectName.Empty();
}

void CResultTitleClass::ReportDraw(CDC* pDC)
{
    if (!pDC) return;
    CModuleStateScope module("TavResultClass.DLL");
    const CPoint S = pDC->GetWindowOrg();
    CResultPrintScope scope(pDC, FALSE);
    if (!scope.IsReady()) return;
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int L = tm.tmHeight + tm.tmHeight / 2;
    const int cx = m_sizePage.cx, cy = m_sizePage.cy;
    // A text centred across the sheet, y below S (or, for the office name, from the sheet's top).
    auto centred = [&](const CString& str, int y, int height) {
        const int h = HalfWidth(pDC, str.GetLength());
        DrawCoverLine(pDC, S, cx / 2 - h, y, str, cx / 2 + h, height);
    };

    centred(m_astrSubTitle[4], S.y + 5 * L, 3 * L);
    pDC->SelectObject(&scope.m_titleFont);
    centred(m_strProjectName, S.y + 8 * L, 10 * L);
    pDC->SelectObject(&scope.m_font);
    int nLongest = 0;
    for (int i = 0; i < 4; ++i) nLongest = std::max(nLongest, m_astrSubTitle[i].GetLength());
    const int h = HalfWidth(pDC, nLongest);
    for (int i = 0; i < 4; ++i) DrawCoverLine(pDC, S, cx / 2 - h, S.y + (10 + i) * L, m_astrSubTitle[i], cx / 2 + h, 3 * L);
    centred(m_strDate, S.y + 17 * L, 3 * L);
    if (m_bLogo) {
        pDC->SetWindowOrg(S);
        DrawLogo(pDC);
    }
    pDC->SelectObject(&scope.m_titleFont);
    centred(m_strOfficeName, cy - 5 * L, 10 * L);
}

void CResultTitleClass::DrawLogo(CDC* pDC)
{
    if (!pDC || m_strLogoFile.IsEmpty()) return;
    const QString path = QFile::decodeName(QByteArray(static_cast<const char*>(GetModulePath()))) + "/" +
                         QString::fromStdString(CP932ToUtf8(m_strLogoFile));
    const QImage image = LoadLogo(path);
    if (image.isNull()) return;
    const int cx = m_sizePage.cx, cy = m_sizePage.cy;
    const CSize size = FitLogo(image.width(), image.height(), cx / 6);
    if (size.cx <= 0 || size.cy <= 0) return;
    const CPoint origin = pDC->GetWindowOrg();
    pDC->SetWindowOrg(origin.x - (cx - size.cx) / 2, 5 * cy / 6 - size.cy);
    const CRect rc(0, 0, size.cx, -size.cy);
    pDC->StretchImage(&rc, image);
}
