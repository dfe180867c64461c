#include "widgetcontextmanage.h"

#include "Graphics/inputsourceinformation.h"

WidgetContextManage *WidgetContextManage::getInstance()
{
    static WidgetContextManage instance;
    return &instance;
}

std::vector<std::unique_ptr<InputSourceInformation>> createDefaultSourceRecords()
{
    std::vector<std::unique_ptr<InputSourceInformation>> records;
    for (int i = 0; i < 4; ++i)
        records.push_back(std::make_unique<InputSourceInformation>());
    int source = 1;
    for (auto &record : records)
        record->mInputSourceIndex = source++;
    return records;
}
