#pragma once

#include <QString>

// Every child carries its control ID as its object name, so that the window,
// its dialogs and the tests find a control by the ID the texts and
// commands use.
template <typename Widget>
Widget* Named(Widget* widget, int controlId)
{
    widget->setObjectName(QString::number(controlId));
    return widget;
}
