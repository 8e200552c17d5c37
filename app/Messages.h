#pragma once
// Messages and questions in the program's own windows.

#include <QString>

// Shows `text` in the message box Form14 and returns when the person has closed it.
void ShowMessage(const QString& text);
// The same under the caption `caption` instead of "提示" (which the box shows again after).
void ShowTitledMessage(const QString& caption, const QString& text);

// Asks a question in Form17 with this caption and text. Answers true only for OK; Cancel
// and the close label answer false.
bool AskQuestion(const QString& caption, const QString& text);
