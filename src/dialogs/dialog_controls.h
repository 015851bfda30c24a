#pragma once

#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls every settings dialog lays out at fixed places. Each carries the object name
// of its control, so code and tests find it by that name.
QLabel* MakeLabel(const QString& text, const QString& name, QWidget* parent, const QRect& geometry);
QLineEdit* MakeEdit(const QString& name, QWidget* parent, const QRect& geometry);
QCheckBox* MakeCheck(const QString& text, const QString& name, QWidget* parent,
                     const QRect& geometry);
// Never the default button: Enter in an edit field must not press a button of its own accord.
QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent,
                        const QRect& geometry);
