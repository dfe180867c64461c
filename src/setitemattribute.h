#ifndef SETITEMATTRIBUTE_H
#define SETITEMATTRIBUTE_H

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>

class InputChannel;
class ResolutionRatioScene;
class Ui_SetItemAttribute;

// Modal dialog in which the user types the source, position, size, colour and
// layer of one window of a canvas. OK sends one command per changed field
// straight to the TCP socket or the serial port, applies the change to the
// drawn window and deletes the dialog.
class SetItemAttribute : public QDialog
{
    Q_OBJECT
public:
    SetItemAttribute(int index, ResolutionRatioScene *scene, QWidget *parent = nullptr);
    ~SetItemAttribute() override;

    void initColorCombo();
    void loadFromItem(int index);
    void sendCommand(const QString &text);

    static QByteArray hexToPacket(const QString &text);
    static quint8 crc8(const QByteArray &bytes);

    Ui_SetItemAttribute *ui = nullptr;
    ResolutionRatioScene *mScene = nullptr;
    QList<InputChannel *> mChannels;   // index 0..3 = window 1..4
    int mIndex = 0;

private slots:
    void on_pushButton_2_clicked();   // OK
    void on_pushButton_clicked();     // CANCEL
};

#endif
