#ifndef PANELFIXTURE_H
#define PANELFIXTURE_H

#include <functional>

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QStringList>

#include "windowfixture.h"

class MainWindow;
class InputChannel;
class InputSourceButton;
class ResolutionRatioScene;
class SliceUpView;
class UserView;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolBox;
class QWidget;

// The main form's widgets that the panel tests use, found by object name
// (tests cannot include the generated form header).
#define PANEL_WIDGETS(X) \
    X(QPushButton, btn_openColorPalette) \
    X(QCheckBox, cbx_24PSFMode) \
    X(QCheckBox, cbx_deinterlace) \
    X(QComboBox, cbx_windowLevel) \
    X(QCheckBox, ckx_2p2PullDown) \
    X(QCheckBox, ckx_2p3PullDown) \
    X(QCheckBox, ckx_enableAudio) \
    X(QCheckBox, ckx_freezeWindow) \
    X(QCheckBox, ckx_horizontalMirrored) \
    X(QCheckBox, ckx_showWindow) \
    X(QCheckBox, ckx_solidColor) \
    X(QCheckBox, ckx_vericalMirrored) \
    X(QComboBox, columnCbx) \
    X(QComboBox, currentChannelCBox) \
    X(UserView, graphicsView) \
    X(QWidget, groupBox_5) \
    X(QSlider, hSdr_2p2Timer) \
    X(QSlider, hSdr_2p3Timer) \
    X(QSlider, hSdr_hue) \
    X(QSlider, hSdr_luminance) \
    X(QSlider, hSdr_sensitivity) \
    X(QSlider, hSdr_skinCorrection) \
    X(InputSourceButton, inBtn_1) \
    X(InputSourceButton, inBtn_2) \
    X(InputSourceButton, inBtn_3) \
    X(InputSourceButton, inBtn_4) \
    X(QLabel, label_sliceImage) \
    X(QLineEdit, ldt_2p2Timer) \
    X(QLineEdit, ldt_2p3Timer) \
    X(QLineEdit, ldt_DeGrammaMode) \
    X(QLineEdit, ldt_Heigh) \
    X(QLineEdit, ldt_HorizontalEndLocation) \
    X(QLineEdit, ldt_HorizontalStartLocation) \
    X(QLineEdit, ldt_PanelGammaMode) \
    X(QLineEdit, ldt_PosX) \
    X(QLineEdit, ldt_PosY) \
    X(QLineEdit, ldt_VerticalEndLocation) \
    X(QLineEdit, ldt_VerticalStartLocation) \
    X(QLineEdit, ldt_Width) \
    X(QLineEdit, ldt_blockFiltration) \
    X(QLineEdit, ldt_blueCorrection) \
    X(QLineEdit, ldt_colorG) \
    X(QLineEdit, ldt_colorR) \
    X(QLineEdit, ldt_colorTemperature) \
    X(QLineEdit, ldt_contrastRatio) \
    X(QLineEdit, ldt_diagonalCorrection) \
    X(QLineEdit, ldt_greenCorrection) \
    X(QLineEdit, ldt_hairTreatment) \
    X(QLineEdit, ldt_horizontalFiltration) \
    X(QLineEdit, ldt_horizontalSharpness) \
    X(QLineEdit, ldt_hue) \
    X(QLineEdit, ldt_luminance) \
    X(QLineEdit, ldt_noiseProcessing) \
    X(QLineEdit, ldt_saturability) \
    X(QLineEdit, ldt_sensitivity) \
    X(QLineEdit, ldt_shadowFiltration) \
    X(QLineEdit, ldt_skinCorrection) \
    X(QLineEdit, ldt_verticalFiltration) \
    X(QLineEdit, ldt_verticalSharpness) \
    X(QWidget, page1) \
    X(QWidget, page2) \
    X(QPushButton, ptn_FreezeAllWindow) \
    X(QPushButton, ptn_offLine) \
    X(QToolBox, rightTBox) \
    X(QComboBox, rowCbx) \
    X(SliceUpView, sliceUpView)

struct PanelUi
{
#define PANEL_DECLARE(Type, name) Type *name = nullptr;
    PANEL_WIDGETS(PANEL_DECLARE)
#undef PANEL_DECLARE
};

// The whole-window fixture shown, in offline mode, with its send pump
// stopped so that tests read the queued command texts.
class PanelFixture : public WindowFixture
{
public:
    // beforeWindow runs in the working directory before the window is built.
    explicit PanelFixture(const std::function<void()> &beforeWindow = {});
    ~PanelFixture() override;

    // Texts queued since the last call, oldest first; the queue is emptied.
    QStringList takeTexts();
    // Brings up the tool-box page that holds the widget, as a user would.
    void showPageOf(QWidget *widget);
    // Replaces the edit's text by typing and confirms it with Enter.
    void type(QLineEdit *edit, const QString &text);
    void click(QAbstractButton *button);
    // Window n (1..4) of the current canvas.
    InputChannel *window(int n) const;
    ResolutionRatioScene *scene() const;
    void select(int n);
    // Splice grid by counts; a non-empty rectangle replaces the canvas size.
    void setWall(int rows, int columns, const QRectF &sceneRect = QRectF());
    // Global screen position of a point of the current canvas.
    QPoint wallGlobal(const QPointF &scenePoint) const;
    // Waits out the picture sliders' pause so that the next move is sent.
    void waitSliderPause();

    PanelUi *ui = nullptr;
};

// "wwccvvvv": window, code and value as a queued window command text.
QString windowText(int window, int code, int value);

#endif
