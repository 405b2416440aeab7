#pragma once

#include <QString>

class QWidget;

namespace rollkin {

class Desktop;

// Names, titles and sizes (in twips) such a window as it is created, with the program's icon;
// `screen` tells where the strip's monitor leaves room for it.
void SetUpBesideStrip(QWidget& window, const char* name, const QString& title, float width,
                      float height, const Desktop& screen);

// The windows that open beside the strip (History, Rolls, Share): normal windows, so X11 gets no
// transient-for from Qt for them, kept in the topmost band while the strip is, so that opening
// one puts it above the strip.
void FollowStrip(QWidget& window, const QWidget& strip);

// Shows the window and brings it forward. Asked for again while open, it comes to the strip
// where the strip stands now; once closed, it opens where it was left. `placed` is the window's
// own memory of having been placed.
void OpenBesideStrip(QWidget& window, const QWidget& strip, bool& placed);

}  // namespace rollkin
