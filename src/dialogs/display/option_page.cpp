#include "dialogs/display/option_page.h"

OptionPage::OptionPage(OptionEditing& editing, QWidget* parent)
    : QWidget(parent), editing_(editing) {}
