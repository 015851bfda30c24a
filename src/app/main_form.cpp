// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_form.h"

#include "app/clock_menu.h"
#include "app/settings_persistence.h"
#include "app/tray_icon.h"
#include "app/window_frame.h"
#include "app/window_shape.h"
#include "core/event_wait.h"
#include "dialogs/dialog_look.h"
#include "face/aspect_fit.h"
#include "face/clock_size_rules.h"
#include "mail/account_icons.h"
#include "platform/clock_source.h"
#include "platform/display_platform.h"
#include "platform/help_viewer.h"
#include "platform/legacy_cleanup.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTransform>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <qdrawutil.h>

namespace {

// How often a menu handler that waits for the mail run looks whether it has ended. The run
// ends in a tick, which no signal announces; between looks the wait sleeps.
constexpr std::chrono::milliseconds MailRunLookInterval{50};

// How long the end of the program waits for the keyring to take the passwords the last save
// moves; those it has not taken by then stay in the settings file until the next run.
constexpr std::chrono::milliseconds KeyringGraceAtExit{3000};

} // namespace

TMainForm::TMainForm(ClockServices services, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), prompt_(services.prompt),
      services_(services), tick_(*this), windows_(*this, prompt_),
      // Another window over the clock may hide the pointer's arrival from the events.
      windowStacking_([this] { RequestCadenceUpdate(); }),
      drawTimer_([this] { return services_.clock.MillisecondsSinceEpoch(); },
                 [this](int elapsedQuarterSeconds) { DrawTimerTimer(elapsedQuarterSeconds); }),
      face_(services.dataFolder), scheduleChecker_(records_.schedules, *this),
      passwords_(services.keyring, records_.accounts),
      mailRun_(records_.accounts, records_.clock, pop3_, passwords_, services.dialUp, *this),
      imapWatches_(records_.accounts, records_.clock, passwords_,
                   [this](int slot) { mailRun_.RequestAccountCheck(slot); }),
      correction_(records_.timeServer, *this, prompt_, services.dialUp, services.clockSetter),
      correctionScheduler_(records_.timeServer, clockTime_, *this, services.dialUp, correction_),
      placement_(records_.clock, [this] { return tick_.IsRunning(); }),
      pictureDrop_(records_.clock, prompt_), drag_(*this),
      dialogs_(records_, services_, prompt_, clockTime_, mailRun_, passwords_, correction_,
               ClockDialogs::Hosts{*this, *this, *this, *this}),
      exit_(
          pop3_,
          [this] {
              return (!pop3_.Connected() || quitState_ == QuitState::MailStopped) &&
                     imapWatches_.AllStopped();
          },
          [this] {
              quitState_ = QuitState::MailStopped;
              QCoreApplication::exit(exitCode_);
          }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zorbel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The limits of the outer rectangle when the user resizes the clock.
    setMinimumSize(10, 10);
    setMaximumSize(640, 480);
    setMouseTracking(true);
    setFont(DialogFont());

    menu_ = new ClockMenu(this);
    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::Activated, this, [this] { activateWindow(); });
    connect(tray_, &TrayIcon::ContextRequested, this, &TMainForm::TrayContextRequested);
    // A clock set by hand, by a correction or by a resume shows its new time at once.
    connect(&clockJumps_, &ClockJumpWatch::Jumped, this, [this] { drawTimer_.Realign(); });
    ConnectMenu();
    // Losing activation ends the placement of a face part as a double-click does.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &TMainForm::ApplicationStateChanged);
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::DrawTimerTimer(int elapsedQuarterSeconds) {
    tick_.DrawTimerTimer(elapsedQuarterSeconds);
    UpdateTickCadence();
}

TickCadence::Reasons TMainForm::QuarterSecondReasons() {
    TickCadence::Facts facts;
    facts.startingUp = !tick_.IsRunning();
    facts.pointerOverWindow = pointerOverWindow_;
    facts.hidingUnderMouse = records_.clock.Has(MouseHide);
    // Asked only when it matters: it may cost a round trip to the window system.
    facts.pointerEventsCoverWindow =
        !facts.hidingUnderMouse ||
        PointerEventCoverage() == CursorPresence::EventCoverage::WholeRectangle;
    facts.raised = hideUnderMouse_.Raised();
    facts.hideDelayRunning = hideUnderMouse_.DelayRunning();
    facts.placingPart = placement_.Mode() != PlacementNone;
    facts.mailCheck =
        mailRun_.MailCheckRunning() || mailRun_.MailCheckForced() || mailRun_.MailNotifyPending();
    const CorrectionState& correction = correction_.State();
    facts.correction = correction.AnyRunInProgress() || correction.correctionDeferred;
    facts.windowOpen = windows_.AnyOpen();
    return TickCadence::ReasonsFor(facts);
}

void TMainForm::UpdateTickCadence() {
    drawTimer_.SetRate(TickCadence::RateFor(QuarterSecondReasons()));
}

void TMainForm::RequestCadenceUpdate() {
    if (cadenceUpdatePending_) {
        return;
    }
    cadenceUpdatePending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            cadenceUpdatePending_ = false;
            UpdateTickCadence();
        },
        Qt::QueuedConnection);
}

void TMainForm::FormCreate() {
    PaintButtonFace();
    setAcceptDrops(true);
    tray_->Add();

    RemoveLegacyUninstallEntry();
    services_.settings.EnsureDefaults(records_);
    services_.settings.LoadSettings(records_);
    // Only a clock that checks mail asks about the keyring at start: one without accounts
    // never loads the keyring's libraries nor keeps their threads and bus connection.
    if (!MailPasswords::EntriesInUse(records_.accounts).isEmpty()) {
        passwords_.Probe();
    }

    PlaceWindow();
    SetDisplayMode(DisplayModeFromAttrib());
    ApplyZOrder(DisplayModeFromAttrib());
    ChooseWindowShape(StoredWindowShape(records_.clock.Form_Window_Type));

    accountImages_ = LoadAccountIcons(records_.accounts, records_.clock);
    menu_->Menu_MailCheck->setEnabled(records_.clock.AccountListCount > 0);

    face_.SetFirstDraw();
    quitState_ = QuitState::Running;
    mailRun_.ResetMailTickCount();
    imapWatches_.Restart();
    correction_.State() = CorrectionState();
    drawTimer_.Start();
}

void TMainForm::PlaceWindow() {
    ClockSettings& clock = records_.clock;
    ResizeClient(QSize(clock.Width, clock.Height));
    QPoint position(clock.Left, clock.Top);
    const QRect wanted(position, size());
    bool onSomeScreen = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        onSomeScreen = onSomeScreen || screen->geometry().intersects(wanted);
    }
    if (!onSomeScreen && QGuiApplication::primaryScreen() != nullptr) {
        // A clock stored on a screen that is gone comes back where a first start puts it,
        // on the primary screen wherever that lies among the others.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        position = screen.topLeft() + QPoint(screen.width() / 2 - 160, screen.height() / 2 - 100);
    }
    move(position);
}

void TMainForm::ConnectMenu() {
    connect(menu_->WinNorm, &QAction::triggered, this, [this] {
        ApplyZOrder(DisplayMode::Normal);
        SetDisplayMode(DisplayMode::Normal);
    });
    connect(menu_->WinTop, &QAction::triggered, this, [this] {
        ApplyZOrder(DisplayMode::TopMost);
        SetDisplayMode(DisplayMode::TopMost);
    });
    connect(menu_->WinHide, &QAction::triggered, this, [this] {
        ApplyZOrder(DisplayMode::MouseHide);
        SetDisplayMode(DisplayMode::MouseHide);
    });
    connect(menu_->WinStyle_Normal, &QAction::triggered, this,
            [this] { ChooseWindowShape(WindowShape::Rectangle); });
    connect(menu_->WinStyle_Ellipse, &QAction::triggered, this,
            [this] { ChooseWindowShape(WindowShape::Ellipse); });
    connect(menu_->WinStyle_RoundRect, &QAction::triggered, this,
            [this] { ChooseWindowShape(WindowShape::RoundedRectangle); });
    connect(menu_->SetRatio, &QAction::triggered, this, &TMainForm::SetRatioClick);
    connect(menu_->Menu_ScheCust, &QAction::triggered, this, &TMainForm::Menu_ScheCustClick);
    connect(menu_->Menu_DispCust, &QAction::triggered, this, &TMainForm::Menu_DispCustClick);
    connect(menu_->Menu_MailCust, &QAction::triggered, this, &TMainForm::Menu_MailCustClick);
    connect(menu_->Menu_MailCheck, &QAction::triggered, this,
            [this] { mailRun_.Menu_MailCheckClick(); });
    connect(menu_->Menu_DayTimeCust, &QAction::triggered, this, &TMainForm::Menu_DayTimeCustClick);
    connect(menu_->PP_DayTime, &QAction::triggered, this,
            [this] { correction_.PP_DayTimeClick(); });
    connect(menu_->PP_DayTimeCheck, &QAction::triggered, this,
            [this] { correction_.PP_DayTimeCheckClick(); });
    connect(menu_->PP_About, &QAction::triggered, this, &TMainForm::PP_AboutClick);
    connect(menu_->Help1, &QAction::triggered, this, &TMainForm::Help1Click);
    connect(menu_->Menu_Close, &QAction::triggered, this, &TMainForm::Menu_CloseClick);
}

// ---- Window shape ----

void TMainForm::ChooseWindowShape(WindowShape shape) {
    records_.clock.Form_Window_Type = StoredNumber(shape);
    menu_->CheckWindowShape(shape);
    ApplyWindowShape();
}

void TMainForm::ApplyWindowShape() {
    const bool wasVisible = isVisible();
    hide();
    const int frame = (width() - ClientSize().width()) / 2;
    if (const auto region = WindowShapeRegion(StoredWindowShape(records_.clock.Form_Window_Type),
                                              size(), frame, records_.clock.Rect_Raund_Size)) {
        setMask(*region);
    }
    UpdatePointerEventCoverage();
    if (wasVisible) {
        show();
    }
}

void TMainForm::SetRatioClick() {
    FitClientToPicture();
    ApplyWindowShape();
}

void TMainForm::FitWindowToPicture() {
    FitClientToPicture();
}

bool TMainForm::FitClientToPicture() {
    const auto fitted = FitClientSizeToPicture(records_.clock, face_.PictureSize());
    if (!fitted) {
        return false;
    }
    ResizeClient(*fitted);
    StoreWindowGeometry();
    return true;
}

// ---- The display settings dialog's side of applying ----

void TMainForm::Menu_DispCustClick() {
    OpenSecondaryWindow(DisplaySettingsWindow, [this] { return dialogs_.NewDisplaySettings(); });
}

void TMainForm::InvalidatePicture() {
    face_.InvalidatePicture();
}

void TMainForm::DrawFaceNow() {
    RedrawFace();
}

void TMainForm::SetRatioMenuItem(CommandState state) {
    menu_->SetRatio->setEnabled(IsEnabled(state));
}

IconBarSources TMainForm::IconSources() const {
    return CurrentFaceInputs().iconBar;
}

// ---- The mail check's side of the clock window ----

void TMainForm::Menu_MailCustClick() {
    // A run that is under way finishes first; the clock keeps ticking meanwhile.
    EventWait runEnded;
    const auto outcome = runEnded.Until(
        [this] { return !mailRun_.MailCheckRunning() || IsClosing(); }, MailRunLookInterval);
    if (outcome == EventWait::Outcome::ConditionMet) {
        OpenSecondaryWindow(MailSettingsWindow, [this] { return dialogs_.NewMailSettings(); });
    }
}

void TMainForm::OpenMailNotificationWindow() {
    OpenSecondaryWindow(MailNotificationWindow, [this] { return dialogs_.NewMailNotification(); });
}

void TMainForm::RefreshMailNotificationWindow() {
    if (QDialog* notice = OpenWindow(MailNotificationWindow)) {
        ClockDialogs::RefreshMailNotification(notice);
        notice->activateWindow();
        notice->setFocus();
    }
}

void TMainForm::SetRunCommandsEnabled(CommandState state) {
    menu_->SetRunCommandsEnabled(IsEnabled(state));
    // A mail check or a correction starts or ends.
    RequestCadenceUpdate();
}

void TMainForm::SetMailCheckCommand(CommandState state, const QString& caption) {
    menu_->Menu_MailCheck->setEnabled(IsEnabled(state));
    menu_->Menu_MailCheck->setText(caption);
    RequestCadenceUpdate();
}

void TMainForm::SetQuitState(QuitState state) {
    quitState_ = state;
}

void TMainForm::ShowMessage(const QString& caption, const QString& text) {
    prompt_.ShowMessage(caption, text);
}

void TMainForm::ReloadAccountIcons() {
    accountImages_ = LoadAccountIcons(records_.accounts, records_.clock);
}

void TMainForm::SetMailCheckEnabled(CommandState state) {
    menu_->Menu_MailCheck->setEnabled(IsEnabled(state));
}

// ---- The schedule, correction and about windows and their hosts ----

void TMainForm::Menu_ScheCustClick() {
    OpenSecondaryWindow(ScheduleSettingsWindow, [this] { return dialogs_.NewScheduleSettings(); });
}

void TMainForm::Menu_DayTimeCustClick() {
    if (!correction_.WaitWhileMailRuns()) {
        return;
    }
    OpenSecondaryWindow(CorrectionSettingsWindow,
                        [this] { return dialogs_.NewCorrectionSettings(); });
}

void TMainForm::PP_AboutClick() {
    OpenSecondaryWindow(AboutWindow, [this] { return dialogs_.NewAbout(); });
}

void TMainForm::OpenCorrectionResultWindow() {
    OpenSecondaryWindow(CorrectionResultWindow, [this] { return dialogs_.NewCorrectionResult(); });
}

bool TMainForm::MailCheckRunning() const {
    return mailRun_.MailCheckRunning();
}

void TMainForm::OpenAlarmWindow() {
    OpenSecondaryWindow(AlarmWindow, [this] { return dialogs_.NewAlarm(); });
}

void TMainForm::CollectIntoOpenAlarmWindow() {
    if (QDialog* alarm = OpenWindow(AlarmWindow)) {
        ClockDialogs::CollectDueAlarms(alarm);
        alarm->activateWindow();
        alarm->setFocus();
    }
}

// ---- Display mode and stacking ----

DisplayMode TMainForm::DisplayModeFromAttrib() const {
    if (records_.clock.Has(TopMost)) {
        return DisplayMode::TopMost;
    }
    return records_.clock.Has(MouseHide) ? DisplayMode::MouseHide : DisplayMode::Normal;
}

void TMainForm::SetDisplayMode(DisplayMode mode) {
    ClockSettings& clock = records_.clock;
    clock.Set(TopMost, mode == DisplayMode::TopMost);
    clock.Set(MouseHide, mode == DisplayMode::MouseHide);
    menu_->CheckDisplayMode(mode);
    RequestCadenceUpdate();
}

void TMainForm::ApplyZOrder(DisplayMode mode) {
    SetStaysOnTop(mode == DisplayMode::TopMost);
}

void TMainForm::SetStaysOnTop(bool on) {
    cursorPresence_.Forget();
    // QWindow::setFlag changes the stacking hint without re-creating or hiding the window.
    if (QWindow* window = windowHandle()) {
        window->setFlag(Qt::WindowStaysOnTopHint, on);
    } else {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
    }
    if (on && isVisible()) {
        raise();
    }
}

// ---- Secondary windows ----

void TMainForm::OpenSecondaryWindow(WindowBit bit, const std::function<QDialog*()>& create) {
    // The exit closes every window; none may open behind it.
    if (IsClosing()) {
        return;
    }
    windows_.OpenSecondaryWindow(bit, [this, bit, &create] {
        std::unique_ptr<QDialog> dialog(create());
        if (!dialog) {
            return false;
        }
        QDialog* window = dialog.get();
        openWindows_[bit] = window;
        bool closed = false;
        const auto closeWindow = [this, bit, window, &closed] {
            if (closed) {
                return;
            }
            closed = true;
            // A window of the same kind opened from a nested tick keeps its own entry.
            if (const auto found = openWindows_.find(bit);
                found != openWindows_.end() && found->second == window) {
                openWindows_.erase(found);
            }
            windows_.CloseSecondaryWindow(bit);
        };
        // Every way of closing ends in finished(): the buttons, Esc and the close box. The
        // window counts as closed from then on, even while a tick nested in its loop keeps
        // the loop from returning.
        connect(window, &QDialog::finished, this, closeWindow);
        // Modal: the clock's tick keeps running inside this loop.
        dialog->exec();
        // The program's exit ends the loop without finishing the window.
        closeWindow();
        return true;
    });
}

QDialog* TMainForm::OpenWindow(WindowBit bit) const {
    const auto found = openWindows_.find(bit);
    return found == openWindows_.end() ? nullptr : found->second.data();
}

void TMainForm::ResetHideDelay() {
    hideUnderMouse_.ResetDelay();
}
// A secondary window opens.
void TMainForm::LeaveTopmostBand() {
    SetStaysOnTop(false);
    RequestCadenceUpdate();
}
// The last secondary window has closed.
void TMainForm::RestoreDisplayBand() {
    SetStaysOnTop(records_.clock.Has(TopMost));
    RequestCadenceUpdate();
}
void TMainForm::RestartTick() {
    drawTimer_.Start();
}

// ---- The tick ----

void TMainForm::FollowWindowGeometry() {
    FollowClockGeometry();
    StoreWindowGeometry();
}

void TMainForm::StoreWindowGeometry() {
    ClockSettings& clock = records_.clock;
    // A Wayland client is not told where its window is: the stored place is kept for the
    // next start through X.
    if (!IsWaylandPlatform(QGuiApplication::platformName())) {
        clock.Left = frameGeometry().left();
        clock.Top = frameGeometry().top();
    }
    clock.Width = ClientSize().width();
    clock.Height = ClientSize().height();
}

void TMainForm::PaintButtonFace() {
    blank_ = QImage(ClientSize(), QImage::Format_RGB32);
    blank_.fill(palette().color(QPalette::Button));
}

void TMainForm::RequestRepaint() {
    update();
}

void TMainForm::AdvanceTickCounters(int elapsedQuarterSeconds) {
    correctionScheduler_.AdvanceTickCounter(elapsedQuarterSeconds);
    mailRun_.AdvanceTickCounter(elapsedQuarterSeconds);
}

void TMainForm::MailCheckTick() {
    mailRun_.MailCheckTick();
}

void TMainForm::CheckCorrectionDue() {
    correctionScheduler_.CheckCorrectionDue();
}

bool TMainForm::IsExiting() const {
    return quitState_ != QuitState::Running || IsClosing();
}

QPoint TMainForm::CursorPosition() const {
    return QCursor::pos();
}

bool TMainForm::CursorInsideOuterRectangle() const {
    const QPoint cursor = CursorPosition();
    const QRect outer = frameGeometry();
    // Both ends count as inside.
    return outer.left() <= cursor.x() && cursor.x() <= outer.left() + outer.width() &&
           outer.top() <= cursor.y() && cursor.y() <= outer.top() + outer.height();
}

void TMainForm::UpdatePointerEventCoverage() {
    // The ellipse and the rounded rectangle cut the corners and the frame off; the cursor
    // there counts as inside but never enters the window.
    const QRegion shape = mask();
    pointerEventCoverage_ = shape.isEmpty() || QRegion(rect()).subtracted(shape).isEmpty()
                                ? CursorPresence::EventCoverage::WholeRectangle
                                : CursorPresence::EventCoverage::PartOfRectangle;
    cursorPresence_.Forget();
    RequestCadenceUpdate();
}

CursorPresence::EventCoverage TMainForm::PointerEventCoverage() {
    // A window of another program over the clock hides the cursor from its events as well.
    const QWindow* window = windowHandle();
    if (window == nullptr || windowStacking_.MayBeCovered(*window)) {
        return CursorPresence::EventCoverage::PartOfRectangle;
    }
    return pointerEventCoverage_;
}

void TMainForm::HideUnderMouseStep(int elapsedQuarterSeconds) {
    const bool active = records_.clock.Has(MouseHide) && !windows_.AnyOpen();
    bool inside = false;
    if (active) {
        const auto stacking = hideUnderMouse_.Raised() ? CursorPresence::Stacking::InFront
                                                       : CursorPresence::Stacking::DroppedBehind;
        inside = cursorPresence_.Inside(stacking, PointerEventCoverage(),
                                        [this] { return CursorInsideOuterRectangle(); });
    } else {
        // Events are not followed meanwhile (a modal window blocks them).
        cursorPresence_.Forget();
    }
    switch (hideUnderMouse_.Step(active, inside, records_.clock.WindowHideInterval,
                                 elapsedQuarterSeconds)) {
    case HideUnderMouse::Action::SendToBottom:
        SetStaysOnTop(false);
        lower();
        RedrawFace();
        break;
    case HideUnderMouse::Action::BringToTop:
        SetStaysOnTop(true);
        raise();
        RedrawFace();
        break;
    case HideUnderMouse::Action::None:
        break;
    }
}

void TMainForm::ReadClockTime() {
    clockTime_ = services_.clock.ReadClockTime();
}

void TMainForm::FollowClockGeometry() {
    ApplyClockSizeRules(records_.clock, ClientSize().width(), ClientSize().height());
}

FaceInputs TMainForm::CurrentFaceInputs() const {
    FaceInputs inputs;
    inputs.clientSize = ClientSize();
    inputs.devicePixelRatio = devicePixelRatio();
    inputs.placementMode = placement_.Mode();
    inputs.iconBar.hasScheduleToday = scheduleChecker_.HasScheduleToday(clockTime_);
    inputs.iconBar.mailTickCount = mailRun_.MailTickCount();
    inputs.iconBar.mailCheckRunning = mailRun_.MailCheckRunning();
    inputs.iconBar.accountImages = &accountImages_;
    inputs.iconBar.manualCorrectionRunning = correction_.State().manualCorrectionRunning;
    inputs.iconBar.correctionError = correction_.State().correctionError == CorrectionError::Failed;
    inputs.iconBar.accounts = &records_.accounts;
    inputs.iconBar.accountListCount = records_.clock.AccountListCount;
    return inputs;
}

void TMainForm::DrawFace() {
    const FaceInputs inputs = CurrentFaceInputs();
    // The tick composes only when the picture would change.
    if (redrawPolicy_.NeedsCompose(records_.clock, clockTime_, inputs)) {
        ComposeFace(inputs);
    }
}

void TMainForm::RedrawFace() {
    ComposeFace(CurrentFaceInputs());
}

void TMainForm::ComposeFace(const FaceInputs& inputs) {
    ++faceDrawCount_;
    // The first draw shows only the background colour, so the next tick must draw again.
    const bool firstDraw = face_.IsFirstDraw();
    const QRegion changed = face_.Update(records_.clock, clockTime_, inputs);
    face_.Layout().StoreIn(records_.clock);
    if (firstDraw) {
        redrawPolicy_.Forget();
    } else {
        redrawPolicy_.Remember(records_.clock, clockTime_, inputs);
    }
    // Only what changed is painted and sent to the display.
    const QRegion onWindow = changed.translated(FrameThickness, FrameThickness);
    if (!presenter_.PresentNow(*this, face_.Image(), onWindow)) {
        update(onWindow);
    }
}

void TMainForm::CheckSchedules() {
    scheduleChecker_.CheckSchedules(clockTime_.year, clockTime_.month, clockTime_.day,
                                    clockTime_.hour, clockTime_.minute);
}

// ---- Window events ----

QSize TMainForm::ClientSize() const {
    return (size() - QSize(2 * FrameThickness, 2 * FrameThickness)).expandedTo(QSize(1, 1));
}

void TMainForm::ResizeClient(QSize client) {
    resize(client + QSize(2 * FrameThickness, 2 * FrameThickness));
}

Qt::Edges TMainForm::ResizeEdgesAt(QPoint local) const {
    // Only the rectangle shows its frame; the other shapes cut it off.
    return StoredWindowShape(records_.clock.Form_Window_Type) == WindowShape::Rectangle
               ? FrameEdgesAt(local, size())
               : Qt::Edges();
}

void TMainForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect client(QPoint(FrameThickness, FrameThickness), ClientSize());
    if (!client.contains(event->rect())) {
        const QBrush buttonFace = palette().brush(QPalette::Button);
        qDrawWinPanel(&painter, rect(), palette(), false, &buttonFace);
    }
    const QImage& shown = faceDrawCount_ > 0 ? face_.Image() : blank_;
    if (shown.isNull()) {
        return;
    }
    if (shown.devicePixelRatio() != devicePixelRatio()) {
        // Drawn for another screen: shown at its logical size until the next draw.
        painter.drawImage(QRectF(client.topLeft(), shown.deviceIndependentSize()), shown);
        return;
    }
    presenter_.Paint(painter, shown, event->region());
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        activateWindow();
        ShowPopupMenu();
        return;
    }
    if (event->button() == Qt::LeftButton && placement_.Mode() == PlacementNone) {
        drag_.Press(event, ResizeEdgesAt(event->position().toPoint()));
    }
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    if (placement_.Mode() != PlacementNone) {
        CarryOut(placement_.MouseMove(CurrentPlacementGeometry()));
        return;
    }
    if (!drag_.Move(event)) {
        UpdateResizeCursor(ResizeEdgesAt(event->position().toPoint()));
    }
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drag_.Release();
    }
}

void TMainForm::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        drag_.Release();
        CarryOut(placement_.DoubleClick(CurrentPlacementGeometry()));
    }
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    const int notches = wheelNotches_.Add(event->angleDelta().y());
    const auto step = notches > 0 ? PlacementController::SizeStep::Larger
                                  : PlacementController::SizeStep::Smaller;
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        CarryOut(placement_.ChangeSize(step, CurrentPlacementGeometry()));
    }
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    CarryOut(placement_.KeyDown(event->key(), CurrentPlacementGeometry()));
}

void TMainForm::ApplicationStateChanged(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive && placement_.Mode() != PlacementNone) {
        CarryOut(placement_.Deactivated(CurrentPlacementGeometry()));
    }
}

PlacementGeometry TMainForm::CurrentPlacementGeometry() const {
    PlacementGeometry geometry;
    geometry.cursor = QCursor::pos();
    geometry.windowTopLeft = frameGeometry().topLeft();
    geometry.frame = FrameThickness;
    geometry.clientSize = ClientSize();
    geometry.timeSize = face_.Layout().timeSize;
    geometry.dateSize = face_.Layout().dateSize;
    return geometry;
}

void TMainForm::CarryOut(const PlacementEffects& effects) {
    switch (effects.tick) {
    case PlacementEffects::Tick::Stop:
        drawTimer_.Stop();
        RequestCadenceUpdate();
        break;
    case PlacementEffects::Tick::Restart:
        drawTimer_.Start();
        RequestCadenceUpdate();
        break;
    case PlacementEffects::Tick::Keep:
        break;
    }
    if (effects.redraw) {
        RedrawFace();
    }
    // Asked for after the redraw: a new digit size changes the box the cursor goes to.
    if (effects.cursor == PlacementEffects::Cursor::ToPartCentre) {
        QCursor::setPos(placement_.PartCentreOnScreen(CurrentPlacementGeometry()));
    }
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // The program the drag comes from holds the pointer, so the window hears of the cursor
    // only through the drag.
    cursorPresence_.Forget();
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void TMainForm::dragLeaveEvent(QDragLeaveEvent* event) {
    QWidget::dragLeaveEvent(event);
    cursorPresence_.Forget();
}

void TMainForm::dropEvent(QDropEvent* event) {
    cursorPresence_.Forget();
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        paths.push_back(url.toLocalFile());
    }
    event->acceptProposedAction();
    TakeDroppedFiles(paths);
}

void TMainForm::TakeDroppedFiles(const QStringList& paths) {
    const PictureDropEffects effects = pictureDrop_.Take(paths);
    if (effects.reloadPicture) {
        face_.InvalidatePicture();
        if (!face_.EnsurePictureLoaded(records_.clock.Image_File)) {
            records_.clock.Set(NoImage, true);
        }
        RedrawFace();
    }
    if (effects.enableSetRatio) {
        menu_->SetRatio->setEnabled(true);
    }
}

void TMainForm::UpdateResizeCursor(Qt::Edges edges) {
    const bool leftOrRight = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool topOrBottom = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (leftOrRight && topOrBottom) {
        const bool falling =
            edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        setCursor(falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor);
    } else if (leftOrRight) {
        setCursor(Qt::SizeHorCursor);
    } else if (topOrBottom) {
        setCursor(Qt::SizeVerCursor);
    } else {
        unsetCursor();
    }
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    cursorPresence_.Forget();
}

void TMainForm::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    cursorPresence_.Forget();
    pointerOverWindow_ = true;
    RequestCadenceUpdate();
}

void TMainForm::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    cursorPresence_.Forget();
    pointerOverWindow_ = false;
    RequestCadenceUpdate();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    cursorPresence_.Forget();
    if (QWindow* window = windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &TMainForm::ScreenChanged,
                Qt::UniqueConnection);
    }
}

void TMainForm::ScreenChanged() {
    // The new screen may have another pixel density: the face is drawn again for it at once,
    // also while a part is being placed and the tick stands still.
    if (faceDrawCount_ > 0) {
        RedrawFace();
    }
    update();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdatePointerEventCoverage();
    if (!tick_.IsRunning()) {
        return;
    }
    FollowWindowGeometry();
    RedrawFace();
}

void TMainForm::ShowPopupMenu() {
    menu_->Menu()->popup(QCursor::pos());
}

void TMainForm::TrayContextRequested() {
    activateWindow();
    if (!windows_.AnyOpen() && !IsClosing()) {
        ShowPopupMenu();
    }
}

// ---- Help and exit ----

void TMainForm::Help1Click() {
    services_.help.ShowTopic(100);
}

void TMainForm::Menu_CloseClick() {
    quitState_ = QuitState::ExitChosen;
    close();
}

SaveResult TMainForm::SaveSettings() {
    passwords_.BeforeSave();
    const SaveResult saved = services_.settings.SaveSettings(records_);
    if (saved.Ok()) {
        // A failed save of the file without the moved passwords leaves them in the file, as
        // before the move; the next save reports it.
        passwords_.AfterSave([this] { SaveSettings(); });
    }
    return saved;
}

void TMainForm::FinishKeyringCalls() {
    passwords_.Finish(KeyringGraceAtExit);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (IsClosing()) {
        return;
    }
    // From here on no message box or question may hold the exit up.
    prompt_.Silence();
    drawTimer_.Stop();
    tray_->Remove();
    StoreWindowGeometry();
    if (const SaveResult saved = SaveSettings(); !saved.Ok()) {
        // No window may hold the exit up any more; the terminal and the exit code tell.
        std::fprintf(stderr, "zorbel: %s\n", saved.LogText().toLocal8Bit().constData());
        std::fflush(stderr);
        exitCode_ = ExitCodeSaveFailed;
    }
    // The exit ends every pending wait; a close may arrive inside one, so it never waits
    // here, where the wait around it could not go on.
    imapWatches_.StopAll(ImapWatches::ExitLimit);
    exit_.Begin();
}
