#include <QtTest>
#include <QSettings>
#include <QTemporaryDir>

#include "Graphics/inputsourcebutton.h"
#include "Graphics/inputsourcebuttoneditline.h"
#include "globals.h"

// The input-source buttons: drag and home, the caption editor and the file
// that keeps the captions, driven with real mouse and key events.
class TstInputSourceButton : public QObject
{
    Q_OBJECT

    QTemporaryDir *mDir = nullptr;
    QString mOldDir;
    QWidget *mWindow = nullptr;
    QList<InputSourceButton *> mButtons;

    QWindow *handle() const { return mWindow->windowHandle(); }
    QPoint centreOf(QWidget *w) const { return w->mapTo(mWindow, w->rect().center()); }

    // The four buttons as the main window lays them out.
    void buildWindow()
    {
        mWindow = new QWidget;
        mWindow->resize(400, 300);
        const QPoint homes[4] = {{30, 175}, {110, 175}, {30, 210}, {110, 210}};
        mButtons.clear();
        for (int i = 0; i < 4; ++i) {
            auto *b = new InputSourceButton(mWindow);
            b->setGeometry(homes[i].x(), homes[i].y(), 75, 25);
            b->setText(QStringLiteral("输入 %1").arg(i + 1));
            b->mInputSourceIndex = i + 1;
            b->setHomePos(homes[i].x(), homes[i].y());
            mButtons << b;
        }
        mWindow->show();
        mWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mWindow));
    }

    void openEditor(InputSourceButton *b)
    {
        QTest::mouseClick(handle(), Qt::RightButton, {}, centreOf(b));
        QVERIFY(b->mEditLine->isVisible());
        QCOMPARE(b->mEditLine->mEditing, 1);
        QTRY_VERIFY_WITH_TIMEOUT(b->mEditLine->hasFocus(), 5000);
    }

    // Types text key by key, non-ASCII letters included.
    static void type(QWidget *w, const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void rename(InputSourceButton *b, const QString &typed, Qt::Key confirm = Qt::Key_Return)
    {
        openEditor(b);
        type(b->mEditLine, typed);
        QTest::keyClick(b->mEditLine, confirm);
    }

    QVariant stored(int number, const char *key)
    {
        QSettings s(QStringLiteral("inputSourceButton.ini"), QSettings::IniFormat);
        s.setIniCodec("UTF-8");
        return s.value(QStringLiteral("inputSourceButton_%1/%2").arg(number).arg(QLatin1String(key)));
    }

private slots:
    void initTestCase()
    {
        // The program's own application font, as its start-up sets it.
        QApplication::setFont(QFont(QStringLiteral("Microsoft YaHi"), 9));
    }

    void init()
    {
        mOldDir = QDir::currentPath();
        mDir = new QTemporaryDir;
        QVERIFY(mDir->isValid());
        QDir::setCurrent(mDir->path());
        g_languageIndex = 0;
        buildWindow();
    }

    void cleanup()
    {
        delete mWindow;
        mWindow = nullptr;
        QDir::setCurrent(mOldDir);
        delete mDir;
        mDir = nullptr;
    }

    void renameStoresCaption()
    {
        InputSourceButton *b = mButtons[1];
        rename(b, QStringLiteral("Camera"));
        QCOMPARE(b->text(), QStringLiteral("2-Camera"));
        QCOMPARE(b->mDefaultCaption, 0);
        QVERIFY(!b->mEditLine->isVisible());
        QCOMPARE(b->mEditLine->mEditing, 0);
        QCOMPARE(stored(2, "text").toString(), QStringLiteral("2-Camera"));
        QCOMPARE(stored(2, "enable").toString(), QStringLiteral("1"));
        // Only button 2's group was written.
        QSettings s(QStringLiteral("inputSourceButton.ini"), QSettings::IniFormat);
        QCOMPARE(s.childGroups(), QStringList{QStringLiteral("inputSourceButton_2")});
    }

    void otherConfirmations()
    {
        // A right click in the field confirms, so does losing the focus.
        InputSourceButton *b = mButtons[0];
        openEditor(b);
        type(b->mEditLine, QStringLiteral("Desk"));
        QTest::mouseClick(handle(), Qt::RightButton, {}, centreOf(b->mEditLine));
        QCOMPARE(b->text(), QStringLiteral("1-Desk"));

        b = mButtons[3];
        openEditor(b);
        type(b->mEditLine, QStringLiteral("Stage"));
        mButtons[2]->setFocus();
        QCOMPARE(b->text(), QStringLiteral("4-Stage"));
        QCOMPARE(b->mEditLine->mEditing, 0);
        QCOMPARE(stored(4, "text").toString(), QStringLiteral("4-Stage"));

        // A left click in the field only keeps typing going.
        openEditor(b);
        type(b->mEditLine, QStringLiteral("Ab"));
        QTest::mouseClick(handle(), Qt::LeftButton, {}, centreOf(b->mEditLine));
        QCOMPARE(b->mEditLine->mEditing, 1);
        QCOMPARE(b->mEditLine->text(), QStringLiteral("Ab"));
    }

    void longCaptionIsElided()
    {
        InputSourceButton *b = mButtons[1];
        rename(b, QStringLiteral("Conference room camera left"));
        const QString shown = b->text();
        QVERIFY(shown.startsWith(QStringLiteral("2-Con")));
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QVERIFY(b->mEditLine->fontMetrics().horizontalAdvance(shown) <= 70);
        QCOMPARE(stored(2, "text").toString(), shown);
    }

    void emptyConfirmGivesDefault_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("chinese") << 0 << QStringLiteral("输入 2");
        QTest::newRow("english") << 1 << QStringLiteral("IN 2");
        QTest::newRow("russian") << 2 << QStringLiteral("ввод 2");
        QTest::newRow("spanish") << 3 << QStringLiteral("Entrada2");
        QTest::newRow("unknown index falls back") << 9 << QStringLiteral("输入 2");
    }

    void emptyConfirmGivesDefault()
    {
        QFETCH(int, language);
        QFETCH(QString, caption);
        InputSourceButton *b = mButtons[1];
        rename(b, QStringLiteral("Camera"));
        g_languageIndex = language;
        rename(b, QString(), Qt::Key_Enter);
        g_languageIndex = 0;
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->mDefaultCaption, 1);
        // Only enable is written; the earlier caption stays in the file.
        QCOMPARE(stored(2, "enable").toString(), QStringLiteral("0"));
        QCOMPARE(stored(2, "text").toString(), QStringLiteral("2-Camera"));
    }

    void captionsReadBackAtNextConstruction()
    {
        rename(mButtons[0], QStringLiteral("Камера"));
        rename(mButtons[2], QStringLiteral("PC"));
        rename(mButtons[3], QStringLiteral("Gone"));
        rename(mButtons[3], QString());
        delete mWindow;
        mWindow = nullptr;

        buildWindow();
        for (InputSourceButton *b : mButtons)
            b->loadSavedCaption();
        QCOMPARE(mButtons[0]->text(), QStringLiteral("1-Камера"));
        QCOMPARE(mButtons[0]->mDefaultCaption, 0);
        QCOMPARE(mButtons[1]->text(), QStringLiteral("输入 2"));
        QCOMPARE(mButtons[1]->mDefaultCaption, 1);
        QCOMPARE(mButtons[2]->text(), QStringLiteral("3-PC"));
        QCOMPARE(mButtons[3]->text(), QStringLiteral("输入 4"));
        QCOMPARE(mButtons[3]->mDefaultCaption, 1);
    }

    void readsKeysWhateverTheirCase()
    {
        QFile f(QStringLiteral("inputSourceButton.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[inputSourceButton_1]\nTEXT=1-Hall\nEnable=1\n"
                "[inputSourceButton_2]\ntext=2-Old\nenable=yes\n");
        f.close();
        mButtons[0]->loadSavedCaption();
        mButtons[1]->loadSavedCaption();
        QCOMPARE(mButtons[0]->text(), QStringLiteral("1-Hall"));
        QCOMPARE(mButtons[1]->text(), QStringLiteral("输入 2"));
        QCOMPARE(mButtons[1]->mDefaultCaption, 1);

        // An empty confirm replaces the other spelling, so the caption is off.
        rename(mButtons[0], QString());
        mButtons[0]->setText(QStringLiteral("none"));
        mButtons[0]->loadSavedCaption();
        QCOMPARE(mButtons[0]->text(), QStringLiteral("none"));
    }

    void dragEmitsAndReturnsHome()
    {
        InputSourceButton *b = mButtons[2];
        QSignalSpy spy(b, &InputSourceButton::releaseMouseLeft);
        const QPoint start = centreOf(b);
        QTest::mousePress(handle(), Qt::LeftButton, {}, start);
        QVERIFY(b->mDragging);
        QTest::mouseMove(handle(), start + QPoint(40, -30));
        QCOMPARE(b->pos(), QPoint(70, 180));
        QTest::mouseMove(handle(), start + QPoint(150, -100));
        QCOMPARE(b->pos(), QPoint(180, 110));
        QCOMPARE(spy.count(), 0);
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, start + QPoint(150, -100));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 3);
        QCOMPARE(spy.at(0).at(1).toPoint(), mWindow->mapToGlobal(start + QPoint(150, -100)));
        QCOMPARE(b->pos(), QPoint(30, 210));
        QVERIFY(!b->mDragging);

        // A right-button press and release is no drag.
        QTest::mouseClick(handle(), Qt::RightButton, {}, centreOf(mButtons[0]));
        QTest::keyClick(mButtons[0]->mEditLine, Qt::Key_Escape);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TstInputSourceButton)
#include "tst_inputsourcebutton.moc"
