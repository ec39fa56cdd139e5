#pragma once

class MessageBoxes;
class QLineEdit;

/// The calibration window's two print origin boxes, left and top.
namespace OriginBoxes {

/// True when both hold a number the layout file's reader reads; otherwise
/// the user is told which box, and it takes the focus.
bool readable(QLineEdit &left, QLineEdit &top, MessageBoxes &messages);

} // namespace OriginBoxes
