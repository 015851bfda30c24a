#include "dialogs/dialog_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Control>
Control* Placed(Control* control, const QString& name, const QRect& geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace

QLabel* MakeLabel(const QString& text, const QString& name, QWidget* parent,
                  const QRect& geometry) {
    return Placed(new QLabel(text, parent), name, geometry);
}

QLineEdit* MakeEdit(const QString& name, QWidget* parent, const QRect& geometry) {
    return Placed(new QLineEdit(parent), name, geometry);
}

QCheckBox* MakeCheck(const QString& text, const QString& name, QWidget* parent,
                     const QRect& geometry) {
    return Placed(new QCheckBox(text, parent), name, geometry);
}

QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent,
                        const QRect& geometry) {
    auto* button = Placed(new QPushButton(text, parent), name, geometry);
    button->setAutoDefault(false);
    return button;
}
