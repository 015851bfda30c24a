#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class QWidget;

// Builders for the display dialog's controls: each gets its object name (the control name
// the rest of the program and the tests use) and a fixed place, as the dialog is laid out
// by hand to fit its small client area.
QCheckBox* MakeOptionCheck(const QString& caption, const char* name, QWidget* parent,
                           const QRect& place);
QRadioButton* MakeOptionRadio(const QString& caption, const char* name, QWidget* parent,
                              const QRect& place);
QPushButton* MakeOptionButton(const QString& caption, const char* name, QWidget* parent,
                              const QRect& place);
QLabel* MakeOptionLabel(const QString& caption, const char* name, QWidget* parent,
                        const QRect& place);
QGroupBox* MakeOptionGroup(const QString& caption, const char* name, QWidget* parent,
                           const QRect& place);
QComboBox* MakeOptionCombo(const QStringList& items, const char* name, QWidget* parent,
                           const QRect& place);
// An up-down beside a read-only edit: the spin box carries the UPD_ name and its edit
// field the EDT_ name, so the number changes only by the arrows.
QSpinBox* MakeOptionSpinner(const char* spinName, const char* editName, int minimum, int maximum,
                            QWidget* parent, const QRect& place);
