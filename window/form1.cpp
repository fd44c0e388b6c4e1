// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "window/fieldmapping.h"
#include "window/form1layout.h"

Form1::Form1(QWidget* parent)
    : FormWindow(form1Layout(), parent)
{
    bindClick(u"Command1", &Form1::ComputeCmToPix);
    bindClick(u"Command2", &Form1::ComputePixToCm);
}

void Form1::load()
{
    LoadDpiLists();
}

void Form1::LoadDpiLists()
{
    for (QStringView comboBox : { u"Combo1", u"Combo2" }) {
        for (QStringView choice : DpiChoices)
            appendListEntry(comboBox, choice.toString());
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
    const QString horizontal = text(fields.horizontalInput);
    const QString vertical = text(fields.verticalInput);
    const QString resolution = text(fields.resolution);
    const core::ResultTexts results = fields.request(horizontal, vertical, resolution);
    setText(fields.horizontalResult, results.horizontal);
    setText(fields.verticalResult, results.vertical);
}
