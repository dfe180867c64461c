#include "about.h"

About::About(QWidget *parent) : QWidget(parent)
{
    retranslateUi();
}

void About::retranslateUi()
{
    setWindowTitle(tr("相关信息"));
}
