// SPDX-License-Identifier: MIT
#pragma once

#include "platform/qt/formwindow.h"
#include "platform/qt/qtregionalsettings.h"
#include "platform/qt/tabcontrol.h"
#include "window/form1.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <memory>

// Timings and memory bounds do not hold in a build instrumented by AddressSanitizer.
constexpr bool underAddressSanitizer =
#if defined(__SANITIZE_ADDRESS__)
    true;
#else
    false;
#endif

using FormWindow = platform::FormWindow;

// The window of Form1 started the way the program starts it, under the given regional settings.
inline std::unique_ptr<FormWindow> startForm(const QByteArray& locale = "it_IT")
{
    platform::setCurrentRegionalSettings(platform::regionalSettingsOfLocaleName(locale));
    auto form = std::make_unique<FormWindow>(Form1::Layout, platform::bindForm<Form1>);
    platform::showForm(*form);
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the form did not become active");
    return form;
}

template<class Widget = QWidget>
Widget* find(const QWidget& form, const QString& name)
{
    auto* widget = form.findChild<Widget*>(name);
    if (!widget)
        qFatal("no control named %s", qPrintable(name));
    return widget;
}

inline platform::TabControl* tabControl(const QWidget& form)
{
    return find<platform::TabControl>(form, QStringLiteral("SSTab1"));
}

inline void showTab(const QWidget& form, int index)
{
    QTabBar* bar = tabControl(form)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Replaces the text of a text box or of a combo box's edit part by typing, as a user would.
inline void typeInto(const QWidget& form, const QString& name, const QString& text)
{
    QWidget* control = find(form, name);
    QWidget* target = qobject_cast<QComboBox*>(control)
        ? qobject_cast<QComboBox*>(control)->lineEdit()
        : control;
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    QTest::keyClicks(target, text);
}

inline QString textOf(const QWidget& form, const QString& name)
{
    QWidget* control = find(form, name);
    if (auto* comboBox = qobject_cast<QComboBox*>(control))
        return comboBox->currentText();
    return qobject_cast<QLineEdit*>(control)->text();
}

inline void setTextOf(const QWidget& form, const QString& name, const QString& text)
{
    QWidget* control = find(form, name);
    if (auto* comboBox = qobject_cast<QComboBox*>(control))
        comboBox->setEditText(text);
    else
        qobject_cast<QLineEdit*>(control)->setText(text);
}

inline void click(const QWidget& form, const QString& button)
{
    QTest::mouseClick(find(form, button), Qt::LeftButton);
}

inline QList<QMessageBox*> failureReports(const QWidget& form)
{
    return form.findChildren<QMessageBox*>();
}
