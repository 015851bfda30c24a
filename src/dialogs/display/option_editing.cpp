// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_editing.h"

OptionEditing::OptionEditing(ClockSettings& copy, Choosers& choosers, std::function<void()> changed)
    : copy_(copy), choosers_(choosers), changed_(std::move(changed)) {}

void OptionEditing::Edit(ApplyEffect effect, const std::function<void(ClockSettings&)>& change) {
    if (!initialised_) {
        return;
    }
    change(copy_);
    Changed(effect);
}

void OptionEditing::Changed(ApplyEffect effect) {
    if (!initialised_) {
        return;
    }
    if (effect == ApplyEffect::MarksModified) {
        modified_ = true;
    }
    if (changed_) {
        changed_();
    }
}

void OptionEditing::SetBit(AttribBit bit, bool on, ApplyEffect effect) {
    Edit(effect, [bit, on](ClockSettings& copy) { copy.Set(bit, on); });
}

ApplyEffect OptionEditing::EffectOf(ChooserApply rule, bool chosen) {
    const bool marks = rule == ChooserApply::Always || (rule == ChooserApply::WhenChosen && chosen);
    return marks ? ApplyEffect::MarksModified : ApplyEffect::LeavesModified;
}

void OptionEditing::ChooseColour(QWidget* parent, Colour ClockSettings::*field, ChooserApply rule) {
    if (!initialised_) {
        return;
    }
    const std::optional<Colour> chosen = choosers_.ChooseColour(parent, copy_.*field);
    if (chosen) {
        copy_.*field = *chosen;
    }
    Changed(EffectOf(rule, chosen.has_value()));
}

void OptionEditing::ChooseFont(QWidget* parent, const FontFields& fields, ChooserApply rule) {
    if (!initialised_) {
        return;
    }
    const CanvasFont current{copy_.*fields.name, copy_.*fields.size, copy_.*fields.colour,
                             copy_.*fields.style};
    const std::optional<CanvasFont> chosen = choosers_.ChooseFont(parent, current);
    if (chosen) {
        copy_.*fields.name = chosen->name;
        copy_.*fields.size = chosen->pointSize;
        copy_.*fields.colour = chosen->colour;
        copy_.*fields.style = chosen->styleBits;
    }
    Changed(EffectOf(rule, chosen.has_value()));
}
