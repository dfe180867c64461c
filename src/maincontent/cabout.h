#ifndef CABOUT_H
#define CABOUT_H

#include <QWidget>

// English-only About window; built by the title bar, never shown.
class Cabout : public QWidget
{
    Q_OBJECT
public:
    explicit Cabout(QWidget *parent = nullptr);
};

#endif
