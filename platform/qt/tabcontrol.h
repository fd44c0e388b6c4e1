// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace platform {

// A tabbed control whose pages cover its whole area, tab strip included, so that a control
// placed on a page sits at the same place in the window whatever height the strip has.
// Only the current page and its controls are visible. Ctrl+Tab and Ctrl+PgDown (with Shift,
// or PgUp, backwards) switch pages from anywhere inside it, as in any tabbed dialog.
class TabControl : public QWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    QWidget* addPage(const QString& caption);
    QWidget* page(int index) const { return m_pages.value(index); }
    int count() const { return int(m_pages.size()); }
    int currentIndex() const;
    void setCurrentIndex(int index);
    QTabBar* tabBar() const { return m_tabBar; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showPage(int index);
    void layoutChildren();
    QRect frameRect() const;

    QTabBar* m_tabBar;
    QList<QWidget*> m_pages;
};

} // namespace platform
