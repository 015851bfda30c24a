// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The settings name the fonts of the Windows edition ("ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック" and
// their fixed-pitch forms). Maps them to the IPA fonts with the same metrics so that Japanese
// text and numerals render as glyphs. Call once after the QGuiApplication exists.
void InstallFontSubstitutions();
