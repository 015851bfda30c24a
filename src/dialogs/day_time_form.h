// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/settings_dialog.h"
#include "net/daytime_client.h"
#include "net/sntp_client.h"
#include "platform/help_viewer.h"
#include "platform/system_clock.h"
#include "platform/user_prompt.h"
#include "settings/settings_saver.h"
#include "settings/time_server_settings.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_host.h"
#include "timesync/correction_state.h"

#include <QStringList>
#include <memory>

namespace Ui {
class DayTimeForm;
}

// The clock-correction settings dialog. It edits a copy of the clock window's time-server
// settings, hands it back only through "設定", and can fetch the server's time at once,
// comparing ("テスト実行") or correcting ("日時補正"), with the outcome in its status memo.
class TDayTimeForm : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 304;

    // The fixed server list offered for each protocol.
    struct ServerLists {
        QStringList daytime;
        QStringList sntp;
        const QStringList& For(int protocol) const {
            return protocol == SntpProtocol ? sntp : daytime;
        }
    };

    // Public Daytime servers that answer in the NIST form, and public SNTP servers with
    // Japan's national time service first.
    static ServerLists DefaultServers();

    TDayTimeForm(TimeServerSettings& settings, CorrectionState& state, CorrectionHost& host,
                 SystemClockSetter& clock, SettingsSaver& saver, HelpViewer& help,
                 UserPrompt& prompt, ServerLists servers = DefaultServers(),
                 QWidget* parent = nullptr);
    ~TDayTimeForm() override;

    // Closing is refused while an immediate run waits for the server: the run still uses
    // the window.
    void done(int result) override;

private:
    void ConnectControls();
    void ShowSettings();

    // A protocol chosen by the user: its server list and its standard port.
    void ChooseProtocol(int protocol);
    void FillServerList(int protocol, int index);
    // The pattern's controls: which are shown, what the list offers, the unit text.
    void LayOutPattern(int pattern);
    void UpdateEnabling();

    void RunNow(ClockCorrection::RunMode mode);
    void RunFailed(CorrectionFailure failure);
    QString SelectedServer() const;
    void Apply();

    TimeServerSettings& settings_;
    CorrectionState& state_;
    CorrectionHost& host_;
    SystemClockSetter& clock_;
    SettingsSaver& saver_;
    const ServerLists servers_;
    TimeServerSettings working_;
    TDaytimeClient DaytimeClient;
    TSntpClient SntpClient;
    bool runInProgress_ = false;
    std::unique_ptr<Ui::DayTimeForm> ui_;
};
