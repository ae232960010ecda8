// Writes the files the program ships in its Data folder:
//     makedata <folder>
// the standard tax-rate table, the templates of the new-project dialog and
// the sample project the program opens first.
#include <cstdio>

#include "file/filedata.h"
#include "file/filetax.h"
#include "platform/codepage.h"
#include "tools/makedata/shippeddata.h"

namespace {

BOOL WriteProjects(const CString& strFolder)
{
    for (const ShippedProject& shipped : ShippedProjects()) {
        CProjectInMemory project;
        if (!project.IsCreated()) return FALSE;
        shipped.fnBuild(project);
        CFileDataClass file;
        if (!file.WriteProject(shipped.nKind, strFolder + shipped.pszFileName, &project.m_data, &project.m_option))
            return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedata <folder>\n");
        return 2;
    }
    const CString strFolder = Utf8ToCP932(argv[1]) + "\\";
    CTaxClassObject tax;
    if (!tax.CreateData()) return 1;
    SetStandardTaxTable(tax);
    CFileTaxClass file;
    if (!file.WriteTax(strFolder + kStandardTaxFile, &tax) || !WriteProjects(strFolder)) {
        std::fprintf(stderr, "makedata: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
