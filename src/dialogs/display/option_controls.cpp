#include "dialogs/display/option_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringList>

namespace {

template <class Widget> Widget* Placed(Widget* widget, const char* name, const QRect& place) {
    if (name != nullptr) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    widget->setGeometry(place);
    return widget;
}

} // namespace

QCheckBox* MakeOptionCheck(const QString& caption, const char* name, QWidget* parent,
                           const QRect& place) {
    return Placed(new QCheckBox(caption, parent), name, place);
}

QRadioButton* MakeOptionRadio(const QString& caption, const char* name, QWidget* parent,
                              const QRect& place) {
    return Placed(new QRadioButton(caption, parent), name, place);
}

QPushButton* MakeOptionButton(const QString& caption, const char* name, QWidget* parent,
                              const QRect& place) {
    auto* button = Placed(new QPushButton(caption, parent), name, place);
    // Enter must not press a button of its own accord.
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeOptionLabel(const QString& caption, const char* name, QWidget* parent,
                        const QRect& place) {
    return Placed(new QLabel(caption, parent), name, place);
}

QGroupBox* MakeOptionGroup(const QString& caption, const char* name, QWidget* parent,
                           const QRect& place) {
    return Placed(new QGroupBox(caption, parent), name, place);
}

QComboBox* MakeOptionCombo(const QStringList& items, const char* name, QWidget* parent,
                           const QRect& place) {
    auto* combo = Placed(new QComboBox(parent), name, place);
    combo->addItems(items);
    return combo;
}

QSpinBox* MakeOptionSpinner(const char* spinName, const char* editName, int minimum, int maximum,
                            QWidget* parent, const QRect& place) {
    auto* spin = Placed(new QSpinBox(parent), spinName, place);
    spin->setRange(minimum, maximum);
    if (auto* edit = spin->findChild<QLineEdit*>()) {
        edit->setObjectName(QString::fromLatin1(editName));
        edit->setReadOnly(true);
    }
    return spin;
}
