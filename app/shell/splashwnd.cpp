#include "app/shell/splashwnd.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "platform/qtstring.h"

namespace {

constexpr UINT IDR_MAINFRAME = 128;

bool& ShowFlag()
{
    static bool bShow = true;
    return bShow;
}

CSplashWnd*& TheSplash()
{
    static CSplashWnd* pSplash = nullptr;
    return pSplash;
}

// The start-up picture: the program's title on a blue ground.
QPixmap SplashBitmap()
{
    QPixmap bitmap(420, 240);
    QPainter painter(&bitmap);
    QLinearGradient ground(0, 0, 0, bitmap.height());
    ground.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
    ground.setColorAt(1, QColor(0x0B, 0x23, 0x45));
    painter.fillRect(bitmap.rect(), ground);
    painter.setPen(Qt::white);
    QFont title(QStringLiteral("IPAPGothic"), 36, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(0, 50, bitmap.width(), 70), Qt::AlignCenter, LoadQString(IDR_MAINFRAME));
    painter.setFont(QFont(QStringLiteral("IPAPGothic"), 16));
    painter.drawText(QRect(0, 130, bitmap.width(), 40), Qt::AlignCenter, QStringLiteral(u"タブリン"));
    painter.setPen(QColor(0xC8, 0xD8, 0xF0));
    painter.drawRect(bitmap.rect().adjusted(6, 6, -7, -7));
    return bitmap;
}

} // namespace

void CSplashWnd::EnableSplashScreen(BOOL bEnable)
{
    ShowFlag() = bEnable;
}

CSplashWnd* CSplashWnd::Current()
{
    return TheSplash();
}

void CSplashWnd::ShowSplashScreen(QWidget* pParent)
{
    if (!ShowFlag() || TheSplash()) return;
    TheSplash() = new CSplashWnd(pParent);
    // Over an owner that is not shown yet, the splash appears together with it.
    if (!pParent || pParent->isVisible()) TheSplash()->Appear();
}

void CSplashWnd::Appear()
{
    // A splash hidden before its owner appeared stays hidden until it is deleted.
    if (TheSplash() != this) return;
    show();
    raise();
    repaint();
    QTimer::singleShot(kShowMs, this, &CSplashWnd::HideSplashScreen);
}

void CSplashWnd::HideSplashScreen()
{
    CSplashWnd* pSplash = TheSplash();
    if (!pSplash) return;
    TheSplash() = nullptr;
    QWidget* pParent = pSplash->parentWidget();
    pSplash->hide();
    pSplash->deleteLater();
    if (pParent) pParent->update();
}

CSplashWnd::CSplashWnd(QWidget* pParent)
    : QWidget(pParent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(SplashBitmap())
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_bitmap.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    qApp->installEventFilter(this);
    if (pParent) pParent->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    if (TheSplash() == this) TheSplash() = nullptr;
}

bool CSplashWnd::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    switch (pEvent->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplashScreen();
        break;
    case QEvent::Show:
        if (pWatched == parentWidget() && !isVisible()) QTimer::singleShot(0, this, &CSplashWnd::Appear);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, m_bitmap);
}
