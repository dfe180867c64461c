// Base of the selected-window panel tests: a fresh whole window for every test function.
#ifndef PANELTEST_H
#define PANELTEST_H

#include <QObject>

#include "panelfixture.h"
#include "Graphics/sliceupscene.h"
#include "Graphics/sliceupsizeitem.h"
#include "Graphics/sliceupview.h"

class PanelTest : public QObject
{
    Q_OBJECT

protected:
    PanelFixture *f = nullptr;
    PanelUi *ui = nullptr;

    SliceUpSizeItem *cropItem() const { return ui->sliceUpView->mScene->mSizeItem; }

private slots:
    void init()
    {
        f = new PanelFixture;
        ui = f->ui;
    }

    void cleanup()
    {
        delete f;
        f = nullptr;
    }
};

#endif
