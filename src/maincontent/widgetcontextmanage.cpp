#include "widgetcontextmanage.h"

WidgetContextManage *WidgetContextManage::getInstance()
{
    static WidgetContextManage instance;
    return &instance;
}
