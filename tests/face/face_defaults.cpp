// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face_defaults.h"

ClockSettings DefaultFaceSettings() {
    ClockSettings s;
    s.Width = 320;
    s.Height = 200;
    s.Attrib = DefaultAttrib;
    s.SL_Color = 0xC0C0C0;
    s.SL_In_Color = 0x0000FF;
    s.SE_Color = 0xC0C0C0;
    s.SE_In_Color = 0x0000FF;
    s.SS_Color = 0xFFFFFF;
    s.SM_Color = 0xFFFF00;
    s.SM_Point_Color = 0x00FFFF;
    s.Line_Width = 1;
    s.Mem_Interval = 1;
    s.MemPoint_Design = 0;
    s.BG_Color = 0;
    s.LongLength = 128;
    s.ShortLength = 80;
    s.SecondLength = 128;
    s.HandCenterX = 160;
    s.HandCenterY = 100;
    s.FontName = QString::fromUtf16(u"ＭＳ Ｐ明朝");
    s.FontSize = 20;
    s.FontColor = 0x00FF00;
    s.FontStyle = 2;
    s.Digi_x = 80;
    s.Digi_y = 137;
    s.Digi_Size = 5;
    s.Digi_Width = 1;
    s.Digi_Color = 0xFF0000;
    s.Digi_Edge_Color = 0x00FFFF;
    s.DigiTimeFontName = s.FontName;
    s.DigiTimeFontSize = 20;
    s.DigiTimeFontColor = 0x00FF00;
    s.DigiTimeFontStyle = 2;
    s.Date_Size = 5;
    s.Date_Width = 1;
    s.Date_x = -7;
    s.Date_y = 10;
    s.Date_Color = 0xFF0000;
    s.Date_Edge_Color = 0x00FFFF;
    s.DigiDateFontName = s.FontName;
    s.DigiDateFontSize = 20;
    s.DigiDateFontColor = 0x00FF00;
    s.DigiDateFontStyle = 2;
    s.Image_File = QStringLiteral("sample.jpg");
    s.ImageListCounter = 1;
    s.pictureList.paths[0] = s.Image_File;
    s.Rect_Raund_Size = 5;
    s.IconBkColor = 0x8000000F;
    return s;
}
