#pragma once

class ClockSource;
class HelpViewer;
class SettingsPersistence;
class UserPrompt;

// What the clock window is given from outside. Tests give fakes, so that no message box
// blocks, no browser opens and the time is fixed.
struct ClockServices {
    UserPrompt& prompt;
    HelpViewer& help;
    const ClockSource& clock;
    SettingsPersistence& settings;
};
