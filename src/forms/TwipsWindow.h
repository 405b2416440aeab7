#pragma once

#include <QWidget>

#include "platform/Units.h"

namespace rollkin {

class Desktop;

// A top-level window whose geometry reads and writes in twips, from and to whole pixels: the
// strip or its scroller, drawn at the strip's scale.
class TwipsWindow : public QWidget {
public:
    TwipsWindow(Desktop& screen, Qt::WindowFlags flags);

    float TwipsPerPixelX() const;
    float TwipsPerPixelY() const;

    float Left() const;
    float Top() const;
    float Width() const;
    float Height() const;
    void SetLeft(float twips);
    void SetTop(float twips);

protected:
    bool event(QEvent* event) override;

    Desktop& screen_;
};

// Names a control and puts it where its design rectangle in twips lands.
void PlaceControl(QWidget* control, const char* name, const TwipsRect& design, float tppX,
                  float tppY);

}  // namespace rollkin
