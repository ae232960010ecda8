#include "app/common/spinbutton.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QToolButton* ArrowButton(QWidget* pParent, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(pParent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

CSpinButton::CSpinButton(QWidget* pParent) : QWidget(pParent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = ArrowButton(this, Qt::UpArrow);
    QToolButton* down = ArrowButton(this, Qt::DownArrow);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CSpinButton::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
}

void CSpinButton::SetPos(int nPos)
{
    m_nPos = nPos;
    if (m_pBuddy) m_pBuddy->setText(QString::number(nPos));
}

// A buddy text that is no number steps from the last position.
void CSpinButton::Step(int nDelta)
{
    bool ok = false;
    const int nText = m_pBuddy ? m_pBuddy->text().remove(QLatin1Char(',')).trimmed().toInt(&ok) : 0;
    const int nFrom = ok ? nText : m_nPos;
    const int nLow = std::min(m_nLower, m_nUpper);
    const int nHigh = std::max(m_nLower, m_nUpper);
    SetPos(std::clamp(nFrom + nDelta, nLow, nHigh));
    if (m_onDelta) m_onDelta();
}
