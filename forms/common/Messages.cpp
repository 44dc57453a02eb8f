// SPDX-License-Identifier: MIT
#include "forms/common/Messages.h"

#include <cstdio>

namespace {

class StandardErrorSink final : public MessageSink {
public:
    void Show(const QString& prompt, MsgBoxStyle, const QString&) override
    {
        std::fprintf(stderr, "%s\n", prompt.toUtf8().constData());
    }
};

StandardErrorSink standardError;
MessageSink* current = &standardError;

}  // namespace

void MsgBox(const QString& prompt, MsgBoxStyle style, const QString& title)
{
    current->Show(prompt, style, title);
}

MessageSink* SetMessageSink(MessageSink* sink)
{
    MessageSink* previous = current == &standardError ? nullptr : current;
    current = sink ? sink : &standardError;
    return previous;
}
