// SPDX-License-Identifier: MIT
#include "platform/qt/accessibleform.h"

#include "platform/qt/formwindow.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace platform {

namespace {

// Qt names an editable combo box on Linux by its text ("240") and leaves the label to a
// relation. This one is named by its label, its text is its value, and its list opens as an
// action.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* comboBox)
        : QAccessibleWidget(comboBox, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return comboBox()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            comboBox()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFormPart(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    // A plain top-level widget reaches screen readers as a "filler"; the form is a window.
    if (className == QLatin1String(FormWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    auto* comboBox = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && comboBox && comboBox->isEditable())
        return new NamedComboBox(comboBox);
    return nullptr;
}

} // namespace

void installAccessibleForm()
{
    static const bool installed = (QAccessible::installFactory(accessibleFormPart), true);
    Q_UNUSED(installed);
}

} // namespace platform
