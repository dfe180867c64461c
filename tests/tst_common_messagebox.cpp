#include <QtTest>

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <functional>

#include "dialoganswerer.h"
#include "globals.h"
#include "maincontent/mymessagebox.h"

using BoxCall = std::function<bool()>;

// Runs call and, once its dialog is up, hands the dialog to act.
static bool withDialog(const BoxCall &call, const std::function<void(QDialog *)> &act)
{
    QTimer probe;
    probe.setInterval(5);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            probe.stop();
            act(dialog);
        }
    });
    probe.start();
    return call();
}

static QLabel *textLabelOf(QDialog *dialog)
{
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (!label->text().isEmpty())
            return label;
    return nullptr;
}

class TstCommonMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { g_languageIndex = 0; }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("cn") << 0 << QStringLiteral("确认") << QStringLiteral("取消");
        QTest::newRow("en") << 1 << "OK" << "Cancel";
        QTest::newRow("ru") << 2 << QStringLiteral("Да") << QStringLiteral("отменить");
        QTest::newRow("es") << 3 << "OK" << "Cancelar";
    }

    void captionsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, confirm);
        QFETCH(QString, cancel);
        g_languageIndex = language;

        DialogAnswerer answerer(DialogAnswerer::Accept);
        QVERIFY(MyMessageBox::question(nullptr, QStringLiteral("警告"), QStringLiteral("确定要重置吗？")));
        QCOMPARE(answerer.seen.size(), 1);
        const DialogAnswerer::Seen &seen = answerer.seen.first();
        QCOMPARE(seen.title, QStringLiteral("警告"));
        QCOMPARE(seen.text, QStringLiteral("确定要重置吗？"));
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains(confirm));
        QVERIFY(seen.buttons.contains(cancel));

        for (auto box : {&MyMessageBox::error, &MyMessageBox::information, &MyMessageBox::warning}) {
            answerer.clear();
            QVERIFY(box(nullptr, QStringLiteral("错误"), QStringLiteral("x")));
            QCOMPARE(answerer.seen.size(), 1);
            QCOMPARE(answerer.seen.first().buttons, QStringList{confirm});
        }
    }

    void unknownLanguageKeepsStandardCaptions()
    {
        g_languageIndex = 7;
        DialogAnswerer answerer(DialogAnswerer::Reject);
        QVERIFY(!MyMessageBox::question(nullptr, "t", "x"));
        const QStringList buttons = answerer.seen.first().buttons;
        QCOMPARE(buttons.size(), 2);
        for (const QString &caption : buttons)
            QVERIFY2(caption.contains("OK") || caption.contains("Cancel"), qPrintable(caption));
        QCOMPARE(g_languageIndex, 7);
    }

    void trueOnlyForTheConfirmButton()
    {
        DialogAnswerer answerer(DialogAnswerer::Reject);
        QVERIFY(!MyMessageBox::question(nullptr, "t", "x"));          // cancel button

        auto pressEscape = [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); };
        auto closeWindow = [](QDialog *d) { d->close(); };
        auto question = [] { return MyMessageBox::question(nullptr, "t", "x"); };
        auto information = [] { return MyMessageBox::information(nullptr, "t", "x"); };
        auto warning = [] { return MyMessageBox::warning(nullptr, "t", "x"); };
        auto error = [] { return MyMessageBox::error(nullptr, "t", "x"); };

        answerer.setAnswer(DialogAnswerer::Leave);
        QVERIFY(!withDialog(question, pressEscape));
        QVERIFY(!withDialog(question, closeWindow));
        QVERIFY(!withDialog(information, closeWindow));
        QVERIFY(!withDialog(warning, pressEscape));
        QVERIFY(!withDialog(error, closeWindow));

        auto clickConfirm = [](QDialog *d) {
            d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        };
        QVERIFY(withDialog(question, clickConfirm));
        QVERIFY(withDialog(information, clickConfirm));
    }

    void layoutAndSize()
    {
        const QString text = QStringLiteral("请先建立连接");
        QLabel reference;
        reference.setStyleSheet(QStringLiteral("QLabel {font-family: 'Microsoft YaHei';font-size: 9pt;}"));
        reference.setText(text);
        reference.adjustSize();

        QRect textGeometry;
        QSize size, minimum, maximum;
        QString windowIconText;
        auto measure = [&](QDialog *d) {
            textGeometry = textLabelOf(d)->geometry();
            size = d->size();
            minimum = d->minimumSize();
            maximum = d->maximumSize();
            d->accept();
        };

        withDialog([&] { return MyMessageBox::question(nullptr, "t", text); }, measure);
        QCOMPARE(textGeometry.topLeft(), QPoint(90, 25));
        QCOMPARE(size, QSize(90 + reference.width() + 50, 100));
        QCOMPARE(minimum, size);     // a question cannot be resized
        QCOMPARE(maximum, size);

        withDialog([&] { return MyMessageBox::information(nullptr, "t", text); }, measure);
        QCOMPARE(size, QSize(90 + reference.width() + 50, 100));
        QVERIFY(maximum != size);    // the others can
    }

    void iconIsScaledAndPlaced()
    {
        QRect iconGeometry;
        withDialog([] { return MyMessageBox::warning(nullptr, "t", "x"); }, [&](QDialog *d) {
            for (QLabel *label : d->findChildren<QLabel *>())
                if (!label->pixmap(Qt::ReturnByValue).isNull())
                    iconGeometry = label->geometry();
            d->accept();
        });
        QCOMPARE(iconGeometry, QRect(20, 5, 50, 50));
    }

    void longTextStaysAboveTheButtons()
    {
        const QString text = QStringLiteral("第一行\n第二行\n第三行\n第四行\n第五行");
        QRect textGeometry, buttonsGeometry;
        withDialog([&] { return MyMessageBox::information(nullptr, "t", text); }, [&](QDialog *d) {
            textGeometry = textLabelOf(d)->geometry();
            buttonsGeometry = d->findChild<QDialogButtonBox *>()->geometry();
            d->accept();
        });
        QVERIFY2(textGeometry.bottom() < buttonsGeometry.top(),
                 qPrintable(QString("text ends %1, buttons start %2").arg(textGeometry.bottom()).arg(buttonsGeometry.top())));
    }
};

QTEST_MAIN(TstCommonMessageBox)
#include "tst_common_messagebox.moc"
