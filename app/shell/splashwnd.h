// The splash window shown over the main window at start-up until its timer
// fires or the user presses a key or a mouse button.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "platform/afxtypes.h"

class CSplashWnd : public QWidget {
public:
    static constexpr int kShowMs = 750;

    static void EnableSplashScreen(BOOL bEnable);
    static void ShowSplashScreen(QWidget* pParent);
    static void HideSplashScreen();
    // The one splash window, or null.
    static CSplashWnd* Current();

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    explicit CSplashWnd(QWidget* pParent);
    ~CSplashWnd() override;
    // Shows the window in front of its owner and starts its timer.
    void Appear();

    QPixmap m_bitmap;
};
