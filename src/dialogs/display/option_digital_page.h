#pragma once

#include "dialogs/display/option_page.h"

class OptionDigitalGroup;

// The tab "デジタル": the time group and the date group side by side.
class OptionDigitalPage : public OptionPage {
    Q_OBJECT
public:
    OptionDigitalPage(OptionEditing& editing, QWidget* parent);

    void Fill() override;
    void UpdateEnabling() override;

private:
    OptionDigitalGroup* time_ = nullptr;
    OptionDigitalGroup* date_ = nullptr;
};
