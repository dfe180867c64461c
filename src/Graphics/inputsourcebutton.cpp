#include "inputsourcebutton.h"

InputSourceButton::InputSourceButton(QWidget *parent) : QPushButton(parent) {}
