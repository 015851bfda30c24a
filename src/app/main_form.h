// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clock_dialogs.h"
#include "app/clock_services.h"
#include "app/cursor_presence.h"
#include "app/exit_aware_prompt.h"
#include "app/face_presenter.h"
#include "app/hide_under_mouse.h"
#include "app/orderly_exit.h"
#include "app/picture_drop.h"
#include "app/placement_controller.h"
#include "app/secondary_window_protocol.h"
#include "app/tick_cadence.h"
#include "app/tick_sequencer.h"
#include "app/tick_timer.h"
#include "app/window_drag.h"
#include "app/window_frame.h"
#include "core/clock_time.h"
#include "core/wheel_notches.h"
#include "core/window_modes.h"
#include "dialogs/option_form_host.h"
#include "face/face_redraw_policy.h"
#include "face/face_renderer.h"
#include "mail/imap_watches.h"
#include "mail/mail_check_run.h"
#include "mail/mail_passwords.h"
#include "mail/mail_run_host.h"
#include "mail/mail_settings_host.h"
#include "net/pop3_client.h"
#include "platform/clock_jump_watch.h"
#include "platform/window_stacking.h"
#include "schedule/alarm_host.h"
#include "schedule/schedule_checker.h"
#include "settings/settings_records.h"
#include "settings/settings_saver.h"
#include "timesync/clock_correction.h"
#include "timesync/correction_host.h"
#include "timesync/correction_scheduler.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>

class ClockMenu;
class TrayIcon;

// The clock window. It owns every settings record and the run-time state for the whole
// run, drives the tick (once a second, or four times while something needs it), and wires
// the subsystems together; the subsystems decide.
class TMainForm : public QWidget,
                  private TickSteps,
                  private WindowBandHost,
                  private AlarmHost,
                  private CorrectionHost,
                  private OptionFormHost,
                  private MailRunHost,
                  private MailSettingsHost,
                  public SettingsSaver {
    Q_OBJECT
public:
    // The process's exit code when the settings could not be saved at the exit.
    static constexpr int ExitCodeSaveFailed = 1;

    explicit TMainForm(ClockServices services, QWidget* parent = nullptr);
    ~TMainForm() override;

    SettingsRecords& Records() { return records_; }
    // The local time read by the last tick.
    ClockTime CurrentClockTime() const override { return clockTime_; }
    TickSequencer::Phase StartupPhase() const { return tick_.StartupPhase(); }
    QuitState CurrentQuitState() const override { return quitState_; }
    std::uint32_t OpenWindowMask() const override { return windows_.OpenWindowMask(); }
    ClockMenu& Menu() const { return *menu_; }
    const TickTimer& DrawTimer() const { return drawTimer_; }
    TickTimer& DrawTimer() { return drawTimer_; }
    // Why the tick runs four times a second at the moment; none: once a second.
    TickCadence::Reasons QuarterSecondReasons();
    std::uint32_t MailTickCount() const { return mailRun_.MailTickCount(); }
    const MailCheckRun& MailRun() const { return mailRun_; }
    std::uint32_t CorrectionTicks() const { return correction_.State().correctionTicks; }
    const ClockCorrection& Correction() const { return correction_; }
    int FaceDrawCount() const { return faceDrawCount_; }
    // The client area is the window inside its sizing frame.
    QSize ClientSize() const;
    void ResizeClient(QSize client);
    const FaceRenderer& Face() const { return face_; }
    const HideUnderMouse& HideUnderMouseState() const { return hideUnderMouse_; }

    // Opens a secondary window modally through the common protocol; `create` builds it
    // (nullptr when it cannot be created). Returns when the window has closed.
    void OpenSecondaryWindow(WindowBit bit, const std::function<QDialog*()>& create);
    // The secondary window of that bit while it is open, else nullptr.
    QDialog* OpenWindow(WindowBit bit) const;

    void SetDisplayMode(DisplayMode mode) override;
    void ApplyZOrder(DisplayMode mode);
    DisplayMode DisplayModeFromAttrib() const;

    SaveResult SaveSettings() override;
    // Gives the keyring calls of the last save a short while to finish; for after the exit.
    void FinishKeyringCalls();

    // Takes files dropped on the clock (local paths, in the order of the drop).
    void TakeDroppedFiles(const QStringList& paths);
    PlacementMode CurrentPlacementMode() const { return placement_.Mode(); }

    // The tray icon's right button: the popup menu, unless a secondary window is open.
    void TrayContextRequested();
    // Whether the window has been closed and the program is on its way out.
    bool IsClosing() const { return exit_.Begun(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Where the pointer is on the screen: a round trip to the display server.
    virtual QPoint CursorPosition() const;

private:
    // The timer's handler.
    void DrawTimerTimer(int elapsedQuarterSeconds);
    // Sets the tick's rate from what needs the quick ticks now.
    void UpdateTickCadence();
    // The same, once the event being handled is done with.
    void RequestCadenceUpdate();
    // The window's creation, in the order the rest of the program relies on.
    void FormCreate();
    void PlaceWindow();
    void ConnectMenu();
    void ShowPopupMenu();

    // TickSteps
    void FollowWindowGeometry() override;
    void PaintButtonFace() override;
    void RequestRepaint() override;
    void AdvanceTickCounters(int elapsedQuarterSeconds) override;
    void MailCheckTick() override;
    void CheckCorrectionDue() override;
    // The exit has begun (QuitState past Running), or the window has been closed (TickSteps and
    // CorrectionHost).
    bool IsExiting() const override;
    void HideUnderMouseStep(int elapsedQuarterSeconds) override;
    void ReadClockTime() override;
    void FollowClockGeometry() override;
    void DrawFace() override;
    void CheckSchedules() override;

    // AlarmHost
    void OpenAlarmWindow() override;
    void CollectIntoOpenAlarmWindow() override;

    // MailRunHost and CorrectionHost (with OpenWindowMask and QuitState shared)
    void OpenMailNotificationWindow() override;
    void RefreshMailNotificationWindow() override;
    void SetRunCommandsEnabled(CommandState state) override;
    void SetMailCheckCommand(CommandState state, const QString& caption) override;
    void SetQuitState(QuitState state) override;
    void ShowMessage(const QString& caption, const QString& text) override;

    // MailSettingsHost
    void ReloadAccountIcons() override;
    void SetMailCheckEnabled(CommandState state) override;
    void ResetMailTickCount() override { mailRun_.ResetMailTickCount(); }
    void RestartMailWatches() override { imapWatches_.Restart(); }

    // OptionFormHost (with SaveSettings and SetDisplayMode shared)
    ClockSettings& WindowSettings() override { return records_.clock; }
    void InvalidatePicture() override;
    void ChooseWindowShape(WindowShape shape) override;
    void DrawFaceNow() override;
    void FitWindowToPicture() override;
    void SetRatioMenuItem(CommandState state) override;
    IconBarSources IconSources() const override;
    QString PictureDataFolder() const override { return services_.dataFolder; }

    // CorrectionHost (with OpenWindowMask, IsExiting, ResetHideDelay and RestartTick shared)
    bool MailCheckRunning() const override;
    void OpenCorrectionResultWindow() override;

    // WindowBandHost
    void ResetHideDelay() override;
    void LeaveTopmostBand() override;
    void RestoreDisplayBand() override;
    void RestartTick() override;

    Qt::Edges ResizeEdgesAt(QPoint local) const;
    void UpdateResizeCursor(Qt::Edges edges);
    PlacementGeometry CurrentPlacementGeometry() const;
    void CarryOut(const PlacementEffects& effects);
    void ApplicationStateChanged(Qt::ApplicationState state);
    void ScreenChanged();
    void StoreWindowGeometry();
    FaceInputs CurrentFaceInputs() const;
    // Composes the face now, whether or not anything changed.
    void RedrawFace();
    void ComposeFace(const FaceInputs& inputs);
    void SetStaysOnTop(bool on);
    bool CursorInsideOuterRectangle() const;
    // After the shape or the size changed.
    void UpdatePointerEventCoverage();
    // The shape's coverage, and whether other windows lie over the clock.
    CursorPresence::EventCoverage PointerEventCoverage();

    void ApplyWindowShape();
    // Fits the client size to the picture's aspect ratio; false when it stays as it is.
    bool FitClientToPicture();
    void SetRatioClick();
    void Menu_ScheCustClick();
    void Menu_DispCustClick();
    void Menu_MailCustClick();
    void Menu_DayTimeCustClick();
    void PP_AboutClick();
    void Menu_CloseClick();
    void Help1Click();

    // Every subsystem and dialog is given this prompt, so nothing blocks the exit.
    ExitAwarePrompt prompt_;
    ClockServices services_;
    SettingsRecords records_;
    TickSequencer tick_;
    SecondaryWindowProtocol windows_;
    HideUnderMouse hideUnderMouse_;
    CursorPresence cursorPresence_;
    CursorPresence::EventCoverage pointerEventCoverage_ =
        CursorPresence::EventCoverage::WholeRectangle; // of the shape alone
    WindowStacking windowStacking_;
    TickTimer drawTimer_;
    ClockJumpWatch clockJumps_;
    // Between the window's enter and leave events.
    bool pointerOverWindow_ = false;
    bool cadenceUpdatePending_ = false;
    FaceRenderer face_;
    FacePresenter presenter_{FrameThickness};
    FaceRedrawPolicy redrawPolicy_;
    ScheduleChecker scheduleChecker_;
    TPop3Client pop3_;
    MailPasswords passwords_;
    MailCheckRun mailRun_;
    ImapWatches imapWatches_;
    std::vector<QImage> accountImages_; // the accounts' own icons, by MailAccount::ImageIndex
    ClockCorrection correction_;
    CorrectionScheduler correctionScheduler_;
    PlacementController placement_;
    PictureDrop pictureDrop_;
    WindowDrag drag_;
    WheelNotches wheelNotches_;
    ClockDialogs dialogs_;
    ClockMenu* menu_ = nullptr;
    TrayIcon* tray_ = nullptr;
    OrderlyExit exit_;

    ClockTime clockTime_;
    QuitState quitState_ = QuitState::Running;
    int exitCode_ = 0;

    std::map<WindowBit, QPointer<QDialog>> openWindows_;

    QImage blank_; // what the window shows before the first face is composed
    int faceDrawCount_ = 0;
};
