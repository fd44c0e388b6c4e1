// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "window/fieldmapping.h"

void Form1::LoadDpiLists()
{
    for (const platform::ControlId comboBox : DpiLists) {
        for (const std::u16string_view choice : DpiChoices)
            m_controls.appendListEntry(comboBox, choice);
    }
}

void Form1::ComputeCmToPix()
{
    compute(CmToPixFields);
}

void Form1::ComputePixToCm()
{
    compute(PixToCmFields);
}

void Form1::compute(const FieldMapping& fields)
{
    const std::u16string horizontal = m_controls.text(fields.horizontalInput);
    const std::u16string vertical = m_controls.text(fields.verticalInput);
    const std::u16string resolution = m_controls.text(fields.resolution);
    const core::ResultTexts results = fields.request(horizontal, vertical, resolution);
    m_controls.setText(fields.horizontalResult, results.horizontal);
    m_controls.setText(fields.verticalResult, results.vertical);
}
