// The settings file: reading the first number as "%lf" does, range check, bounded reading of
// large files, and writes that replace the file only when complete.
#include "shell/settings_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

namespace {

std::string ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll().toStdString();
}

void WriteWhole(const QString& path, const std::string& text) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << text;
}

// Files left in a folder, to check that no temporary file survives a write.
QStringList Entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(ParseSettingsText, TakesTheFirstNumberWithinRange) {
    EXPECT_EQ(ParseSettingsText("90"), 90.0);
    EXPECT_EQ(ParseSettingsText("-90"), -90.0);
    EXPECT_EQ(ParseSettingsText("30.6\n"), 30.6);
    EXPECT_EQ(ParseSettingsText("-33.000000\n"), -33.0);
    EXPECT_EQ(ParseSettingsText(" \t\r\n 45.5 and then words 12"), 45.5);
    EXPECT_EQ(ParseSettingsText("+1.5e1"), 15.0);
}

TEST(ParseSettingsText, RefusesOutOfRangeJunkAndEmptyText) {
    EXPECT_FALSE(ParseSettingsText("-90.5"));
    EXPECT_FALSE(ParseSettingsText("90.0000001"));
    EXPECT_FALSE(ParseSettingsText("junk 30"));
    EXPECT_FALSE(ParseSettingsText(""));
    EXPECT_FALSE(ParseSettingsText("   \n\t "));
    EXPECT_FALSE(ParseSettingsText("nan"));
    EXPECT_FALSE(ParseSettingsText("inf"));
    EXPECT_FALSE(ParseSettingsText("-"));
}

TEST(ParseSettingsText, ReadsOnlyTheTextGivenWhenItHasNoTerminator) {
    const char buffer[] = {'4', '5', '9', '9'};
    EXPECT_EQ(ParseSettingsText(std::string_view(buffer, 2)), 45.0);
}

TEST(ParseSettingsText, SkipsMegabytesOfWhiteSpace) {
    std::string text(4 * 1024 * 1024, ' ');
    text += "12.25";
    EXPECT_EQ(ParseSettingsText(text), 12.25);
}

TEST(ParseSettingsText, RefusesANumberLongerThanItsReadingWindow) {
    // Six hundred digits: read whole by "%lf" this is far beyond 90 anyway; cut, it must not be
    // mistaken for a shorter number.
    EXPECT_FALSE(ParseSettingsText(std::string(600, '1')));
    EXPECT_FALSE(ParseSettingsText("1" + std::string(600, '0') + "e-600"));
    // A number that ends inside the window is read, whatever follows.
    EXPECT_EQ(ParseSettingsText("7 " + std::string(600, '9')), 7.0);
}

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }
    QString Path(const QString& name) const { return folder_.filePath(name); }

    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(SettingsFileTest, MissingFileIsNotOpened) {
    const SettingsReadResult result = ReadSettingsFile();
    EXPECT_FALSE(result.opened);
    EXPECT_FALSE(result.latitude);
}

TEST_F(SettingsFileTest, ReadsTheLatitudeOfSettingsDatInTheCurrentFolder) {
    WriteWhole("Settings.dat", "30.6\n");
    const SettingsReadResult result = ReadSettingsFile();
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.latitude, 30.6);
}

TEST_F(SettingsFileTest, EmptyOrJunkFileIsOpenedWithoutLatitude) {
    WriteWhole(Path("empty"), "");
    WriteWhole(Path("junk"), "north\n");
    WriteWhole(Path("far"), "-90.5\n");
    for (const char* name : {"empty", "junk", "far"}) {
        const SettingsReadResult result = ReadSettingsFile(Path(name).toStdString());
        EXPECT_TRUE(result.opened) << name;
        EXPECT_FALSE(result.latitude) << name;
    }
}

TEST_F(SettingsFileTest, HugeFilesAreReadInBoundedPieces) {
    WriteWhole(Path("blanks"), std::string(8 * 1024 * 1024, '\n') + "-12.5\n");
    EXPECT_EQ(ReadSettingsFile(Path("blanks").toStdString()).latitude, -12.5);
    WriteWhole(Path("digits"), std::string(8 * 1024 * 1024, '7'));
    const SettingsReadResult digits = ReadSettingsFile(Path("digits").toStdString());
    EXPECT_TRUE(digits.opened);
    EXPECT_FALSE(digits.latitude);
    WriteWhole(Path("tail"), "45" + std::string(8 * 1024 * 1024, 'x'));
    EXPECT_EQ(ReadSettingsFile(Path("tail").toStdString()).latitude, 45.0);
}

TEST_F(SettingsFileTest, ADirectoryIsNotASettingsFile) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Settings.dat"));
    EXPECT_FALSE(ReadSettingsFile().opened);
}

TEST_F(SettingsFileTest, WritesOneLineWithSixDecimals) {
    ASSERT_TRUE(WriteSettingsFile(30.0));
    EXPECT_EQ(ReadWhole("Settings.dat"), "30.000000\n");
    ASSERT_TRUE(WriteSettingsFile(-33.0));
    EXPECT_EQ(ReadWhole("Settings.dat"), "-33.000000\n");
    ASSERT_TRUE(WriteSettingsFile(90 - 0.0001));
    EXPECT_EQ(ReadWhole("Settings.dat"), "89.999900\n");
    EXPECT_EQ(ReadSettingsFile().latitude, 89.9999);
    EXPECT_EQ(Entries(folder_), QStringList{"Settings.dat"});
}

TEST_F(SettingsFileTest, NonFiniteLatitudeIsNotWritten) {
    WriteWhole("Settings.dat", "12.000000\n");
    EXPECT_FALSE(WriteSettingsFile(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(ReadWhole("Settings.dat"), "12.000000\n");
}

TEST_F(SettingsFileTest, PathThatIsADirectoryFailsAndStays) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Settings.dat"));
    EXPECT_FALSE(WriteSettingsFile(30.0));
    EXPECT_TRUE(QFileInfo(Path("Settings.dat")).isDir());
    EXPECT_EQ(Entries(folder_), QStringList{"Settings.dat"});
}

TEST_F(SettingsFileTest, MissingFolderFails) {
    EXPECT_FALSE(WriteSettingsFile(30.0, Path("no/such/folder/Settings.dat").toStdString()));
}

// A write that fails half-way (here the process may not write more than 4 bytes to any file)
// must leave the old file as it was and no temporary file behind.
TEST_F(SettingsFileTest, FailedWriteLeavesTheOldFileIntact) {
    WriteWhole("Settings.dat", "45.000000\n");
    struct rlimit previous {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = previous;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = WriteSettingsFile(-33.0);
    setrlimit(RLIMIT_FSIZE, &previous);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadWhole("Settings.dat"), "45.000000\n");
    EXPECT_EQ(Entries(folder_), QStringList{"Settings.dat"});
}

// The fuzz corpus, run as an ordinary test: every seed parses without fault and gives either
// nothing or a latitude within range; the hand-made seeds give what "%lf" gives.
TEST(SettingsCorpus, EverySeedParsesSafely) {
    const QDir corpus(QStringLiteral(SETTINGS_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        const auto latitude = ParseSettingsText(std::string_view(bytes.constData(), bytes.size()));
        if (latitude) {
            EXPECT_GE(*latitude, -90.0) << name.toStdString();
            EXPECT_LE(*latitude, 90.0) << name.toStdString();
        }
    }
}

TEST(SettingsCorpus, SeedsGiveTheirKnownValues) {
    const QDir corpus(QStringLiteral(SETTINGS_CORPUS_DIR));
    auto parse = [&](const char* name) {
        QFile file(corpus.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        return ParseSettingsText(std::string_view(bytes.constData(), bytes.size()));
    };
    EXPECT_EQ(parse("north_30"), 30.0);
    EXPECT_EQ(parse("south_33"), -33.0);
    EXPECT_EQ(parse("pole_exact"), 90.0);
    EXPECT_EQ(parse("hex_float"), 12.0);
    EXPECT_EQ(parse("embedded_nul"), 30.0);
    EXPECT_EQ(parse("long_fraction"), std::nullopt);
    EXPECT_EQ(parse("out_of_range"), std::nullopt);
    EXPECT_EQ(parse("nan"), std::nullopt);
}
