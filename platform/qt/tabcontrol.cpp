// SPDX-License-Identifier: MIT
#include "platform/qt/tabcontrol.h"

#include "platform/form/formbehaviour.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace platform {

TabControl::TabControl(QWidget* parent)
    : QWidget(parent)
    , m_tabBar(new QTabBar(this))
{
    m_tabBar->setObjectName(QStringLiteral("tabStrip"));
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(true);
    m_tabBar->setUsesScrollButtons(false);
    setFocusProxy(m_tabBar);
    connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::showPage);
}

QWidget* TabControl::addPage(const QString& caption)
{
    auto* page = new QWidget(this);
    page->setGeometry(rect());
    m_pages.append(page);
    m_tabBar->addTab(caption);
    m_tabBar->raise();
    showPage(m_tabBar->currentIndex());
    return page;
}

int TabControl::currentIndex() const
{
    return m_tabBar->currentIndex();
}

void TabControl::setCurrentIndex(int index)
{
    m_tabBar->setCurrentIndex(index);
}

void TabControl::showPage(int index)
{
    for (int i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(i == index);
}

QRect TabControl::frameRect() const
{
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    return rect().adjusted(0, m_tabBar->height() - overlap, 0, 0);
}

void TabControl::paintEvent(QPaintEvent*)
{
    QStyleOptionTabWidgetFrame option;
    option.initFrom(this);
    option.rect = frameRect();
    option.shape = m_tabBar->shape();
    option.tabBarSize = m_tabBar->size();
    option.tabBarRect = m_tabBar->geometry();
    option.selectedTabRect = m_tabBar->tabRect(currentIndex()).translated(m_tabBar->pos());
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
}

void TabControl::resizeEvent(QResizeEvent*)
{
    layoutChildren();
}

// The tab strip asks for a new layout when its font or captions change.
bool TabControl::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutChildren();
    return QWidget::event(event);
}

void TabControl::keyPressEvent(QKeyEvent* event)
{
    NavigationKey key = NavigationKey::Other;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        key = NavigationKey::Tab;
    else if (event->key() == Qt::Key_PageDown)
        key = NavigationKey::PageDown;
    else if (event->key() == Qt::Key_PageUp)
        key = NavigationKey::PageUp;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int next
        = tabAfterKey(currentIndex(), count(), key, modifiers.testFlag(Qt::ControlModifier),
            modifiers.testFlag(Qt::ShiftModifier) || event->key() == Qt::Key_Backtab);
    if (next == currentIndex()) {
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex(next);
    m_tabBar->setFocus(Qt::TabFocusReason);
}

void TabControl::layoutChildren()
{
    m_tabBar->setGeometry(0, 0, width(), m_tabBar->sizeHint().height());
    for (QWidget* page : std::as_const(m_pages))
        page->setGeometry(rect());
}

} // namespace platform
