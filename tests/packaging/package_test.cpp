// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "temp_dir.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString output;
    QString errors;
};

ProgramRun
RunProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    // Relative picture paths are tried in the working folder first.
    process.setWorkingDirectory(QDir::tempPath());
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(240000)) {
        run.errors = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The package is made once for each run of the test program, in a private folder.
class DebianPackage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new TestFolder;
        const ProgramRun cpack = RunProgram(
            QStringLiteral(ZORBEL_CPACK_COMMAND),
            {"--config", ZORBEL_CPACK_CONFIG, "-G", "DEB", "-B", folder_->FilePath("out")});
        cpackLog_ = new QString(cpack.output + cpack.errors);
        const QStringList packages =
            QDir(folder_->FilePath("out")).entryList({QStringLiteral("*.deb")}, QDir::Files);
        if (cpack.exitCode == 0 && packages.size() == 1) {
            package_ = new QString(folder_->FilePath("out/" + packages.first()));
        }
    }
    static void TearDownTestSuite() {
        delete package_;
        delete cpackLog_;
        delete folder_;
    }

    void SetUp() override { ASSERT_NE(package_, nullptr) << cpackLog_->toStdString(); }

    static QString Field(const char* name) {
        return RunProgram(QStringLiteral("dpkg-deb"), {"--field", *package_, name})
            .output.trimmed();
    }

    static inline TestFolder* folder_ = nullptr;
    static inline QString* package_ = nullptr;
    static inline QString* cpackLog_ = nullptr;
};

TEST_F(DebianPackage, IsNamedAndDescribedForDebian) {
    const QString architecture =
        RunProgram(QStringLiteral("dpkg"), {"--print-architecture"}).output.trimmed();
    EXPECT_EQ(QFileInfo(*package_).fileName(),
              QStringLiteral("zorbel_%1_%2.deb").arg(ZORBEL_VERSION, architecture));
    EXPECT_EQ(Field("Package"), QStringLiteral("zorbel"));
    EXPECT_EQ(Field("Version"), QStringLiteral(ZORBEL_VERSION));
    const QString depends = Field("Depends");
    for (const char* library :
         {"libqt6widgets6", "libqt6gui6", "libjpeg", "libicu", "libc6", "fonts-ipafont-gothic"}) {
        EXPECT_TRUE(depends.contains(QLatin1String(library)))
            << library << " in " << depends.toStdString();
    }
    EXPECT_TRUE(Field("Recommends").contains(QLatin1String("qt6-wayland")));
}

TEST_F(DebianPackage, HoldsTheProgramItsDataAndTheDesktopFilesUnderUsr) {
    const ProgramRun listing = RunProgram(QStringLiteral("dpkg-deb"), {"--contents", *package_});
    ASSERT_EQ(listing.exitCode, 0) << listing.errors.toStdString();
    QMap<QString, QString> modes; // path -> permissions and owner
    for (const QString& line : listing.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(QRegularExpression(QStringLiteral("\\s+")));
        modes.insert(columns.last(), columns.at(0) + QLatin1Char(' ') + columns.at(1));
    }
    const QString id = QStringLiteral(ZORBEL_APPLICATION_ID);
    QStringList expected = {
        "./usr/bin/zorbel",
        "./usr/share/applications/" + id + ".desktop",
        "./usr/share/metainfo/" + id + ".metainfo.xml",
        "./usr/share/icons/hicolor/scalable/apps/zorbel.svg",
        "./usr/share/man/man1/zorbel.1.gz",
        "./usr/share/zorbel/sample.jpg",
        "./usr/share/zorbel/help/100.html",
        "./usr/share/zorbel/help/301.html",
        ZORBEL_PACKAGED_SOUND_MODULE,
    };
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        expected << QStringLiteral("./usr/share/icons/hicolor/%1x%1/apps/zorbel.png").arg(size);
    }
    for (const QString& path : expected) {
        EXPECT_TRUE(modes.contains(path)) << path.toStdString();
    }
    EXPECT_EQ(modes.value("./usr/bin/zorbel"), QStringLiteral("-rwxr-xr-x root/root"));
    EXPECT_EQ(modes.value("./usr/share/zorbel/sample.jpg"), QStringLiteral("-rw-r--r-- root/root"));
    for (auto entry = modes.cbegin(); entry != modes.cend(); ++entry) {
        EXPECT_TRUE(entry.key().startsWith(QLatin1String("./usr/")) || entry.key() == "./" ||
                    entry.key() == "./usr/")
            << entry.key().toStdString();
        EXPECT_FALSE(entry.key().startsWith(QLatin1String("./usr/local")))
            << entry.key().toStdString();
    }
}

// Lintian speaks for Debian: an error or a warning fails, and so does any sign of a program
// built without the hardening flags Debian's packages carry, which it reports as information.
TEST_F(DebianPackage, PassesLintian) {
    if (!ZORBEL_HARDENED_BUILD) {
        GTEST_SKIP() << "a sanitized build is tested, not shipped";
    }
    const ProgramRun lintian = RunProgram(
        QStringLiteral("lintian"), {"--fail-on", "error,warning", "--display-info", *package_});
    EXPECT_EQ(lintian.exitCode, 0) << lintian.output.toStdString() << lintian.errors.toStdString();
    EXPECT_FALSE(lintian.output.contains(QLatin1String("hardening-")))
        << lintian.output.toStdString();
}

// The program of the unpacked package finds the sample picture beside itself, not in the
// build it came from.
TEST_F(DebianPackage, UnpackedProgramDrawsTheSamplePicture) {
    const QString root = folder_->FilePath("root");
    const ProgramRun unpack =
        RunProgram(QStringLiteral("dpkg-deb"), {"--extract", *package_, root});
    ASSERT_EQ(unpack.exitCode, 0) << unpack.errors.toStdString();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("ZORBEL_DATA_DIR"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_->FilePath("config"));
    const QString face = folder_->FilePath("face.png");
    const ProgramRun render = RunProgram(
        root + "/usr/bin/zorbel", {"--render", face, "--at", "2002-12-06 07:05:09"}, environment);
    ASSERT_EQ(render.exitCode, 0) << render.errors.toStdString();

    const QImage drawn(face);
    const QImage sample(root + "/usr/share/zorbel/sample.jpg");
    ASSERT_FALSE(sample.isNull());
    ASSERT_EQ(drawn.size(), sample.size()) << "the default window has the sample's size";
    // Corners away from the clock, the digits and the icons show the picture itself.
    for (const QPoint spot : {QPoint(310, 8), QPoint(8, 192), QPoint(300, 100)}) {
        const QColor seen = drawn.pixelColor(spot);
        const QColor wanted = sample.pixelColor(spot);
        EXPECT_LE(std::abs(seen.red() - wanted.red()) + std::abs(seen.green() - wanted.green()) +
                      std::abs(seen.blue() - wanted.blue()),
                  24)
            << spot.x() << "," << spot.y() << " is " << seen.name().toStdString() << ", wanted "
            << wanted.name().toStdString();
    }
}

} // namespace
