#pragma once

#include "tools/demo_server/demo_server_process.h"

#include <QCoreApplication>
#include <QFileInfo>

// Paths into the build tree, relative to the test binary.
inline QString buildPath(const char *relative)
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                     QString::fromUtf8(relative))
        .absoluteFilePath();
}
