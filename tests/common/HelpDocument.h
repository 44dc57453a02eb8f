// The help document's worked examples, for the tests that hold them against what the windows print. The test
// target defines VAPORLANE_HELP_SOURCE, the help file of the source tree.
#pragma once

#include <QFile>
#include <QString>

// The lines of the first <pre> block after the anchor `name`, without the block's own line ends; empty where the
// file or the block is missing.
inline QString HelpExample(const QString& name)
{
    QFile file(QStringLiteral(VAPORLANE_HELP_SOURCE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString help = QString::fromUtf8(file.readAll());
    const QString open = QStringLiteral("<pre>\n");
    const qsizetype anchor = help.indexOf(QStringLiteral("name=\"%1\"").arg(name));
    const qsizetype start = anchor < 0 ? -1 : help.indexOf(open, anchor);
    const qsizetype end = start < 0 ? -1 : help.indexOf(QStringLiteral("\n</pre>"), start);
    return end < 0 ? QString() : help.mid(start + open.size(), end - start - open.size());
}
