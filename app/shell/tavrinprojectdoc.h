// The project document: one open project with its windows.
// Stand-in: only what the main frame needs to close projects; the records and
// the file, calculation and print commands come with the document itself.
#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include "platform/afxtypes.h"

class CTavrinProjectDoc {
public:
    CTavrinProjectDoc();
    virtual ~CTavrinProjectDoc();
    CTavrinProjectDoc(const CTavrinProjectDoc&) = delete;
    CTavrinProjectDoc& operator=(const CTavrinProjectDoc&) = delete;

    // The open documents, oldest first.
    static const QList<CTavrinProjectDoc*>& Documents();
    // The document a window of the MDI area belongs to, or null.
    static CTavrinProjectDoc* FromFrame(const QWidget* pFrame);

    void AddFrame(QWidget* pFrame);
    // Asks whether to save; FALSE when the user cancels.
    virtual BOOL SaveModified() { return TRUE; }
    // Closes every window of the project and deletes the document.
    virtual void OnCloseDocument();

private:
    QList<QPointer<QWidget>> m_frames;
};
