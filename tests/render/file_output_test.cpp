// Reading and writing the user's files: only regular files (or links to them) are read or
// replaced, a failed write keeps the old file, and the reason given is the system's.
#include "render/file_output.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QTemporaryDir>

#include "render/settings_file.h"

// Runs `command` with sh in `folder` (made first); true when it succeeds.
bool Shell(const QString& folder, const std::string& command) {
    const std::string f = folder.toStdString();
    return std::system(("mkdir -p " + f + " && cd " + f + " && " + command).c_str()) == 0;
}

// Each row prepares its own folder, writes 5000 bytes to `name` as the user nobody (permissions
// bind only such a user) under the file size limit `limit` (the system cuts a write short there
// and fails the next, as a disk that fills part-way does), and gives the reason, empty when
// written, and a check of what is there after. No temporary file stays behind.
TEST(ReplaceFileContents, WritesRegularFilesOnlyAndSaysWhyNot) {
    QTemporaryDir temporary;
    const bool root = geteuid() == 0;
    ASSERT_TRUE(Shell(temporary.path(), "chmod 755 ."));  // open to the ordinary user
    const struct {
        const char *name, *prepare, *reason, *after;
        rlim_t limit = RLIM_INFINITY;
    } rows[] = {
        {"new.png", "true", "", "test $(wc -c <new.png) = 5000"},
        {"old.png", "echo old >old.png", "", "test $(wc -c <old.png) = 5000"},
        {"link.png", "echo old >f && ln -s f link.png", "",
         "test -L link.png -a $(wc -c <f) = 5000"},
        {"pipe", "mkfifo pipe", "not a regular file", "test -p pipe"},
        {"to-pipe", "mkfifo pipe && ln -s pipe to-pipe", "not a regular file", "test -p pipe"},
        {"dev", "ln -s /dev/null dev", "not a regular file", "test -c /dev/null"},
        {"dir.png", "mkdir dir.png", "folder", "test -d dir.png"},
        // A writable file in a read-only folder is written in place; a read-only one is not.
        {"shut/a", "mkdir shut && echo old >shut/a && chmod 555 shut", "",
         "test $(wc -c <shut/a) = 5000"},
        {"shut/b", "mkdir shut && echo old >shut/b && chmod 444 shut/b && chmod 555 shut",
         "Permission denied", "test $(cat shut/b) = old"},
        {"no/such.png", "true", "No such file", "test ! -e no"},
        {"full.png", "echo old >full.png", "File too large", "test $(cat full.png) = old", 1000},
    };
    signal(SIGXFSZ, SIG_IGN);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string n = std::to_string(&row - rows);  // the folder; its listing in n.ls
        const QString folder = temporary.filePath(QString::fromStdString(n));
        ASSERT_TRUE(Shell(folder, row.prepare + (" && ls -A >../" + n + ".ls") +
                                      (root ? " && chown -hR 65534 ." : "")));
        const rlimit limit{row.limit, RLIM_INFINITY}, none{RLIM_INFINITY, RLIM_INFINITY};
        ASSERT_TRUE(!root || (setegid(65534) == 0 && seteuid(65534) == 0));
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string reason;
        const bool written = ReplaceFileContents((folder + "/" + row.name).toStdString(),
                                                 QByteArray(5000, 'n'), reason);
        setrlimit(RLIMIT_FSIZE, &none);
        ASSERT_TRUE(!root || (seteuid(0) == 0 && setegid(0) == 0));
        EXPECT_EQ(written, *row.reason == '\0') << reason;
        EXPECT_NE(reason.find(row.reason), std::string::npos) << reason;
        EXPECT_TRUE(
            Shell(folder, row.after + (" && ls -A | grep -vx new.png | cmp -s - ../" + n + ".ls")));
        Shell(folder, "chmod -R u+w .");
    }
}

// The settings file: its first number as "%lf" reads it, within -90..90, from a regular file (or
// a link to one) only; a pipe must not keep the start waiting for a writer.
TEST(ReadSettingsFile, ReadsTheFirstNumberOfARegularFileWithinRange) {
    QTemporaryDir temporary;
    const std::pair<std::string, std::optional<double>> rows[] = {
        {"echo 30.6 >s", 30.6},
        {"printf ' \\t\\r\\n-90 and then words 12' >s", -90.0},
        {"head -c 8388608 /dev/zero | tr '\\0' '\\n' >s && echo -12.5 >>s", -12.5},
        {"head -c 600 /dev/zero | tr '\\0' 1 >s", std::nullopt},  // cut: not a shorter number
        {"echo 90.0000001 >s", std::nullopt},
        {"echo -90.5 >s", std::nullopt},
        {": >s", std::nullopt},
        {"echo -12.5 >f && ln -s f s", -12.5},
        {"true", std::nullopt},  // none: the first run; and things that are not files
        {"mkdir s", std::nullopt},
        {"mkfifo s", std::nullopt},
        {"ln -s /dev/zero s", std::nullopt},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& [prepare, latitude] = rows[i];
        SCOPED_TRACE(prepare);
        const QString folder = temporary.filePath(QString::number(i));
        ASSERT_TRUE(Shell(folder, prepare));
        const SettingsReadResult result = ReadSettingsFile((folder + "/s").toStdString());
        EXPECT_EQ(result.opened, i < 8);
        EXPECT_EQ(result.latitude, latitude);
    }
}
