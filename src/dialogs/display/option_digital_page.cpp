#include "dialogs/display/option_digital_page.h"

#include "dialogs/display/option_digital_group.h"

OptionDigitalPage::OptionDigitalPage(OptionEditing& editing, QWidget* parent)
    : OptionPage(editing, parent) {
    setObjectName(QStringLiteral("TS_Digital"));
    time_ =
        new OptionDigitalGroup(DigitalGroupTraits::Time(), editing, this, QRect(1, 0, 130, 258));
    date_ =
        new OptionDigitalGroup(DigitalGroupTraits::Date(), editing, this, QRect(133, 0, 157, 258));
}

void OptionDigitalPage::Fill() {
    time_->Fill();
    date_->Fill();
}

void OptionDigitalPage::UpdateEnabling() {
    time_->UpdateEnabling();
    date_->UpdateEnabling();
}
