// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_export_reader.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER\\software\\Ondrel\\zrbl");

QByteArray Export(const char* body) {
    return QByteArray("Windows Registry Editor Version 5.00\r\n\r\n") + body;
}

const RegistryTree::Value* ValueAt(const RegistryExportReader::Result& result, const QString& key,
                                   const QString& name) {
    const RegistryTree::Key* found = result.tree.Find(key);
    return found == nullptr ? nullptr : RegistryTree::FindValue(*found, name);
}

TEST(SettingsExportReader, ReadsTextsAndDwordsOfEachKey) {
    const auto result = RegistryExportReader::Read(
        Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\r\n"
               "\"Version\"=\"Version4.00\"\r\n"
               "\"Width\"=dword:00000140\r\n"
               "\"Date_x\"=dword:fffffff9\r\n"
               "\r\n"
               "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Image_List]\r\n"
               "\"00\"=\"C:\\\\pic\\\\a \\\"b\\\".jpg\"\r\n"));
    ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(ValueAt(result, Root, "Version")->text, "Version4.00");
    EXPECT_EQ(ValueAt(result, Root, "Width")->integer, 320);
    EXPECT_EQ(ValueAt(result, Root, "Date_x")->integer, -7);
    EXPECT_EQ(ValueAt(result, Root + "\\Image_List", "00")->text, "C:\\pic\\a \"b\".jpg");
}

// Each fault costs only its own line; the values around it survive.
TEST(SettingsExportReader, ToleratesFaultsWithoutLosingTheRest) {
    struct Case {
        const char* title;
        const char* faultyLine;
        int notes;
    };
    const Case cases[] = {
        {"stray line", "this is not a value\n", 1},
        {"dword above 32 bits", "\"Big\"=dword:100000000\n", 1},
        {"dword not a number", "\"Big\"=dword:12zz\n", 1},
        {"empty dword", "\"Big\"=dword:\n", 1},
        {"text without closing quote", "\"Big\"=\"open\n", 1},
        {"name without closing quote", "\"Big=\"x\"\n", 1},
        {"unknown data form", "\"Big\"=qword:1\n", 1},
        {"comment", "; a remark\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const QByteArray body = QByteArray("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                                           "\"Width\"=dword:00000140\n") +
                                c.faultyLine + "\"Height\"=dword:000000c8\n";
        const auto result = RegistryExportReader::Read(Export(body.constData()));
        ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
        EXPECT_EQ(int(result.notes.size()), c.notes);
        if (c.notes > 0) {
            EXPECT_EQ(result.notes.front().line, 5); // header, blank, key, Width, fault
        }
        EXPECT_EQ(ValueAt(result, Root, "Width")->integer, 320);
        EXPECT_EQ(ValueAt(result, Root, "Height")->integer, 200);
        EXPECT_EQ(ValueAt(result, Root, "Big"), nullptr);
    }
}

TEST(SettingsExportReader, LargestDwordIsInRange) {
    const auto result = RegistryExportReader::Read(
        Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n\"Attrib\"=dword:FFFFFFFF\n"));
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(ValueAt(result, Root, "Attrib")->integer, -1);
}

TEST(SettingsExportReader, KeyWithoutClosingBracketIsStillRead) {
    const auto result = RegistryExportReader::Read(Export(
        "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\TimeServer\n\"iPort\"=dword:0000000d\n"));
    ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
    EXPECT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(ValueAt(result, Root + "\\TimeServer", "iPort")->integer, 13);
}

TEST(SettingsExportReader, DuplicateNameLaterEntryWins) {
    const auto result =
        RegistryExportReader::Read(Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                                          "\"Width\"=dword:00000001\n\"width\"=dword:00000002\n"));
    const RegistryTree::Key* key = result.tree.Find(Root);
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(key->values.size(), 1u);
    EXPECT_EQ(key->values.front().integer, 2);
    EXPECT_EQ(key->values.front().name, "Width"); // the first spelling stays
}

TEST(SettingsExportReader, ValueBeforeAnyKeyIsSkipped) {
    const auto result = RegistryExportReader::Read(
        Export("\"Lost\"=dword:00000001\n[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
               "\"Kept\"=dword:00000002\n"));
    ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
    EXPECT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(ValueAt(result, Root, "Kept")->integer, 2);
    EXPECT_EQ(ValueAt(result, Root, "Lost"), nullptr);
}

TEST(SettingsExportReader, OtherKindsKeepTheirLinesVerbatim) {
    const auto result =
        RegistryExportReader::Read(Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                                          "\"Blob\"=hex:01,02,\\\n  03,04\n"
                                          "\"Path\"=hex(2):25,00,00,00\n"
                                          "\"After\"=dword:00000007\n"));
    ASSERT_TRUE(result.notes.empty());
    const RegistryTree::Value* blob = ValueAt(result, Root, "Blob");
    ASSERT_NE(blob, nullptr);
    EXPECT_EQ(blob->kind, RegistryTree::DataKind::Other);
    EXPECT_EQ(blob->verbatim, "\"Blob\"=hex:01,02,\\\n  03,04");
    EXPECT_EQ(ValueAt(result, Root, "Path")->kind, RegistryTree::DataKind::Other);
    EXPECT_EQ(ValueAt(result, Root, "After")->integer, 7);
}

TEST(SettingsExportReader, HexTextAndHexDwordAreReadable) {
    // "A\r\nB" as REG_SZ in UTF-16LE with its terminator; 0x12345678 as REG_DWORD.
    const auto result =
        RegistryExportReader::Read(Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                                          "\"Message\"=hex(1):41,00,0d,00,0a,00,\\\n  42,00,00,00\n"
                                          "\"Number\"=hex(4):78,56,34,12\n"));
    EXPECT_EQ(ValueAt(result, Root, "Message")->kind, RegistryTree::DataKind::Text);
    EXPECT_EQ(ValueAt(result, Root, "Message")->text, "A\r\nB");
    EXPECT_EQ(ValueAt(result, Root, "Number")->integer, 0x12345678);
}

TEST(SettingsExportReader, DeletionEntriesRemoveWhatCameBefore) {
    const auto result = RegistryExportReader::Read(
        Export("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm00]\n\"Hour\"=dword:00000001\n"
               "[-HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Alarm00]\n"
               "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n\"Width\"=dword:1\n\"Width\"=-\n"));
    EXPECT_FALSE(result.tree.Exists(Root + "\\Alarm00"));
    // A key that would read as a deletion once written back is not taken.
    const auto odd = RegistryExportReader::Read(Export("[\\-odd]\n\"A\"=dword:1\n"));
    EXPECT_FALSE(odd.tree.Exists("-odd"));
    EXPECT_EQ(odd.notes.size(), 2u);
    EXPECT_EQ(ValueAt(result, Root, "Width"), nullptr);
}

TEST(SettingsExportReader, AcceptsTheWindowsEditorEncodings) {
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\Software\\Ondrel\\zrbl]\r\n"
                                        "\"FontName\"=\"ＭＳ Ｐ明朝\"\r\n");
    struct Case {
        const char* title;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-16LE with BOM",
         QByteArray("\xFF\xFE") + QStringEncoder(QStringEncoder::Utf16LE)(text)},
        {"UTF-16BE with BOM",
         QByteArray("\xFE\xFF") + QStringEncoder(QStringEncoder::Utf16BE)(text)},
        {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"UTF-8", text.toUtf8()},
        {"code page 932", QStringEncoder("Shift_JIS")(text)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const auto result = RegistryExportReader::Read(c.bytes);
        ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
        // The key is found whatever the case of its path.
        const RegistryTree::Value* font = ValueAt(result, Root, "fontname");
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->text, QStringLiteral("ＭＳ Ｐ明朝"));
    }
}

TEST(SettingsExportReader, RefusesWhatIsNoRegistryExport) {
    struct Case {
        const char* title;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"no header", QByteArray("[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n\"A\"=\"b\"\n")},
        {"binary", QByteArray("\x00\x01\x02\xFF\xD8\xFF\xE0", 7)},
        {"header then garbage", QByteArray("REGEDIT4\n%%%%\n@@@@\n")},
        {"odd UTF-16", QByteArray("\xFF\xFE\x41", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(RegistryExportReader::Read(c.bytes).outcome,
                  RegistryExportReader::Outcome::Unreadable);
    }
}

} // namespace
