#pragma once

#include <QObject>
#include <functional>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon with the tip "Zorbel". Every event on it gives the clock
// window the focus; a right-button press opens the popup menu unless a secondary window is
// open. Where the desktop has no notification area the clock runs without it.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(QMenu* menu, std::function<bool()> menuAllowed, QObject* parent);

    void Add();
    void Remove();
    bool IsShown() const;

Q_SIGNALS:
    void Activated();

private:
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_;
    std::function<bool()> menuAllowed_;
};
