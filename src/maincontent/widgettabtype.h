#ifndef WIDGETTABTYPE_H
#define WIDGETTABTYPE_H

// A control page as the tab container names it. The underlying type is fixed
// so that any number received is a valid value: the container takes 0 to
// MaxWidgetTabType and shows only the pages it maps.
enum WidgetTabType : int {
    SerialTab = 0,
    RoutingTab = 1,
    SplitTab = 2,
    MaxWidgetTabType = 10
};

#endif
