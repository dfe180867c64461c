#include "maintitlebar.h"
#include "maincontent/widgetcontextmanage.h"

MainTitleBar::MainTitleBar(QWidget *parent) : QWidget(parent)
{
    WidgetContextManage::getInstance()->setMainTitleBar(this);
}
