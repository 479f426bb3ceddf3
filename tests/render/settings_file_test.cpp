// The settings file: reading the first number as "%lf" does, range check, bounded reading of
// large files and of regular files only, and the wiring of its writes.
#include "render/settings_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <future>
#include <limits>
#include <map>
#include <string>

namespace {

constexpr std::size_t Megabytes8 = 8 * 1024 * 1024;

std::string ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
    return file.readAll().toStdString();
}

void WriteWhole(const QString& path, const std::string& text) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    out << text;
}

}  // namespace

TEST(ParseSettingsText, TakesTheFirstNumberOnlyWhenWithinRange) {
    const std::vector<std::pair<std::string, std::optional<double>>> rows = {
        {"90", 90.0},
        {"-90", -90.0},
        {"30.6\n", 30.6},
        {"-33.000000\n", -33.0},
        {" \t\r\n 45.5 and then words 12", 45.5},
        {"+1.5e1", 15.0},
        {std::string(4 * 1024 * 1024, ' ') + "12.25", 12.25},
        {"-90.5", std::nullopt},
        {"90.0000001", std::nullopt},
        {"junk 30", std::nullopt},
        {"", std::nullopt},
        {"   \n\t ", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-", std::nullopt},
        // Longer than the reading window: cut, it must not be taken for a shorter number.
        {std::string(600, '1'), std::nullopt},
        {"1" + std::string(600, '0') + "e-600", std::nullopt},
        // A number that ends inside the window is read, whatever follows.
        {"7 " + std::string(600, '9'), 7.0},
    };
    for (const auto& [text, expected] : rows) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(ParseSettingsText(text), expected);
    }
    // Only the bytes given are read: no terminator is needed.
    const char buffer[] = {'4', '5', '9', '9'};
    EXPECT_EQ(ParseSettingsText(std::string_view(buffer, 2)), 45.0);
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
    // Files left in the folder, to check that no temporary file survives a write.
    QStringList Entries() const {
        return QDir(folder_.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(SettingsFileTest, ReadsSettingsDatOfTheCurrentFolderInBoundedPieces) {
    EXPECT_FALSE(ReadSettingsFile().opened);  // none yet: the first run
    struct Row {
        std::string content;
        std::optional<double> latitude;
    };
    const std::vector<Row> rows = {
        {"30.6\n", 30.6},
        {"", std::nullopt},
        {"north\n", std::nullopt},
        {"-90.5\n", std::nullopt},
        {std::string(Megabytes8, '\n') + "-12.5\n", -12.5},
        {std::string(Megabytes8, '7'), std::nullopt},
        {"45" + std::string(Megabytes8, 'x'), 45.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.content.substr(0, 20));
        WriteWhole("Settings.dat", row.content);
        const SettingsReadResult result = ReadSettingsFile();
        EXPECT_TRUE(result.opened);
        EXPECT_EQ(result.latitude, row.latitude);
    }
    QFile::remove("Settings.dat");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Settings.dat"));
    EXPECT_FALSE(ReadSettingsFile().opened) << "a directory is not a settings file";
    // A pipe is not one either, and it must not stop the start waiting for a writer. Should the
    // read block, opening the pipe's other end lets it go on, so that the test ends.
    ASSERT_TRUE(QDir(folder_.path()).rmdir("Settings.dat"));
    ASSERT_EQ(mkfifo("Settings.dat", 0600), 0);
    auto read = std::async(std::launch::async, [] { return ReadSettingsFile(); });
    const bool returned = read.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    if (!returned) close(open("Settings.dat", O_WRONLY | O_NONBLOCK));
    EXPECT_TRUE(returned) << "the read waited for a writer of the pipe";
    EXPECT_FALSE(read.get().opened);
    EXPECT_FALSE(ReadSettingsFile("/dev/zero").opened);
    // A link to a regular file is read.
    ASSERT_TRUE(QFile::remove("Settings.dat"));
    WriteWhole("real.dat", "-12.5\n");
    ASSERT_TRUE(QFile::link("real.dat", "Settings.dat"));
    EXPECT_EQ(ReadSettingsFile().latitude, -12.5);
}

TEST_F(SettingsFileTest, WritesOneLineWithSixDecimals) {
    const std::vector<std::pair<double, std::string>> rows = {
        {30.0, "30.000000\n"}, {-33.0, "-33.000000\n"}, {89.9999, "89.999900\n"}};
    for (const auto& [latitude, line] : rows) {
        ASSERT_TRUE(WriteSettingsFile(latitude));
        EXPECT_EQ(ReadWhole("Settings.dat"), line);
        EXPECT_EQ(ReadSettingsFile().latitude, latitude);
    }
    EXPECT_EQ(Entries(), QStringList{"Settings.dat"});
}

TEST_F(SettingsFileTest, RefusedWritesLeaveWhatWasThere) {
    WriteWhole("Settings.dat", "12.000000\n");
    EXPECT_FALSE(WriteSettingsFile(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(ReadWhole("Settings.dat"), "12.000000\n");
    EXPECT_FALSE(WriteSettingsFile(30.0, Path("no/such/folder/Settings.dat").toStdString()));
    // What may be written over is ReplaceFileContents' to decide: a pipe is left a pipe.
    ASSERT_EQ(mkfifo(Path("taken").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(WriteSettingsFile(30.0, Path("taken").toStdString()));
    EXPECT_FALSE(QFileInfo(Path("taken")).isFile());
    EXPECT_EQ(
        QDir(folder_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
        (QStringList{"Settings.dat", "taken"}));
}

// The fuzz corpus, run as an ordinary test: every seed parses without fault and gives either
// nothing or a latitude within range; the hand-made seeds give what "%lf" gives.
TEST(SettingsCorpus, EverySeedParsesSafelyAndKnownSeedsGiveTheirValues) {
    const std::map<QString, std::optional<double>> known = {
        {"north_30", 30.0},
        {"south_33", -33.0},
        {"pole_exact", 90.0},
        {"hex_float", 12.0},
        {"embedded_nul", 30.0},
        {"long_fraction", std::nullopt},
        {"out_of_range", std::nullopt},
        {"nan", std::nullopt},
    };
    const QDir corpus(QStringLiteral(SETTINGS_CORPUS_DIR));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 10);
    std::size_t checked = 0;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QFile file(corpus.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const auto latitude = ParseSettingsText(std::string_view(bytes.constData(), bytes.size()));
        if (latitude) {
            EXPECT_TRUE(*latitude >= -90.0 && *latitude <= 90.0);
        }
        if (const auto it = known.find(name); it != known.end()) {
            EXPECT_EQ(latitude, it->second);
            ++checked;
        }
    }
    EXPECT_EQ(checked, known.size());
}
