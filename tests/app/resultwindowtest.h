// Fixture of the result-window tests: the shipped sample project opened with
// the shipped tax-rate table in a main window, its basic-conditions window open.
#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

#include "app/shell/mainframe.h"
#include "app/shell/resultframe.h"
#include "app/shell/resultview.h"
#include "app/shell/splashwnd.h"
#include "app/shell/tavrinapp.h"
#include "app/shell/tavrinprojectdoc.h"
#include "shelltest.h"
#include "waitfor.h"

class ResultWindowTest : public ::testing::Test {
protected:
    static constexpr int kYears = 30;

    void SetUp() override
    {
        m_app.m_pMainWnd = &m_frame;
        m_app.m_nCalcYear = kYears;
        m_app.m_objDecimal = tagSETDECIMAL{0, 0.5, 0, 0};
        m_app.m_strTaxFileName = CString(TAV_SOURCE_DIR "/res/Data/") + "標準税率.tax";
        m_app.m_strOfficeName = "大阪中央不動産事務所";
        m_app.m_strToday = "２０２６年１２月１１日";
        m_app.m_nColorFlag = 1;
        m_app.SetResultPrintFonts(-1);
        m_app.InitResultPrintPen();
        m_app.InitResultPrintFramePen();
        m_frame.resize(1280, 900);
        m_frame.show();
        OpenSample();
    }
    void TearDown() override
    {
        while (!CTavrinProjectDoc::Documents().isEmpty()) delete CTavrinProjectDoc::Documents().first();
        m_app.m_pMainWnd = nullptr;
    }
    void OpenSample()
    {
        m_pDoc = new CTavrinProjectDoc;
        m_boxes.m_answers.push_back(IDNO);
        ASSERT_TRUE(m_pDoc->OnOpenDocument(CString(TAV_SOURCE_DIR "/res/Data/TEST.prj")));
        m_frame.OpenBasicConditions(m_pDoc);
        Pump();
    }
    void Calculate()
    {
        m_pDoc->OnCalcStart();
        ASSERT_NE(m_pDoc->m_nCalcResult, 0);
        Pump();
    }
    // Lets posted commands arrive and windows paint, also what the commands post in turn.
    static void Pump() { ::Pump(); }
    // Runs a command as the main window's menu does, then lets it settle.
    void Command(UINT nID)
    {
        m_frame.OnMainCommand(nID);
        Pump();
    }
    CResultParentFrame* ActiveResult() const { return dynamic_cast<CResultParentFrame*>(m_frame.MDIGetActive()); }
    CResultParentView* ActiveView() const
    {
        CResultParentFrame* frame = ActiveResult();
        return frame ? frame->GetActiveView() : nullptr;
    }
    int WindowCount() const { return int(m_frame.MDIClient()->subWindowList().size()); }

    // No splash window over the reports.
    struct NoSplash {
        NoSplash() { CSplashWnd::EnableSplashScreen(FALSE); }
    } m_noSplash;
    CTavrinApp m_app;
    CMainFrame m_frame;
    ScriptedMessageBoxes m_boxes;
    CTavrinProjectDoc* m_pDoc = nullptr;
};
