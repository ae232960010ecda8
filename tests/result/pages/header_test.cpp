// Page header and cover page of printed result reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "result/pages/resultdraw.h"
#include "result/pages/resultheader.h"
#include "result/pages/resulttitle.h"
#include "tests/result/pages/resultpagetest.h"
#include "tests/result/pages/yeartabletest.h"
#include "tests/support/utf8.h"

namespace {

const CPoint kStart(-100, 150);
const COLORREF kDarkBlue = RGB(0, 0, 150);

std::string Utf8(const CString& str)
{
    return CP932ToUtf8(str);
}

// The record of the first text drawn as text.
const CDrawRecord* FindText(const CRecordDC& dc, const std::string& text)
{
    for (const CDrawRecord& r : dc.Records())
        if (r.kind == CDrawRecord::Text && r.text == text) return &r;
    return nullptr;
}

// Where a text starts on the page that starts at kStart.
CPoint TextStart(const CRecordDC& dc, const std::string& text)
{
    const CDrawRecord* r = FindText(dc, text);
    if (!r) return CPoint(-1, -1);
    const CRect rc = OnPage(*r, r->rc, kStart);
    return CPoint(rc.left, rc.top);
}

} // namespace

// ---- Header

namespace {

CResultHeaderClass MakeHeader()
{
    CResultHeaderClass header("Office", "2026/12/10", "Project");
    header.SetTitle("Title");
    header.m_sizePage = CSize(3330, 4700);
    return header;
}

std::vector<CRect> LinesOnPage(const CRecordDC& dc)
{
    std::vector<CRect> lines;
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) lines.push_back(OnPage(r, r.rc, kStart));
    return lines;
}

} // namespace

TEST(ResultHeader, FourCellsOfTheRowAndTheirTexts)
{
    SetTestPrintSettings();
    CResultHeaderClass header = MakeHeader();
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    header.ReportDraw(&dc);

    // cx 3330, A 20: the date cell 480 wide, the others 950; the row L = 60 high.
    const std::vector<CRect> lines = LinesOnPage(dc);
    ASSERT_EQ(lines.size(), 13u);
    const int anLeft[] = {0, 950, 1900, 2850}, anRight[] = {950, 1900, 2850, 3330};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(lines[3 * i], CRect(anLeft[i], 0, anRight[i], 0)) << i;
        EXPECT_EQ(lines[3 * i + 1], CRect(anLeft[i], 0, anLeft[i], -60)) << i;
        EXPECT_EQ(lines[3 * i + 2], CRect(anLeft[i], -60, anRight[i], -60)) << i;
    }
    EXPECT_EQ(lines[12], CRect(3330, 0, 3330, -60));
    for (const CDrawRecord& r : dc.RecordsOf(CDrawRecord::Line)) {
        EXPECT_EQ(r.pen.lopnWidth.x, 2);
        EXPECT_EQ(r.pen.lopnColor, kDarkBlue);
    }

    // Texts in (10, 0, 950, -60) of their cells; the date right-aligned in (0, 0, 470, -60).
    const struct {
        const char* pszText;
        int nLeft, nRight;
    } cells[] = {{"Project", 10, 950}, {"Title", -1, 1900}, {"Office", 1910, 2850}, {"2026/12/10", -1, 3320}};
    for (const auto& cell : cells) {
        const CDrawRecord* r = FindText(dc, cell.pszText);
        ASSERT_TRUE(r && r->clip) << cell.pszText;
        const CRect clip = OnPage(*r, *r->clip, kStart);
        // Centring and right alignment move the line box's left edge.
        if (cell.nLeft >= 0) { EXPECT_EQ(clip.left, cell.nLeft) << cell.pszText; }
        EXPECT_EQ(clip.right, cell.nRight) << cell.pszText;
        EXPECT_LE(clip.top, 0) << cell.pszText;
        EXPECT_GE(clip.bottom, -60) << cell.pszText;
        EXPECT_EQ(r->pen.lopnWidth.x, 0) << cell.pszText;
    }
    EXPECT_EQ(TextStart(dc, "Project").x, 10);
    // "Title": 5 x 20 wide, centred in 940: left 10 + (940 - 100) / 2 = 430 from the cell.
    EXPECT_EQ(TextStart(dc, "Title").x, 950 + 430);
    EXPECT_LT(TextStart(dc, "2026/12/10").x + 10 * 20, 3330 - 10 + 1);
    EXPECT_GT(TextStart(dc, "2026/12/10").x + 10 * 20, 3330 - 10 - 20);
}

TEST(ResultHeader, ALongTextIsClippedAtItsCell)
{
    SetTestPrintSettings();
    CResultHeaderClass header = MakeHeader();
    header.SetProjectName(CString('X', 80));
    CLometricRecordDC dc;
    dc.SetWindowOrg(kStart);
    header.ReportDraw(&dc);
    const CDrawRecord* r = FindText(dc, std::string(80, 'X'));
    ASSERT_TRUE(r && r->clip);
    EXPECT_EQ(OnPage(*r, *r->clip, kStart).right, 950);
}

TEST(ResultHeader, CopiesAndInitData)
{
    CResultHeaderClass header = MakeHeader();
    const CResultHeaderClass copy(header);
    CResultHeaderClass assigned;
    assigned = header;
    for (const CResultHeaderClass* p : std::vector<const CResultHeaderClass*>{&copy, &assigned}) {
        EXPECT_EQ(Utf8(p->GetOfficeName()), "Office");
        EXPECT_EQ(Utf8(p->GetTitle()), "Title");
        EXPECT_EQ(Utf8(p->GetDate()), "2026/12/10");
        EXPECT_EQ(Utf8(p->GetProjectName()), "Project");
        EXPECT_EQ(p->m_sizePage, CSize(3330, 4700));
    }
    header.InitData();
    EXPECT_TRUE(header.GetOfficeName().IsEmpty() && header.GetTitle().IsEmpty() && header.GetDate().IsEmpty() &&
                header.GetProjectName().IsEmpty());
    EXPECT_EQ(header.m_sizePage, CSize(0, 0));
}

// ---- Cover

namespace {

const int L = 60; // body font 40 high: 40 + 20
const int cx = 2670, cy = 1800;

CResultTitleClass MakeCover(CString strLogoFile = CString(), BOOL bLogo = FALSE)
{
    CString astrSub[5] = {"Sub-1", "Subtitle-2", "S3", "Sub4", "ABCD"};
    CResultTitleClass cover("OFFICE", "2026/12/10", "PROJECT", astrSub, strLogoFile, bLogo);
    cover.m_sizePage = CSize(cx, cy);
    return cover;
}

void DrawCover(CResultTitleClass& cover, CLometricRecordDC& dc)
{
    dc.SetWindowOrg(kStart);
    cover.ReportDraw(&dc);
}

// The texts drawn, without the blank that stands for an empty one.
std::vector<std::string> VisibleTexts(const CRecordDC& dc)
{
    std::vector<std::string> texts = dc.Texts();
    std::erase(texts, U8(u8"　"));
    return texts;
}

// A logo file beside the result library, removed with the object.
class LogoFile {
public:
    explicit LogoFile(const char* pszTag)
        : m_strName(CString("tav_logo_") + CString(std::to_string(::getpid()).c_str()) + pszTag + ".bmp"),
          m_path(QFile::decodeName(QByteArray(static_cast<const char*>(GetModulePath()))) + "/" +
                 QString::fromLatin1(static_cast<const char*>(m_strName)))
    {
    }
    ~LogoFile() { QFile::remove(m_path); }
    LogoFile(const LogoFile&) = delete;
    LogoFile& operator=(const LogoFile&) = delete;

    void Write(const QByteArray& bytes)
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    const CString& Name() const { return m_strName; }

private:
    CString m_strName;
    QString m_path;
};

// A bitmap file of w x h pixels: a red frame around blue.
QByteArray Bitmap(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 0, 0));
    for (int y = h / 8; y < h - h / 8; ++y)
        for (int x = w / 8; x < w - w / 8; ++x) image.setPixel(x, y, qRgb(0, 0, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void PutInt32(QByteArray& bytes, int nOffset, qint32 n)
{
    for (int i = 0; i < 4; ++i) bytes[nOffset + i] = char((n >> (8 * i)) & 0xff);
}

} // namespace

TEST(ResultTitle, TextsStandWhereTheCoverPlacesThem)
{
    SetTestPrintSettings();
    CResultTitleClass cover = MakeCover();
    CLometricRecordDC dc;
    DrawCover(cover, dc);

    // Body A = 20, title A = 24: h = bytes x A / 2, a centred text starts at cx / 2 - h.
    EXPECT_EQ(TextStart(dc, "ABCD"), CPoint(1335 - 40, -5 * L));
    EXPECT_EQ(TextStart(dc, "PROJECT"), CPoint(1335 - 84, -8 * L));
    EXPECT_EQ(FindText(dc, "PROJECT")->font.lfHeight, 48);
    // The first four lines start together, centred by the longest (10 bytes).
    const char* const apszSub[] = {"Sub-1", "Subtitle-2", "S3", "Sub4"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(TextStart(dc, apszSub[i]), CPoint(1335 - 100, -(10 + i) * L)) << i;
    EXPECT_EQ(FindText(dc, "Sub4")->font.lfHeight, 40);
    EXPECT_EQ(TextStart(dc, "2026/12/10"), CPoint(1335 - 100, -17 * L));
    // Every rectangle reaches the sheet's right edge.
    for (const char* psz : {"ABCD", "PROJECT", "Sub-1", "2026/12/10"})
        EXPECT_EQ(OnPage(*FindText(dc, psz), *FindText(dc, psz)->clip, kStart).right, cx) << psz;
    // The office name in the title font, its origin cy - 5L from the sheet's own origin.
    const CDrawRecord* office = FindText(dc, "OFFICE");
    ASSERT_NE(office, nullptr);
    EXPECT_EQ(office->origin, CPoint(kStart.x - (1335 - 72), cy - 5 * L));
    EXPECT_EQ(office->font.lfHeight, 48);
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Image).empty());
}

TEST(ResultTitle, EmptySubtitlesLeaveTheProjectDateAndOffice)
{
    SetTestPrintSettings();
    CString astrEmpty[5];
    CResultTitleClass cover("OFFICE", "2026/12/10", "PROJECT", astrEmpty, "", FALSE);
    cover.m_sizePage = CSize(cx, cy);
    CLometricRecordDC dc;
    DrawCover(cover, dc);
    EXPECT_EQ(VisibleTexts(dc), (std::vector<std::string>{"PROJECT", "2026/12/10", "OFFICE"}));
}

TEST(ResultTitle, TheLogoFitsASixthOfTheSheetAboveFiveSixths)
{
    SetTestPrintSettings();
    const struct {
        int w, h;
        CSize drawn;
    } cases[] = {{400, 200, CSize(445, 222)}, {200, 400, CSize(222, 445)}, {300, 300, CSize(445, 445)}};
    for (const auto& test : cases) {
        LogoFile logo("fit");
        logo.Write(Bitmap(test.w, test.h));
        CResultTitleClass cover = MakeCover(logo.Name(), TRUE);
        CLometricRecordDC dc;
        DrawCover(cover, dc);
        const std::vector<CDrawRecord> images = dc.RecordsOf(CDrawRecord::Image);
        ASSERT_EQ(images.size(), 1u) << test.w;
        EXPECT_EQ(images[0].rc, CRect(0, 0, test.drawn.cx, -test.drawn.cy)) << test.w;
        EXPECT_EQ(images[0].origin, CPoint(kStart.x - (cx - test.drawn.cx) / 2, 5 * cy / 6 - test.drawn.cy)) << test.w;
        EXPECT_EQ(images[0].image, CSize(test.w, test.h)) << test.w;
    }
}

TEST(ResultTitle, ABadLogoFileDrawsNoLogoAndChangesNothingElse)
{
    SetTestPrintSettings();
    CResultTitleClass plain = MakeCover();
    CLometricRecordDC expected;
    DrawCover(plain, expected);

    const QByteArray good = Bitmap(40, 20);
    QByteArray notBitmap = good;
    notBitmap[0] = 'P';
    QByteArray huge = good;
    PutInt32(huge, 18, 100000);
    PutInt32(huge, 22, 100000);
    QByteArray zeroHeight = good;
    PutInt32(zeroHeight, 22, 0);
    QByteArray lyingSize = good;
    PutInt32(lyingSize, 2, 0x7fffffff); // the file header's size
    PutInt32(lyingSize, 10, 0x7ffffff0); // and its pixel offset
    const struct {
        const char* pszCase;
        bool bWrite;
        QByteArray bytes;
    } cases[] = {
        {"missing", false, {}},
        {"empty", true, {}},
        {"not a bitmap", true, notBitmap},
        {"headers only", true, good.left(54)},
        {"cut short", true, good.left(good.size() / 2)},
        {"huge dimensions", true, huge},
        {"zero height", true, zeroHeight},
        {"lying header", true, lyingSize},
    };
    for (const auto& test : cases) {
        LogoFile logo("bad");
        if (test.bWrite) logo.Write(test.bytes);
        CResultTitleClass cover = MakeCover(logo.Name(), TRUE);
        CLometricRecordDC dc;
        DrawCover(cover, dc);
        EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Image).empty()) << test.pszCase;
        EXPECT_EQ(dc.Texts(), expected.Texts()) << test.pszCase;
        EXPECT_EQ(dc.Records().size(), expected.Records().size()) << test.pszCase;
        EXPECT_EQ(FindText(dc, "OFFICE")->origin, FindText(expected, "OFFICE")->origin) << test.pszCase;
    }
    // The logo flag off leaves even a good file alone.
    LogoFile logo("off");
    logo.Write(good);
    CResultTitleClass cover = MakeCover(logo.Name(), FALSE);
    CLometricRecordDC dc;
    DrawCover(cover, dc);
    EXPECT_TRUE(dc.RecordsOf(CDrawRecord::Image).empty());
}

TEST(ResultTitle, CopiesAndInitData)
{
    CResultTitleClass cover = MakeCover("logo.bmp", TRUE);
    CResultTitleClass assigned;
    assigned = cover;
    for (const CResultTitleClass* p : std::vector<const CResultTitleClass*>{&cover, &assigned}) {
        CResultTitleClass copy(*p);
        EXPECT_EQ(Utf8(copy.GetOfficeName()), "OFFICE");
        EXPECT_EQ(Utf8(copy.GetDate()), "2026/12/10");
        EXPECT_EQ(Utf8(copy.GetProjectName()), "PROJECT");
        EXPECT_EQ(Utf8(copy.GetSubTitle()[1]), "Subtitle-2");
        EXPECT_EQ(Utf8(copy.m_strLogoFile), "logo.bmp");
        EXPECT_TRUE(copy.m_bLogo);
    }
    cover.GetSubTitle()[2] = "changed";
    cover.InitData();
    EXPECT_TRUE(cover.GetOfficeName().IsEmpty() && cover.GetDate().IsEmpty() && cover.GetProjectName().IsEmpty());
    EXPECT_EQ(Utf8(cover.GetSubTitle()[2]), "changed");
    EXPECT_TRUE(cover.m_bLogo);
}

TEST(ResultTitle, PictureOfHeaderAndCoverWithALogo)
{
    UseResultSheetSettings();
    LogoFile logo("render");
    logo.Write(Bitmap(400, 200));
    CString astrSub[5] = {"賃貸マンション新築計画", "収支計画書", "", "", "ご提案"};
    CResultTitleClass cover("株式会社タブリン不動産", "2026年12月10日", "（仮称）タブリンハイツ新築工事", astrSub,
                            logo.Name(), TRUE);
    cover.m_sizePage = CSize(cx, cy);
    CResultHeaderClass header("株式会社タブリン不動産", "2026年12月10日", "（仮称）タブリンハイツ新築工事");
    header.SetTitle("収支計画書");
    header.m_sizePage = CSize(cx, cy);
    const QImage coverImage = RenderLometric([&](CDC* pDC) { cover.ReportDraw(pDC); }, cx / 10.0 + 30, cy / 10.0 + 30);
    const QImage headerImage = RenderLometric([&](CDC* pDC) { header.ReportDraw(pDC); }, cx / 10.0 + 30, 40);
    SaveArtifact(coverImage, "result_cover");
    SaveArtifact(headerImage, "result_header");
    EXPECT_GT(CountInk(coverImage), 2000);
    EXPECT_GT(CountRed(coverImage), 1000); // the logo's red frame
    EXPECT_GT(CountInk(headerImage), 500);
}
