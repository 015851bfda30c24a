#pragma once

#include <QIcon>

// The program's own icon, for the tray and the windows' title bars.
QIcon ProgramIcon();
