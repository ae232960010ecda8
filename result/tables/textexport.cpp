// Text export: every result table written into one TAB-separated file.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <new>
#include <string>

#include "result/calc/tavcalc.h"
#include "result/pages/resultprint.h"

namespace {

// Id of the unit cell of a yearly heading.
constexpr UINT kUnitThousandYenId = 10014;

// "%2d年" without the printf machinery.
CString YearHeading(int nYear)
{
    char buffer[16];
    const char* const end = std::to_chars(buffer, std::end(buffer), nYear).ptr;
    const CString digits(buffer, int(end - buffer));
    return (digits.GetLength() < 2 ? " " + digits : digits) + "年";
}

} // namespace

BOOL CTavCalcClass::SaveTextFile(CString strPath, CString strOffice, CString strDate, int nOption)
{
    ClearTextLine();
    m_nTextOption = nOption;
    // The name is converted once, so removing a file cut short needs no memory.
    std::string strFile;
    try {
        strFile = CFile::SystemFileName(strPath);
    } catch (const std::bad_alloc&) {
        FailCalc(CALC_OUT_OF_MEMORY);
        return FALSE;
    }
    CFileException error;
    // An existing file is written over and cut to the export's length at the
    // end: emptying it first would make the file system write it through on close.
    const UINT nFlags = CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::shareExclusive;
    if (!m_fileText.Open(strPath, nFlags, &error)) {
        if (error.m_lOsError == ENOMEM) FailCalc(CALC_OUT_OF_MEMORY);
        return FALSE;
    }
    // Nothing thrown leaves the library; a file cut short is removed, not
    // left behind as if it were the whole export.
    BOOL bWritten = FALSE;
    try {
        WriteTextSections(strOffice, strDate);
        // What is left of a longer earlier file is cut off (a pipe or device
        // has no length to cut).
        const long long nWritten = m_fileText.GetPosition();
        if (nWritten >= 0 && m_fileText.GetLength() > nWritten) m_fileText.SetLength(nWritten);
        m_fileText.Close();
        bWritten = TRUE;
    } catch (CFileException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
        FailCalc(CALC_OUT_OF_MEMORY);
    } catch (...) {
        FailCalc(CALC_UNEXPECTED_ERROR);
    }
    if (!bWritten) {
        m_fileText.Abort();
        std::remove(strFile.c_str());
    }
    ClearTextLine();
    return bWritten;
}

void CTavCalcClass::WriteTextSections(const CString& strOffice, const CString& strDate)
{
    StringSet(strOffice);
    TextWrite();
    StringSet(strDate);
    TextWrite();
    // Each group is one section of the file, followed by one line end.
    using Section = void (CTavCalcClass::*)();
    static constexpr Section kSections[][2] = {
        {&CTavCalcClass::TextBasic},   {&CTavCalcClass::TextBasic2},
        {&CTavCalcClass::TextConst, &CTavCalcClass::TextSupply},
        {&CTavCalcClass::TextInout},   {&CTavCalcClass::TextInout2},
        {&CTavCalcClass::TextRental},  {&CTavCalcClass::TextRental2},
        {&CTavCalcClass::TextOutLine}, {&CTavCalcClass::TextBase},
        {&CTavCalcClass::TextSon},     {&CTavCalcClass::TextSik},
        {&CTavCalcClass::TextSyu},     {&CTavCalcClass::TextBs},
        {&CTavCalcClass::TextTax},
    };
    for (const auto& group : kSections) {
        for (Section pSection : group) {
            if (pSection) (this->*pSection)();
        }
        TextWrite();
    }
    const char cEnd = 0x1A;
    m_fileText.Write(&cEnd, 1);
}

void CTavCalcClass::ClearTextLine()
{
    // Nothing past the length is ever written.
    std::memset(m_szTextLine, 0, m_nTextLength);
    m_nTextLength = 0;
}

void CTavCalcClass::StringSet(const CString& strText)
{
    const int nLength = strText.GetLength();
    // The cell, its TAB and the line's CR LF (in place of the last TAB) must fit.
    if (m_nTextLength + nLength + 2 > int(sizeof(m_szTextLine))) return;
    std::memcpy(m_szTextLine + m_nTextLength, strText.str().data(), size_t(nLength));
    m_nTextLength += nLength;
    TabSet();
}

void CTavCalcClass::TabSet()
{
    m_szTextLine[m_nTextLength] = '\t';
    m_nTextLength += 1;
}

void CTavCalcClass::TextWrite()
{
    if (m_nTextLength > 0) m_nTextLength -= 1;
    m_szTextLine[m_nTextLength] = '\r';
    m_szTextLine[m_nTextLength + 1] = '\n';
    m_nTextLength += 2;
    m_fileText.Write(m_szTextLine, UINT(m_nTextLength));
    ClearTextLine();
}

void CTavCalcClass::TextHead(CString strCaption)
{
    StringSet(strCaption);
    StringSet(LoadResultString(kUnitThousandYenId));
    TextWrite();
    StringSet(strCaption);
    for (int i = 0; i <= m_objCalcYear.nCalcYear; i++) StringSet(i == 0 ? CString("工事期間") : YearHeading(i));
    TextWrite();
}
