// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading what the program wrote, and running the tools that read its PDFs.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

// The whole file, or "<unreadable>" so that a missing file never compares equal to an empty one.
inline QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A command's standard output; empty when it cannot run, fails or takes over 30 s.
inline QString runCommand(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}
