#pragma once
#include "aFrm.h"

class QLabel;

// The window shown while the program connects and builds its shared objects.
class TSplashFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TSplashFrm(QWidget* parent = nullptr);

    // Shows the text in the status line at once; an empty text adds "." to the current one.
    void ShowHint(const QString& text);
    QString Hint() const;

    QLabel* imgSplash1;
    QLabel* lblHint1;
};
