// SPDX-License-Identifier: MIT
#include "forms/common/FieldGroup.h"

#include "forms/common/Controls.h"
#include "forms/common/KeyCodes.h"
#include "forms/common/NumericKeyFilter.h"
#include "forms/common/NumericTextBox.h"
#include "forms/common/ReportArea.h"

FieldGroup::FieldGroup(std::vector<Field> fields, FieldEnds ends, ReportArea& report, std::function<void()> calculate)
    : fields_(std::move(fields)), ends_(ends), report_(report), calculate_(std::move(calculate))
{
}

void FieldGroup::KeyDown(int n, int KeyCode)
{
    const int last = static_cast<int>(fields_.size());
    const bool ring = ends_ == FieldEnds::Ring;
    switch (KeyCode) {
    case vbKeyUp:
        if (n > 1 || ring)
            box(n > 1 ? n - 1 : last)->setFocus();
        break;
    case vbKeyDown:
        if (n < last || ring)
            box(n < last ? n + 1 : 1)->setFocus();
        break;
    case vbKeyReturn:
        calculate_();
        break;
    case vbKeyDelete:
        report_.Cls();
        break;
    default:
        break;
    }
}

void FieldGroup::KeyPress(int n, int16_t& KeyAscii)
{
    Module1::NumericKeyFilter(QStringLiteral("."), *box(n), KeyAscii);
    if (KeyAscii != 0)
        report_.Cls();
}

void FieldGroup::ShowUnits(std::initializer_list<QString> texts)
{
    auto text = texts.begin();
    for (const Field& field : fields_)
        if (field.Unit && text != texts.end())
            SetCaption(field.Unit, *text++);
}

void FieldGroup::route(size_t index, std::function<void(int&, Qt::KeyboardModifiers)> keyDown,
                       std::function<void(int16_t&)> keyPress)
{
    NumericTextBox* target = fields_.at(index).Box;
    target->KeyDown = std::move(keyDown);
    target->KeyPress = std::move(keyPress);
}

NumericTextBox* FieldGroup::box(int n) const { return fields_.at(static_cast<size_t>(n - 1)).Box; }
