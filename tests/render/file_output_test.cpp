// The one writer of the user's files: what it replaces, what it refuses and leaves as it was, and
// the reasons it gives. Run as an ordinary user, as permissions bind only such a user.
#include "render/file_output.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Runs `body` as an ordinary user (nobody) when the test runs as root, who passes every
// permission check; `folder` is given to that user first.
void AsOrdinaryUser(const QString& folder, const std::function<void()>& body) {
    if (geteuid() != 0) return body();
    constexpr uid_t Nobody = 65534;
    ASSERT_EQ(chown(QFile::encodeName(folder).constData(), Nobody, Nobody), 0);
    ASSERT_EQ(setegid(Nobody), 0);
    ASSERT_EQ(seteuid(Nobody), 0);
    body();
    ASSERT_EQ(seteuid(0), 0);
    ASSERT_EQ(setegid(0), 0);
}

// The file size limit of this process for the duration of a write: the system cuts a write short
// at the limit and fails the next one, as a disk that fills part-way does.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous);
        handler = signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, handler);
    }
    struct rlimit previous {};
    sighandler_t handler;
};

}  // namespace

// Each row prepares the folder, writes 5000 bytes to `name`, and says whether that works, where
// the bytes land (or what stays there), and the reason given.
TEST(ReplaceFileContents, WritesRegularFilesOnlyAndSaysWhyNot) {
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString root = temporary.path();
    ASSERT_EQ(chmod(QFile::encodeName(root).constData(), 0755), 0);  // for the ordinary user
    const QByteArray bytes(5000, 'n');
    struct Row {
        const char* what;
        std::function<void(const QDir&)> prepare;
        const char* name;
        bool written;
        const char* reason;  // part of it; empty when written
        std::function<bool(const QDir&)> after;
        rlim_t limit = RLIM_INFINITY;
    };
    auto isFifo = [](const QString& path) {
        struct stat status {};
        return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
    };
    const std::vector<Row> rows = {
        {"a new file", [](const QDir&) {}, "new.png", true, "",
         [&](const QDir& d) { return ReadAll(d.filePath("new.png")) == bytes; }},
        {"an old file", [](const QDir& d) { Put(d.filePath("old.png"), "old"); }, "old.png", true,
         "", [&](const QDir& d) { return ReadAll(d.filePath("old.png")) == bytes; }},
        {"a link to a file: the file is written, the link stays",
         [](const QDir& d) {
             Put(d.filePath("real.png"), "old");
             QFile::link("real.png", d.filePath("link.png"));
         },
         "link.png", true, "",
         [&](const QDir& d) {
             return QFileInfo(d.filePath("link.png")).isSymLink() &&
                    ReadAll(d.filePath("real.png")) == bytes;
         }},
        {"a pipe", [](const QDir& d) { mkfifo(QFile::encodeName(d.filePath("pipe")), 0600); },
         "pipe", false, "not a regular file",
         [&](const QDir& d) { return isFifo(d.filePath("pipe")); }},
        {"a link to a pipe",
         [](const QDir& d) {
             mkfifo(QFile::encodeName(d.filePath("pipe")), 0600);
             QFile::link("pipe", d.filePath("to-pipe.png"));
         },
         "to-pipe.png", false, "not a regular file",
         [&](const QDir& d) { return isFifo(d.filePath("pipe")); }},
        {"a link to a device", [](const QDir& d) { QFile::link("/dev/null", d.filePath("dev")); },
         "dev", false, "not a regular file",
         [](const QDir&) {
             return QFileInfo("/dev/null").exists() && !QFileInfo("/dev/null").isFile();
         }},
        {"a folder", [](const QDir& d) { d.mkdir("taken.png"); }, "taken.png", false, "folder",
         [](const QDir& d) { return QFileInfo(d.filePath("taken.png")).isDir(); }},
        {"a writable file in a read-only folder: written in place",
         [](const QDir& d) {
             d.mkdir("shut");
             Put(d.filePath("shut/chart.png"), "old");
             chmod(QFile::encodeName(d.filePath("shut")), 0555);
         },
         "shut/chart.png", true, "",
         [&](const QDir& d) { return ReadAll(d.filePath("shut/chart.png")) == bytes; }},
        {"a read-only file in a read-only folder",
         [](const QDir& d) {
             d.mkdir("locked");
             Put(d.filePath("locked/chart.png"), "old");
             chmod(QFile::encodeName(d.filePath("locked/chart.png")), 0444);
             chmod(QFile::encodeName(d.filePath("locked")), 0555);
         },
         "locked/chart.png", false, "Permission denied",
         [&](const QDir& d) { return ReadAll(d.filePath("locked/chart.png")) == "old"; }},
        {"a missing folder", [](const QDir&) {}, "missing/chart.png", false, "No such file",
         [](const QDir& d) { return !d.exists("missing"); }},
        {"the size limit reached part-way: the system's reason, the old file kept",
         [](const QDir& d) { Put(d.filePath("full.png"), "old"); }, "full.png", false,
         "File too large", [](const QDir& d) { return ReadAll(d.filePath("full.png")) == "old"; },
         1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const QString folder = root + "/" + QString::number(&row - rows.data());
        ASSERT_TRUE(QDir().mkdir(folder));
        AsOrdinaryUser(folder, [&] {
            const QDir dir(folder);
            row.prepare(dir);
            const QStringList before =
                dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
            std::string reason;
            bool written = false;
            {
                const FileSizeLimit limit(row.limit);
                written = ReplaceFileContents(dir.filePath(row.name).toStdString(), bytes, reason);
            }
            EXPECT_EQ(written, row.written) << reason;
            EXPECT_NE(reason.find(row.reason), std::string::npos) << reason;
            EXPECT_TRUE(row.after(dir));
            // No temporary file stays behind.
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
            EXPECT_TRUE(entries == before || (row.written && entries.size() == before.size() + 1))
                << entries.join(' ').toStdString();
            chmod(QFile::encodeName(folder + "/shut").constData(), 0755);
            chmod(QFile::encodeName(folder + "/locked").constData(), 0755);
        });
    }
}
