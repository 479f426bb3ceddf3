// One run of velquorran-chart as a user runs it, through the shell with the program as $0, in a
// folder of its own: the exit status, what it says, and the file it leaves.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

struct ShellRow {
    QString shell;
    int status;
    const char* out;  // part of the standard output, and of its error output
    const char* err;
    const char* file;  // the one file written; none when empty
    int offset = 0;    // and the bytes it holds there
    QByteArray magic{};
};

inline void CheckShellRow(const ShellRow& row) {
    SCOPED_TRACE(row.shell.toStdString());
    QTemporaryDir folder;
    QProcess process;
    process.setWorkingDirectory(folder.path());
    process.start("/bin/sh", {"-c", row.shell, VELQUORRAN_CHART});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString out = QString::fromUtf8(process.readAllStandardOutput()),
                  err = process.readAllStandardError();
    EXPECT_EQ(process.exitCode(), row.status) << err.toStdString();
    EXPECT_TRUE(out.contains(QString::fromUtf8(row.out))) << out.left(300).toStdString();
    EXPECT_TRUE(err.contains(row.err) && (*row.err != '\0' || err.isEmpty())) << err.toStdString();
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::System);
    EXPECT_EQ(entries.join(' '), QString(row.file).replace("pipe", "pipe taken.png"));
    QFile file(folder.filePath(row.file));
    EXPECT_TRUE(row.magic.isEmpty() || (file.open(QIODevice::ReadOnly) &&
                                        file.readAll().mid(row.offset).startsWith(row.magic)));
}
