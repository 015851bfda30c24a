#pragma once

#include "platform/app_launcher.h"
#include "platform/sound_player.h"
#include "schedule/schedule_pattern.h"
#include "settings/schedule_entry.h"

#include <QString>
#include <QStringList>
#include <vector>

// Remembers what would have been played.
class FakeSoundPlayer : public SoundPlayer {
public:
    void PlayAsync(const QString& file) override { played.append(file); }
    QStringList played;
};

// Remembers what would have been started and answers with `succeeds`.
class FakeAppLauncher : public AppLauncher {
public:
    struct Start {
        QString file;
        QString options;
        QString folder;
        int showType;
    };
    bool Launch(const QString& file, const QString& options, const QString& folder,
                int showType) override {
        starts.push_back({file, options, folder, showType});
        return succeeds;
    }
    bool Open(const QString& file) override { return Launch(file, {}, {}, ShowNormal); }

    std::vector<Start> starts;
    bool succeeds = true;
};

// An entry as the dialog stores it: enabled, with its comparison mask.
inline ScheduleEntry StoredEntry(int attribute, int year, int month, int day, int week, int hour,
                                 int minute) {
    ScheduleEntry entry;
    entry.Attribute = attribute | ScheduleEnabled;
    entry.Check_Patt = CheckPatternFor(entry.Attribute);
    entry.Year = year;
    entry.Month = month;
    entry.Day = day;
    entry.Week = week;
    entry.Hour = hour;
    entry.Min = minute;
    return entry;
}

inline void Append(ScheduleTable& table, const ScheduleEntry& entry) {
    table.entries[table.entryCount++] = entry;
}
