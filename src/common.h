#ifndef COMMON_H
#define COMMON_H

#include <QString>

// Resource paths shared by several source files. Each including file holds its
// own copy; none depends on another or on the resources being registered.
static const QString kStyleSheetPath = QStringLiteral(":/res/res/stylesheet/corvaneBule.qss");
static const QString kDefaultImagePath = QStringLiteral(":/res/res/image/image.png");

#endif
