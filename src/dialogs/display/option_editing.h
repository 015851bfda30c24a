// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"
#include "dialogs/choosers.h"
#include "settings/clock_settings.h"

#include <functional>

class QWidget;

// Whether a change makes "適用" available. Some changes are taken by "設定" only.
enum class ApplyEffect { MarksModified, LeavesModified };

// When a chooser's answer makes "適用" available.
enum class ChooserApply { Always, WhenChosen, Never };

// The stored fields of one font, so that the four font buttons share one handler.
struct FontFields {
    QString ClockSettings::*name;
    int ClockSettings::*size;
    Colour ClockSettings::*colour;
    int ClockSettings::*style;
};

// The dialog's working copy of the clock settings with its modified and initialised flags.
// Every control handler edits the copy through here, so that a change reports itself to the
// dialog (preview redraw, "適用" state) in one way.
class OptionEditing {
public:
    OptionEditing(ClockSettings& copy, Choosers& choosers, std::function<void()> changed);

    ClockSettings& Copy() { return copy_; }
    const ClockSettings& Copy() const { return copy_; }
    Choosers& ChoosersInUse() { return choosers_; }

    bool IsModified() const { return modified_; }
    void ClearModified() { modified_ = false; }
    // After an apply that could not save: "適用" stays available to try again.
    void MarkModified() { modified_ = true; }

    // Filling the controls from the copy fires their change signals; edits are ignored
    // until the controls are filled.
    bool IsInitialised() const { return initialised_; }
    void SetInitialised(bool initialised) { initialised_ = initialised; }

    // Runs the edit on the copy and reports the change (ignored before initialisation).
    void Edit(ApplyEffect effect, const std::function<void(ClockSettings&)>& change);
    // Reports a change already made to the copy (the picture list edits its copy itself).
    void Changed(ApplyEffect effect);

    void SetBit(AttribBit bit, bool on, ApplyEffect effect = ApplyEffect::MarksModified);
    void ChooseColour(QWidget* parent, Colour ClockSettings::*field, ChooserApply rule);
    void ChooseFont(QWidget* parent, const FontFields& fields, ChooserApply rule);

private:
    static ApplyEffect EffectOf(ChooserApply rule, bool chosen);

    ClockSettings& copy_;
    Choosers& choosers_;
    std::function<void()> changed_;
    bool modified_ = false;
    bool initialised_ = false;
};
