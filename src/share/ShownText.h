#pragma once

#include <QString>
#include <QStringView>

namespace rollkin {

// The longest text from outside (a reason phrase, a file's name) shown in a label, a tool tip or
// a message.
constexpr int ShownTextLimit = 200;

// Text from outside made fit to show wherever it goes, in a widget that takes rich text or not:
// one line, control characters shown as escapes ("\x1b"), no markup that could be taken for a tag
// or an entity, at most `limit` characters (the cut ends in "…").
QString ShownText(QStringView text, int limit = ShownTextLimit);

}  // namespace rollkin
