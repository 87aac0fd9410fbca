#pragma once

#include <QString>
#include <functional>

class RichTextBox;

// Writes text from nick into pane, after the CTCP it may carry: an action as the
// nick and the action in colour 06; a version request shows nothing and is
// answered by answerVersion; any other text as ordinaryLine makes it. The room
// and a conversation differ in those two.
void putIncomingText(RichTextBox& pane, const QString& nick, const QString& text,
                     QString (*ordinaryLine)(const QString& nick, const QString& text),
                     const std::function<void()>& answerVersion);
