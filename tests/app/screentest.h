// Fixture of the entry-screen tests: the shipped sample project in a main
// window (see ResultWindowTest), a window opened through its command as the
// menu does, and the user's moves on its controls.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "app/common/formdialog.h"
#include "app/common/numbertext.h"
#include "app/shell/commandids.h"
#include "app/shell/tavrinformparentframe.h"
#include "platform/codepage.h"
#include "platform/qtstring.h"
#include "resultwindowtest.h"
#include "tests/support/render.h"

class ScreenTest : public ResultWindowTest {
protected:
    // The sample is open; the boxes start empty (the question to calculate is answered).
    void SetUp() override
    {
        ResultWindowTest::SetUp();
        m_boxes.m_shown.clear();
        m_boxes.m_texts.clear();
        m_boxes.m_types.clear();
    }
    // Opens (or activates) window nID from the menu; its frame, or null.
    CTavrinFormParentFrame* Open(UINT nID)
    {
        Command(nID);
        return Active();
    }
    CTavrinFormParentFrame* Active() const { return dynamic_cast<CTavrinFormParentFrame*>(m_frame.MDIGetActive()); }
    // The active window's view (or a page or pane of it) as the screen's class.
    template <class View>
    View* ActiveViewAs() const
    {
        CTavrinFormParentFrame* frame = Active();
        return frame ? dynamic_cast<View*>(frame->GetActiveView()) : nullptr;
    }
    // The user types into an edit of pForm and leaves it (Tab to the next control).
    static void Type(CFormWidget* pForm, UINT nID, const CString& strText)
    {
        QWidget* item = pForm->GetDlgItem(nID);
        ASSERT_NE(item, nullptr) << nID;
        item->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        pForm->SetDlgItemText(nID, strText);
        item->clearFocus();
        QCoreApplication::processEvents();
    }
    // The user picks entry nIndex of a combo box.
    static void Choose(CFormWidget* pForm, UINT nID, int nIndex)
    {
        auto* combo = qobject_cast<QComboBox*>(pForm->GetDlgItem(nID));
        ASSERT_NE(combo, nullptr) << nID;
        combo->setCurrentIndex(nIndex);
        emit combo->activated(nIndex);
        QCoreApplication::processEvents();
    }
    // The user clicks a button, check box or radio button.
    static void Click(CFormWidget* pForm, UINT nID)
    {
        auto* button = qobject_cast<QAbstractButton*>(pForm->GetDlgItem(nID));
        ASSERT_NE(button, nullptr) << nID;
        button->click();
        QCoreApplication::processEvents();
    }
    // A toolbar button of the active window: ID_DATA_SAVE, ID_DATA_CANCEL, ID_DATA_PREV, ID_DATA_NEXT.
    void Toolbar(UINT nID)
    {
        CTavrinFormParentFrame* frame = Active();
        ASSERT_NE(frame, nullptr);
        frame->OnCmdMsg(nID, nullptr);
        Pump();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Clicks nID and cancels the dialog it opens; whether one opened.
    static bool ClickOpensDialog(CFormWidget* pForm, UINT nID)
    {
        bool bShown = false;
        QTimer::singleShot(0, [&bShown] {
            if (auto* dlg = dynamic_cast<CFormDialog*>(QApplication::activeModalWidget())) {
                bShown = true;
                dlg->OnCancel();
            }
        });
        Click(pForm, nID);
        return bShown;
    }
    static UINT FocusedId()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? GetDlgCtrlID(focus) : 0;
    }
    CString Caption() const
    {
        CTavrinFormParentFrame* frame = Active();
        return frame ? FromQString(frame->windowTitle()) : CString();
    }
    // A picture of the active window in the artifacts folder.
    void Shot(const std::string& name)
    {
        Pump();
        if (CTavrinFormParentFrame* frame = Active()) SaveArtifact(frame->grab().toImage(), name);
    }
};
