// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings_layout.h"

#include "core/certificate_fingerprint.h"

namespace {

using ClockField = SettingsField<ClockSettings>;
using C = ClockSettings;

// Defaults written on a first start; the stored layout of the main key.
const ClockField ClockFields[] = {
    {.name = u"Version", .member = &C::Version, .textDefault = u"Version4.00"},
    {.name = u"Width", .member = &C::Width, .integerDefault = 320},
    {.name = u"Height", .member = &C::Height, .integerDefault = 200},
    {.name = u"Top", .member = &C::Top, .derived = DerivedDefault::ScreenTop},
    {.name = u"Left", .member = &C::Left, .derived = DerivedDefault::ScreenLeft},
    {.name = u"Attrib",
     .member = &C::Attrib,
     .integerDefault = DefaultAttrib,
     .inMemory = DefaultInMemory::AlsoInRecord},
    {.name = u"WindowHideInterval", .member = &C::WindowHideInterval},
    {.name = u"SL_Color", .member = &C::SL_Color, .integerDefault = 0xC0C0C0},
    {.name = u"SL_In_Color", .member = &C::SL_In_Color, .integerDefault = 0x0000FF},
    {.name = u"SL_Size", .member = &C::SL_Size, .integerDefault = 10},
    {.name = u"SE_Color", .member = &C::SE_Color, .integerDefault = 0xC0C0C0},
    {.name = u"SE_In_Color", .member = &C::SE_In_Color, .integerDefault = 0x0000FF},
    {.name = u"SE_Size", .member = &C::SE_Size, .integerDefault = 10},
    {.name = u"SS_Color", .member = &C::SS_Color, .integerDefault = 0xFFFFFF},
    {.name = u"SS_Size", .member = &C::SS_Size, .integerDefault = 1},
    {.name = u"SM_Color", .member = &C::SM_Color, .integerDefault = 0xFFFF00},
    {.name = u"SM_Point_Color", .member = &C::SM_Point_Color, .integerDefault = 0x00FFFF},
    {.name = u"Line_Width", .member = &C::Line_Width, .integerDefault = 1},
    {.name = u"Mem_Interval", .member = &C::Mem_Interval, .integerDefault = 1},
    {.name = u"MemPoint_Design", .member = &C::MemPoint_Design},
    {.name = u"BG_Color", .member = &C::BG_Color},
    {.name = u"LongLength", .member = &C::LongLength, .integerDefault = 128},
    {.name = u"ShortLength", .member = &C::ShortLength, .integerDefault = 80},
    {.name = u"SecondLength", .member = &C::SecondLength, .integerDefault = 128},
    {.name = u"HandCenterX", .member = &C::HandCenterX, .integerDefault = 160},
    {.name = u"HandCenterY", .member = &C::HandCenterY, .integerDefault = 100},
    {.name = u"FontName", .member = &C::FontName, .textDefault = u"ＭＳ Ｐ明朝"},
    {.name = u"FontSize", .member = &C::FontSize, .integerDefault = 20},
    {.name = u"FontColor", .member = &C::FontColor, .integerDefault = 0x00FF00},
    {.name = u"FontStyle", .member = &C::FontStyle, .integerDefault = 2},
    {.name = u"CurrentDir", .member = &C::CurrentDir, .derived = DerivedDefault::WorkingDirectory},
    // The time with seconds at size 5 is 236 x 54 pixels and its last figure ends 231 pixels
    // from the left: 80 ends it 8 pixels inside the 320-pixel window, 137 its figures 8
    // pixels above the 200-pixel window's foot.
    {.name = u"Digi_x", .member = &C::Digi_x, .integerDefault = 80},
    {.name = u"Digi_y", .member = &C::Digi_y, .integerDefault = 137},
    {.name = u"Digi_Size", .member = &C::Digi_Size, .integerDefault = 5},
    {.name = u"Digi_Width", .member = &C::Digi_Width, .integerDefault = 1},
    {.name = u"Digi_Color", .member = &C::Digi_Color, .integerDefault = 0xFF0000},
    {.name = u"Digi_Edge_Color", .member = &C::Digi_Edge_Color, .integerDefault = 0x00FFFF},
    {.name = u"DigiTimeFontName", .member = &C::DigiTimeFontName, .textDefault = u"ＭＳ Ｐ明朝"},
    {.name = u"DigiTimeFontSize", .member = &C::DigiTimeFontSize, .integerDefault = 20},
    {.name = u"DigiTimeFontColor", .member = &C::DigiTimeFontColor, .integerDefault = 0x00FF00},
    {.name = u"DigiTimeFontStyle", .member = &C::DigiTimeFontStyle, .integerDefault = 2},
    {.name = u"DigiTimeDispType", .member = &C::DigiTimeDispType},
    {.name = u"Date_Size", .member = &C::Date_Size, .integerDefault = 5},
    {.name = u"Date_Width", .member = &C::Date_Width, .integerDefault = 1},
    {.name = u"Date_x", .member = &C::Date_x, .integerDefault = std::uint32_t(-7)},
    {.name = u"Date_y", .member = &C::Date_y, .integerDefault = 10},
    {.name = u"Date_Color", .member = &C::Date_Color, .integerDefault = 0xFF0000},
    {.name = u"Date_Edge_Color", .member = &C::Date_Edge_Color, .integerDefault = 0x00FFFF},
    {.name = u"DigiDateFontName", .member = &C::DigiDateFontName, .textDefault = u"ＭＳ Ｐ明朝"},
    {.name = u"DigiDateFontSize", .member = &C::DigiDateFontSize, .integerDefault = 20},
    {.name = u"DigiDateFontColor", .member = &C::DigiDateFontColor, .integerDefault = 0x00FF00},
    {.name = u"DigiDateFontStyle", .member = &C::DigiDateFontStyle, .integerDefault = 2},
    {.name = u"DigiDateDispType", .member = &C::DigiDateDispType},
    {.name = u"Timer", .member = &C::Timer},
    {.name = u"Form_Style", .member = &C::Form_Style, .integerDefault = 2},
    {.name = u"Image_File", .member = &C::Image_File, .textDefault = u"sample.jpg"},
    {.name = u"ImageListCounter", .member = &C::ImageListCounter, .integerDefault = 1},
    {.name = u"Form_Window_Type", .member = &C::Form_Window_Type},
    {.name = u"Rect_Raund_Size", .member = &C::Rect_Raund_Size, .integerDefault = 5},
    {.name = u"WindowEdgeSize", .member = &C::WindowEdgeSize, .integerDefault = 2},
    {.name = u"WindowEdgeColor",
     .member = &C::WindowEdgeColor,
     .integerDefault = SystemColour::ActiveBorder},
    {.name = u"WindowEdgeShadowSize", .member = &C::WindowEdgeShadowSize, .integerDefault = 1},
    {.name = u"WindowEdgeShadowColor", .member = &C::WindowEdgeShadowColor},
    {.name = u"IconBkColor", .member = &C::IconBkColor, .integerDefault = SystemColour::ButtonFace},
    {.name = u"IconBarX", .member = &C::IconBarX},
    {.name = u"IconBarY", .member = &C::IconBarY},
    {.name = u"IconHeight", .member = &C::IconHeight},
    {.name = u"IconWidth", .member = &C::IconWidth},
    {.name = u"IconBarWidth", .member = &C::IconBarWidth},
    {.name = u"MailCheckAttr", .member = &C::MailCheckAttr},
    {.name = u"AccountListCount", .member = &C::AccountListCount},
    {.name = u"Checkinterval", .member = &C::Checkinterval},
    {.name = u"MailSound", .member = &C::MailSound},
};

using AlarmField = SettingsField<ScheduleEntry>;
using S = ScheduleEntry;

const AlarmField AlarmFields[] = {
    {.name = u"Check_Patt", .member = &S::Check_Patt},
    {.name = u"Attribute", .member = &S::Attribute},
    {.name = u"Year", .member = &S::Year, .integerDefault = 255},
    {.name = u"Month", .member = &S::Month, .integerDefault = 255},
    {.name = u"Day", .member = &S::Day, .integerDefault = 255},
    {.name = u"Week", .member = &S::Week},
    {.name = u"Hour", .member = &S::Hour},
    {.name = u"Min", .member = &S::Min},
    {.name = u"SoundFile", .member = &S::SoundFile},
    {.name = u"Message", .member = &S::Message},
    {.name = u"APL_Name", .member = &S::APL_Name},
    {.name = u"APL_File", .member = &S::APL_File},
    {.name = u"APL_Dir", .member = &S::APL_Dir},
    {.name = u"APL_Opt", .member = &S::APL_Opt},
    {.name = u"APL_Type", .member = &S::APL_Type, .integerDefault = 255},
};

using AccountField = SettingsField<MailAccount>;
using M = MailAccount;

std::int32_t StoredSecurity(std::int32_t stored) {
    return KnownSecurity(stored);
}

std::int32_t StoredProtocol(std::int32_t stored) {
    return KnownProtocol(stored);
}

QString StoredMailbox(const QString& stored) {
    return MailboxOrInbox(stored);
}

const AccountField AccountFields[] = {
    {.name = u"Attribute", .member = &M::Attribute},
    {.name = u"Account", .member = &M::Account},
    {.name = u"UserID", .member = &M::UserID},
    {.name = u"PassWord", .member = &M::PassWord},
    {.name = u"POP3", .member = &M::POP3},
    {.name = u"Port", .member = &M::Port, .integerDefault = 110},
    {.name = u"TextColor", .member = &M::TextColor},
    {.name = u"TextBKColor", .member = &M::TextBKColor, .integerDefault = 0xFFFFFF},
    {.name = u"ImageFile", .member = &M::ImageFile},
    {.name = u"TimeOut", .member = &M::TimeOut, .integerDefault = 10000},
    {.name = u"Mailer", .member = &M::Mailer},
    // Older layouts lack these; they are written by every save but never as a default.
    {.name = u"MailSound", .member = &M::MailSound, .writing = DefaultWriting::Never},
    {.name = u"Security",
     .member = &M::Security,
     .integerDefault = NoSecurity,
     .writing = DefaultWriting::Never,
     .readInteger = &StoredSecurity},
    {.name = u"TrustedCertificate",
     .member = &M::TrustedCertificate,
     .writing = DefaultWriting::Never,
     .readText = &CertificateFingerprint::Normalised},
    {.name = u"TrustedServer", .member = &M::TrustedServer, .writing = DefaultWriting::Never},
    {.name = u"Protocol",
     .member = &M::Protocol,
     .integerDefault = Pop3Protocol,
     .writing = DefaultWriting::Never,
     .readInteger = &StoredProtocol},
    {.name = u"Mailbox",
     .member = &M::Mailbox,
     .textDefault = u"INBOX",
     .writing = DefaultWriting::Never,
     .readText = &StoredMailbox},
};

using TimeServerField = SettingsField<TimeServerSettings>;
using T = TimeServerSettings;

const TimeServerField TimeServerFields[] = {
    {.name = u"Index", .member = &T::Index},
    {.name = u"Attribute", .member = &T::Attribute, .integerDefault = 2},
    {.name = u"Pattern", .member = &T::Pattern},
    {.name = u"Day", .member = &T::Day, .integerDefault = 1},
    {.name = u"Week", .member = &T::Week, .integerDefault = 1},
    {.name = u"Hour", .member = &T::Hour},
    {.name = u"Min", .member = &T::Min},
    {.name = u"Interval_Hour", .member = &T::Interval_Hour},
    {.name = u"Interval_Min", .member = &T::Interval_Min},
    {.name = u"asHostName", .member = &T::asHostName},
    {.name = u"iPort", .member = &T::iPort, .integerDefault = 13},
    {.name = u"iiTimeOut", .member = &T::iiTimeOut, .integerDefault = 5000},
    {.name = u"Protocol", .member = &T::Protocol},
};

QString TwoDigits(int index) {
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace

const SettingsFieldTable<ClockSettings>& SettingsLayout::ClockValues() {
    static const SettingsFieldTable<ClockSettings> table{ClockFields};
    return table;
}

const SettingsFieldTable<ScheduleEntry>& SettingsLayout::AlarmValues() {
    static const SettingsFieldTable<ScheduleEntry> table{AlarmFields};
    return table;
}

const SettingsFieldTable<MailAccount>& SettingsLayout::AccountValues() {
    static const SettingsFieldTable<MailAccount> table{AccountFields};
    return table;
}

const SettingsFieldTable<TimeServerSettings>& SettingsLayout::TimeServerValues() {
    static const SettingsFieldTable<TimeServerSettings> table{TimeServerFields};
    return table;
}

QString SettingsLayout::AlarmKey(int index) {
    return QStringLiteral("Alarm") + TwoDigits(index);
}

QString SettingsLayout::AccountKey(int index) {
    return QStringLiteral("Account") + TwoDigits(index);
}

QString SettingsLayout::PictureValueName(int index) {
    return TwoDigits(index);
}
