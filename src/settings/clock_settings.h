// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colour.h"

#include <QString>
#include <array>
#include <cstdint>

// Bits of ClockSettings::Attrib.
enum AttribBit : std::uint32_t {
    SecondHandDisp = 0x00000001,
    MemoryDisp = 0x00000002,
    DigiTimeSecDisp = 0x00000010,
    NoImage = 0x00000020,
    StringDisp = 0x00000040,
    DigiDateScene = 0x00000080,
    HandFill = 0x00000100,
    DigiTimeFill = 0x00000200,
    DigiDateFill = 0x00000400,
    DigiAna = 0x00000800,
    AnalogFixWin = 0x00001000,
    AnalogCenter = 0x00002000,
    MouseHide = 0x00004000,
    TopMost = 0x00008000,
    AnalogClear = 0x00010000,
    ClockTranslucentBox = 0x00020000, // only stored: "半透明（時計）"
    DateTranslucentBox = 0x00040000,  // only stored: "半透明（日付）"
    LargeIcon = 0x00080000,
    IconBkFill = 0x00100000,
    DateFont = 0x08000000,
    TimeFont = 0x10000000,
    DigiDateDisp = 0x20000000,
    DigiTimeDisp = 0x40000000,
    AnalogDisp = 0x80000000,
};

constexpr std::uint32_t DefaultAttrib = 0xE0095F13;

// Bit of ClockSettings::MailCheckAttr.
constexpr int PeriodicCheck = 0x2;

// Up to 50 picture paths; ClockSettings::ImageListCounter of them, from slot 0, are in use.
struct PictureList {
    static constexpr int Capacity = 50;
    std::array<QString, Capacity> paths;

    bool operator==(const PictureList&) const = default;
};

// The values of the main settings key; each field is named after its stored value.
struct ClockSettings {
    QString Version;
    int Width = 0;
    int Height = 0;
    int Top = 0;
    int Left = 0;
    std::uint32_t Attrib = 0;
    int WindowHideInterval = 0;
    Colour SL_Color = 0;
    Colour SL_In_Color = 0;
    int SL_Size = 0;
    Colour SE_Color = 0;
    Colour SE_In_Color = 0;
    int SE_Size = 0;
    Colour SS_Color = 0;
    int SS_Size = 0;
    Colour SM_Color = 0;
    Colour SM_Point_Color = 0;
    int Line_Width = 0;
    int Mem_Interval = 0;
    int MemPoint_Design = 0;
    Colour BG_Color = 0;
    int LongLength = 0;
    int ShortLength = 0;
    int SecondLength = 0;
    int HandCenterX = 0;
    int HandCenterY = 0;
    QString FontName;
    int FontSize = 0;
    Colour FontColor = 0;
    int FontStyle = 0;
    QString CurrentDir;
    int Digi_x = 0;
    int Digi_y = 0;
    int Digi_Size = 0;
    int Digi_Width = 0;
    Colour Digi_Color = 0;
    Colour Digi_Edge_Color = 0;
    QString DigiTimeFontName;
    int DigiTimeFontSize = 0;
    Colour DigiTimeFontColor = 0;
    int DigiTimeFontStyle = 0;
    int DigiTimeDispType = 0;
    int Date_Size = 0;
    int Date_Width = 0;
    int Date_x = 0;
    int Date_y = 0;
    Colour Date_Color = 0;
    Colour Date_Edge_Color = 0;
    QString DigiDateFontName;
    int DigiDateFontSize = 0;
    Colour DigiDateFontColor = 0;
    int DigiDateFontStyle = 0;
    int DigiDateDispType = 0;
    int Timer = 0;
    int Form_Style = 0;
    QString Image_File;
    int ImageListCounter = 0;
    int Form_Window_Type = 0;
    int Rect_Raund_Size = 0;
    int WindowEdgeSize = 0;
    Colour WindowEdgeColor = 0;
    int WindowEdgeShadowSize = 0;
    Colour WindowEdgeShadowColor = 0;
    Colour IconBkColor = 0;
    int IconBarX = 0;
    int IconBarY = 0;
    int IconHeight = 0;
    int IconWidth = 0;
    int IconBarWidth = 0;
    int MailCheckAttr = 0;
    int AccountListCount = 0;
    int Checkinterval = 0;
    QString MailSound;

    PictureList pictureList;

    bool operator==(const ClockSettings&) const = default;

    bool Has(AttribBit bit) const { return (Attrib & bit) != 0; }
    void Set(AttribBit bit, bool on) {
        Attrib = on ? (Attrib | bit) : (Attrib & ~std::uint32_t(bit));
    }
};
