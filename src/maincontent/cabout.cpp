#include "cabout.h"

Cabout::Cabout(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(tr("Form"));
}
