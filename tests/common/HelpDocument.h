// SPDX-License-Identifier: MIT
// The help document's worked examples, for the tests that hold them against what the windows print. The test
// target defines VAPORLANE_HELP_SOURCE, the help file of the source tree.
#pragma once

#include <QFile>
#include <QString>

// The lines of the first <pre> block after the anchor `name`, without the block's own line ends.
inline QString HelpExample(const QString& name)
{
    QFile file(QStringLiteral(VAPORLANE_HELP_SOURCE));
    const QString help = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const qsizetype start = help.indexOf("<pre>\n", help.indexOf("name=\"" + name + '"')) + 6;
    return help.mid(start, help.indexOf("\n</pre>", start) - start);
}
