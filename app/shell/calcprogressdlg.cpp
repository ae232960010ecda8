#include "app/shell/calcprogressdlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qtstring.h"

CProgressBarWnd::CProgressBarWnd(QWidget* pParent) : QWidget(pParent)
{
    setMinimumSize(240, 18);
}

void CProgressBarWnd::SetPercent(int nPercent)
{
    m_nPercent = std::clamp(nPercent, 0, 100);
    update();
}

void CProgressBarWnd::paintEvent(QPaintEvent*)
{
    // The done part yellow, the rest white, each outlined in black.
    QPainter painter(this);
    const QRect client = rect().adjusted(0, 0, -1, -1);
    const int nSplit = client.left() + m_nPercent * client.width() / 100;
    painter.setPen(Qt::black);
    painter.setBrush(QColor(255, 255, 0));
    if (nSplit > client.left()) painter.drawRect(QRect(client.topLeft(), QPoint(nSplit, client.bottom())));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(QPoint(nSplit, client.top()), client.bottomRight()));
}

CCalcProgressDlg::CCalcProgressDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(ToQString("計算処理中．．．"));
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_pText = new QLabel(this);
    m_pBar = new CProgressBarWnd(this);
    auto* cancel = new QPushButton(ToQString("計算中止"), this);
    layout->addWidget(m_pText);
    layout->addWidget(m_pBar);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void CCalcProgressDlg::SetProgress(UINT nTextID, int nPercent)
{
    CString text;
    text.LoadString(nTextID);
    m_pText->setText(ToQString(text));
    m_pBar->SetPercent(nPercent);
    QCoreApplication::processEvents();
}

void CCalcProgressDlg::OnCancel()
{
    m_bCancel = TRUE;
}
