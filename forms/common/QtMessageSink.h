// SPDX-License-Identifier: MIT
#pragma once

#include "forms/common/Messages.h"

// Shows messages as modal message boxes: OK button, the stop icon for MsgBoxStyle::Critical, no icon else.
class QtMessageSink final : public MessageSink {
public:
    void Show(const QString& prompt, MsgBoxStyle style, const QString& title) override;
};
