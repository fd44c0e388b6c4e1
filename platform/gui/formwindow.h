// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <functional>

namespace platform {

struct WindowDescription;

// A top-level window built from its description, whose controls the event procedures reach
// by name. It raises its load event once, before it is first shown.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const WindowDescription& description, QWidget* parent = nullptr);

    QWidget* control(QStringView name) const;
    QString text(QStringView control) const;
    void setText(QStringView control, const QString& text);
    void appendListEntry(QStringView comboBox, const QString& entry);

    // Runs `procedure` whenever the button is clicked; a run-time error it raises is reported
    // to the user and ends only that procedure.
    template<class Form>
    void bindClick(QStringView button, void (Form::*procedure)())
    {
        bindClick(button, [form = static_cast<Form*>(this), procedure] { (form->*procedure)(); });
    }
    void bindClick(QStringView button, std::function<void()> procedure);

    void raiseLoad();

protected:
    virtual void load() { }

private:
    QHash<QString, QWidget*> m_controls;
    bool m_loaded = false;
};

} // namespace platform
