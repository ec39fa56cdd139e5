#pragma once

#include "messageboxes.h"

class QWidget;

/// Message boxes shown with QMessageBox, modal to the active window.
class QtMessageBoxes : public MessageBoxes
{
public:
    Answer ask(const Request &request) override;
};
