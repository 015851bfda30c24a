// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/registry_export_reader.h"
#include "platform/registry_export_writer.h"

#include <gtest/gtest.h>

namespace {

const QString Root = QStringLiteral("HKEY_CURRENT_USER\\software\\Ondrel\\zrbl");

RegistryTree::Value Text(const QString& name, const QString& text) {
    RegistryTree::Value value;
    value.name = name;
    value.kind = RegistryTree::DataKind::Text;
    value.text = text;
    return value;
}

RegistryTree::Value Integer(const QString& name, std::int32_t number) {
    RegistryTree::Value value;
    value.name = name;
    value.kind = RegistryTree::DataKind::Integer;
    value.integer = number;
    return value;
}

TEST(SettingsExportWriter, WritesTheExportLayout) {
    RegistryTree tree;
    RegistryTree::SetValue(tree.Create(Root + "\\Image_List"), Text("00", "sample.jpg"));
    RegistryTree::Key& main = tree.Create(Root);
    RegistryTree::SetValue(main, Text("Version", "Version4.00"));
    RegistryTree::SetValue(main, Integer("Width", 320));
    RegistryTree::SetValue(main, Integer("Date_x", -7));
    RegistryTree::SetValue(main, Text("", "default"));
    EXPECT_EQ(QString::fromUtf8(RegistryExportWriter::Write(tree)),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
              "\"Version\"=\"Version4.00\"\n"
              "\"Width\"=dword:00000140\n"
              "\"Date_x\"=dword:fffffff9\n"
              "@=\"default\"\n\n"
              "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl\\Image_List]\n"
              "\"00\"=\"sample.jpg\"\n\n");
}

TEST(SettingsExportWriter, TextsComeBackExactly) {
    const QString texts[] = {
        QStringLiteral("plain"),
        QStringLiteral("C:\\Program Files\\mail.exe"),
        QStringLiteral("ends with a backslash\\"),
        QStringLiteral("\"quoted\" and \\\"both\\\""),
        QStringLiteral("今日は会議です　ＭＳ Ｐ明朝"),
        QStringLiteral("first line\r\nsecond line\nthird\ttabbed"),
        QStringLiteral("long text with a break\r\n") + QString(200, QChar(u'長')),
        QString(),
    };
    RegistryTree tree;
    RegistryTree::Key& key = tree.Create(Root + "\\Alarm00");
    int index = 0;
    for (const QString& text : texts) {
        RegistryTree::SetValue(key, Text(QStringLiteral("Text%1 \"\\").arg(index++), text));
    }
    const auto result = RegistryExportReader::Read(RegistryExportWriter::Write(tree));
    ASSERT_EQ(result.outcome, RegistryExportReader::Outcome::Parsed);
    EXPECT_TRUE(result.notes.empty());
    const RegistryTree::Key* read = result.tree.Find(Root + "\\Alarm00");
    ASSERT_NE(read, nullptr);
    index = 0;
    for (const QString& text : texts) {
        const RegistryTree::Value* value =
            RegistryTree::FindValue(*read, QStringLiteral("Text%1 \"\\").arg(index++));
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->kind, RegistryTree::DataKind::Text);
        EXPECT_EQ(value->text, text);
    }
}

TEST(SettingsExportWriter, LineBreaksUseTheHexTextForm) {
    const QString entry = RegistryExportWriter::ValueEntry(Text("Message", "a\nb"));
    EXPECT_EQ(entry, "\"Message\"=hex(1):61,00,0a,00,62,00,00,00");
    // Long data is wrapped the way the registry editor wraps it.
    const QString wrapped = RegistryExportWriter::ValueEntry(Text("M", QString(60, u'x') + "\n"));
    for (const QString& line : wrapped.split('\n')) {
        EXPECT_LE(line.size(), 80);
    }
    EXPECT_TRUE(wrapped.split('\n').at(1).startsWith("  "));
}

TEST(SettingsExportWriter, UnchangedEntriesAreWrittenAsRead) {
    const QByteArray original = "Windows Registry Editor Version 5.00\n\n"
                                "[HKEY_CURRENT_USER\\software\\Ondrel\\zrbl]\n"
                                "\"Width\"=DWORD:0000ABCD\n"
                                "\"Blob\"=hex:01,02,\\\n    03\n"
                                "\"Multi\"=hex(7):41,00,00,00,00,00\n\n"
                                "[HKEY_CURRENT_USER\\software\\Other]\n"
                                "\"Foreign\"=\"kept\"\n\n";
    auto result = RegistryExportReader::Read(original);
    const QByteArray written = RegistryExportWriter::Write(result.tree);
    EXPECT_TRUE(written.contains("\"Width\"=DWORD:0000ABCD\n"));
    EXPECT_TRUE(written.contains("\"Blob\"=hex:01,02,\\\n    03\n"));
    EXPECT_TRUE(written.contains("\"Multi\"=hex(7):41,00,00,00,00,00\n"));
    EXPECT_TRUE(written.contains("[HKEY_CURRENT_USER\\software\\Other]\n\"Foreign\"=\"kept\"\n"));

    // Once the program replaces a value it is written in the program's own form.
    RegistryTree::SetValue(*result.tree.Find(Root), Integer("width", 1));
    EXPECT_TRUE(RegistryExportWriter::Write(result.tree).contains("\"Width\"=dword:00000001\n"));
}

TEST(SettingsExportWriter, ParentKeysComeBeforeTheirSubkeys) {
    RegistryTree tree;
    tree.Create(Root + "\\TimeServer");
    tree.Create(Root + "\\Account00");
    tree.Create(Root);
    tree.Create(Root + "\\Alarm00");
    std::vector<QString> order;
    for (const RegistryTree::Key* key : tree.SortedKeys()) {
        order.push_back(key->path.mid(Root.size()));
    }
    EXPECT_EQ(order, (std::vector<QString>{"", "\\Account00", "\\Alarm00", "\\TimeServer"}));
}

} // namespace
