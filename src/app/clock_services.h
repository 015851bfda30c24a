// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class AppLauncher;
class Choosers;
class ClockSource;
class DialUpMonitor;
class HelpViewer;
class LoginStart;
class PasswordKeyring;
class SettingsPersistence;
class SoundPlayer;
class SystemClockSetter;
class UserPrompt;

// What the clock window is given from outside. Tests give fakes, so that no message box
// blocks, no browser opens and the time is fixed.
struct ClockServices {
    UserPrompt& prompt;
    HelpViewer& help;
    const ClockSource& clock;
    SettingsPersistence& settings;
    SoundPlayer& sound;
    AppLauncher& launcher;
    DialUpMonitor& dialUp;
    SystemClockSetter& clockSetter; // sets the computer's clock for the correction
    Choosers& choosers;             // file, folder, colour and font choosers of the dialogs
    LoginStart& loginStart;         // the display dialog's start at login
    PasswordKeyring& keyring;       // where the mail passwords are kept
    // Where relative picture paths are looked up when not found in the current directory.
    QString dataFolder;
};
