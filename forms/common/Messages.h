// SPDX-License-Identifier: MIT
// Message boxes go through one sink, so that tests record them and the command line prints them.
#pragma once

#include <QString>

// The two styles the program uses, with the values of their classic constants.
enum class MsgBoxStyle { OkOnly = 0, Critical = 16 };

inline const QString AppTitle = QStringLiteral("Vaporlane");

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows one modal message and returns when it is dismissed.
    virtual void Show(const QString& prompt, MsgBoxStyle style, const QString& title) = 0;
};

// Shows a message through the installed sink (standard error when none is installed).
void MsgBox(const QString& prompt, MsgBoxStyle style = MsgBoxStyle::OkOnly, const QString& title = AppTitle);

// Installs a sink (not owned) and returns the previous one; nullptr restores standard error.
MessageSink* SetMessageSink(MessageSink* sink);
